// libFuzzer target: any bytes as the body of a 'GIF ' object in a datafile, loaded through
// Allegro's datafile reader with the game's object type registered. A datafile object after it
// must still load intact: the GIF loader may not read past its own object.
#include <allegro.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/gif.h"
#include "gif_budget.h"
#include "scratch_file.h"

namespace {

const uint8_t after[] = {'a', 'f', 't', 'e', 'r'};

void put_be32(FILE* out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) std::fputc(value >> shift & 0xFF, out);
}

void put_object(FILE* out, uint32_t type, const uint8_t* data, size_t size) {
    put_be32(out, type);
    put_be32(out, static_cast<uint32_t>(size));  // stored size, then unpacked size: not packed
    put_be32(out, static_cast<uint32_t>(size));
    std::fwrite(data, 1, size, out);
}

void write_datafile(const fuzz::ScratchFile& file, const uint8_t* data, size_t size) {
    FILE* out = file.create();
    std::fwrite("slh.ALL.", 1, 8, out);
    put_be32(out, 2);
    put_object(out, DAT_GIF, data, size);
    put_object(out, DAT_DATA, after, sizeof after);
    if (std::ferror(out) || std::fclose(out) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) std::abort();
    set_color_depth(16);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::gif_within_budget(data, size)) return -1;
    static const fuzz::ScratchFile file("object.dat");
    write_datafile(file, data, size);
    set_color_conversion(size % 2 ? COLORCONV_NONE : COLORCONV_TOTAL);
    DATAFILE* loaded = load_datafile(file.path().c_str());
    if (!loaded) std::abort();  // the object loader failed, which Allegro does not survive
    const DATAFILE& next = loaded[1];
    if (next.type != DAT_DATA || next.size != sizeof after || std::memcmp(next.dat, after, sizeof after) != 0)
        std::abort();
    unload_datafile(loaded);
    return 0;
}
