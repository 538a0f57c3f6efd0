#pragma once
// Appending integers to a byte buffer in the byte orders the file formats use.
#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

using Bytes = std::vector<uint8_t>;

inline void put_be16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v >> 8));
    b.push_back(static_cast<uint8_t>(v));
}
inline void put_be32(Bytes& b, uint32_t v) {
    put_be16(b, v >> 16);
    put_be16(b, v & 0xFFFF);
}
inline void put_le16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void put_text(Bytes& b, const std::string& s) { b.insert(b.end(), s.begin(), s.end()); }
inline void put_bytes(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

bool write_file(const std::string& path, const Bytes& bytes);

}  // namespace datagen
