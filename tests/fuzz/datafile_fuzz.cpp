// libFuzzer target: any bytes as a whole datafile, loaded the way the game loads its datafiles:
// checked first, then read by Allegro's datafile reader with the game's 'GIF ' objects registered.
// Refusing the file is fine; a crash, a leak, a hang or a read out of bounds is not.
#include <allegro.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/datafile_check.h"
#include "engine/gif.h"
#include "gif_budget.h"
#include "scratch_file.h"

namespace {

// Every GIF the file holds in the clear (packed ones cannot be seen) within the pixel budget.
bool gifs_within_budget(const uint8_t* data, size_t size) {
    const uint8_t signature[] = {'G', 'I', 'F', '8'};
    const uint8_t* end = data + size;
    for (const uint8_t* at = data; at + sizeof signature <= end; ++at)
        if (std::memcmp(at, signature, sizeof signature) == 0 &&
            !fuzz::gif_within_budget(at, static_cast<size_t>(end - at)))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) std::abort();
    set_color_depth(16);
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!gifs_within_budget(data, size)) return -1;
    static const fuzz::ScratchFile file("fuzzed.dat");
    file.write(data, size);
    set_color_conversion(size % 2 ? COLORCONV_NONE : COLORCONV_TOTAL);
    if (DATAFILE* loaded = load_checked_datafile(file.path().c_str())) unload_datafile(loaded);
    return 0;
}
