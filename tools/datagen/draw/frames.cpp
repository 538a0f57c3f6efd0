#include "draw/frames.h"

#include <cstddef>

namespace datagen::draw {

Image strip(const std::vector<Image>& frames) {
    const int w = frames.front().width, h = frames.front().height;
    Image out(w * static_cast<int>(frames.size()), h);
    for (std::size_t i = 0; i < frames.size(); ++i)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) out.at(static_cast<int>(i) * w + x, y) = frames[i].at(x, y);
    return out;
}

Image frame_of(const Image& s, int frame_width, int i) {
    Image out(frame_width, s.height);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < frame_width; ++x) out.at(x, y) = s.at(i * frame_width + x, y);
    return out;
}

Image silhouette(const Image& picture, Rgb colour) {
    Image out = picture;
    for (Rgb& p : out.pixels)
        if (p != mask_colour) p = colour;
    return out;
}

}  // namespace datagen::draw
