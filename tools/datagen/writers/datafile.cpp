// Allegro 4 datafile writer (plain, unpacked). Headers big-endian, 16-bit pixels little-endian.
#include <cstdio>

#include "bytes.h"
#include "gifencode.h"
#include "observer.h"
#include "writers.h"

namespace datagen {

namespace {

constexpr uint32_t id(char a, char b, char c, char d) {
    return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(b) << 16 | static_cast<uint32_t>(c) << 8 |
           static_cast<uint32_t>(d);
}

const uint32_t id_bitmap = id('B', 'M', 'P', ' '), id_gif = id('G', 'I', 'F', ' '),
               id_font = id('F', 'O', 'N', 'T'), id_file = id('F', 'I', 'L', 'E');

void put_pixels16(Bytes& b, const Image& image) {
    for (Rgb p : image.pixels) put_le16(b, to_rgb565(p));
}

std::string indexed_name(size_t index, const std::string& name) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%02zu_", index);
    return name.rfind(prefix, 0) == 0 ? name : prefix + name;  // already numbered: keep it
}

}  // namespace

void Datafile::add(const std::string& name, uint32_t type, std::vector<uint8_t> data,
                   std::vector<std::pair<std::string, Image>> pictures) {
    objects_.push_back({indexed_name(objects_.size(), name), type, std::move(data), std::move(pictures)});
}

void Datafile::add_bitmap(const std::string& name, const Image& image) {
    Bytes data;
    put_be16(data, 16);
    put_be16(data, static_cast<uint32_t>(image.width));
    put_be16(data, static_cast<uint32_t>(image.height));
    put_pixels16(data, image);
    add(name, id_bitmap, std::move(data), {{"", image}});
}

void Datafile::add_gif(const std::string& name, const Image& image) {
    IndexedImage indexed = quantise(image);
    add(name, id_gif, encode_gif(indexed), {{"", decoded(indexed)}});
}

void Datafile::add_font(const std::string& name, const Font& font) {
    Bytes data;
    put_be16(data, 0);  // the 3.9+ range format
    put_be16(data, 1);  // one range
    data.push_back(16);
    put_be32(data, static_cast<uint32_t>(font.first));
    put_be32(data, static_cast<uint32_t>(font.first + static_cast<int>(font.glyphs.size()) - 1));
    for (const Image& glyph : font.glyphs) {
        put_be16(data, static_cast<uint32_t>(glyph.width));
        put_be16(data, static_cast<uint32_t>(glyph.height));
        put_pixels16(data, glyph);
    }
    add(name, id_font, std::move(data), {});
}

void Datafile::add_datafile(const std::string& name, const Datafile& nested) {
    std::vector<std::pair<std::string, Image>> pictures;
    for (const Object& o : nested.objects_)
        for (const auto& [label, image] : o.pictures)
            pictures.push_back({"/" + o.name + label, image});
    add(name, id_file, nested.body(), std::move(pictures));
}

std::vector<uint8_t> Datafile::body() const {
    Bytes out;
    put_be32(out, static_cast<uint32_t>(objects_.size()));
    for (const Object& o : objects_) {
        put_text(out, "prop");
        put_text(out, "NAME");
        put_be32(out, static_cast<uint32_t>(o.name.size()));
        put_text(out, o.name);
        put_be32(out, o.type);
        put_be32(out, static_cast<uint32_t>(o.data.size()));  // stored size
        put_be32(out, static_cast<uint32_t>(o.data.size()));  // positive: not packed
        put_bytes(out, o.data);
    }
    return out;
}

bool Datafile::write(const std::filesystem::path& path) const {
    for (const Object& o : objects_)
        for (const auto& [label, image] : o.pictures) observe_picture(path.string() + "/" + o.name + label, image);
    Bytes out;
    put_text(out, "slh.");
    put_text(out, "ALL.");
    put_bytes(out, body());
    return write_file(path.string(), out);
}

}  // namespace datagen
