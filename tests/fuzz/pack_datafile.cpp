// Seed maker for the datafile fuzzer: copies a datafile packed whole ("slh!"), through Allegro's
// packfile layer as the grabber packs one. Usage: pack_datafile IN OUT
#include <allegro.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3 || install_allegro(SYSTEM_NONE, &errno, std::atexit) != 0) return 2;
    PACKFILE* in = pack_fopen(argv[1], F_READ_PACKED);
    if (!in) return 1;
    std::vector<char> bytes;
    char block[F_BUF_SIZE];
    for (long got; (got = pack_fread(block, sizeof block, in)) > 0;) bytes.insert(bytes.end(), block, block + got);
    pack_fclose(in);
    PACKFILE* out = pack_fopen(argv[2], F_WRITE_PACKED);
    if (!out) return 1;
    const long size = static_cast<long>(bytes.size());
    const bool written = pack_fwrite(bytes.data(), size, out) == size;
    return pack_fclose(out) == 0 && written ? 0 : 1;
}
