#pragma once
// The data tree the game reads: every file with the geometry the code relies on.
#include <climits>
#include <string>
#include <vector>

namespace manifest {

struct Size {
    int min_w, max_w, min_h, max_h;
};
constexpr Size exact(int w, int h) { return {w, w, h, h}; }
constexpr Size at_most(int w, int h) { return {1, w, 1, h}; }
constexpr Size any_size{1, INT_MAX, 1, INT_MAX};

enum class Fill { masked, opaque };

struct Picture {
    std::string path;
    Size size;
    Fill fill = Fill::masked;  // opaque: drawn with blit or fade_blit, so no mask pixel at all
};

// One datafile object: a 'GIF ' picture, a FONT, or a nested datafile with its own objects.
struct Object {
    enum Kind { gif, font, file } kind;
    Size size = any_size;  // pictures; for fonts the limits of the text height
    Fill fill = Fill::masked;
    std::vector<Object> children = {};
};

struct Datafile {
    std::string path;
    std::vector<Object> objects;
};

// How the game plays a sound, which decides the shortest length whose loop points are valid.
enum class Loop { whole, from_half_51, from_half_48, effect_from_half, once };

struct Sound {
    std::string path;
    Loop loop;
    int min_ms = 1;
};

const std::vector<Picture>& pictures();
const std::vector<Datafile>& datafiles();
const std::vector<Sound>& sounds();

}  // namespace manifest
