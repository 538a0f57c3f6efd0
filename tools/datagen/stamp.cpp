// The fingerprint: FNV-1a over the running program's bytes, then each output's path and size.
#include "stamp.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace datagen {

namespace {

struct Fnv {
    uint64_t value = 1469598103934665603ull;
    void add(const char* p, size_t n) {
        for (size_t i = 0; i < n; ++i) value = (value ^ static_cast<uint8_t>(p[i])) * 1099511628211ull;
    }
    void add(const std::string& s) { add(s.data(), s.size() + 1); }
};

}  // namespace

std::string tree_fingerprint(const JobList& jobs, const std::filesystem::path& top) {
    Fnv hash;
    std::ifstream program("/proc/self/exe", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(program)), std::istreambuf_iterator<char>());
    hash.add(bytes);
    for (const Job& job : jobs) {
        std::error_code error;
        auto size = std::filesystem::file_size(top / job.path, error);
        hash.add(job.path + (error ? std::string("missing") : std::to_string(size)));
    }
    char text[32];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash.value));
    return text;
}

}  // namespace datagen
