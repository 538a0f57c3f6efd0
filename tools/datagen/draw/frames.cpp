#include "draw/frames.h"

#include "draw/canvas.h"

#include <cmath>
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

Image enlarged(const Image& picture, int factor) {
    Image out(picture.width * factor, picture.height * factor);
    const auto sample = [&picture](int x, int y, float w, float sum[4]) {
        if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return;
        const Rgb c = picture.at(x, y);
        if (c == mask_colour) return;
        sum[0] += c.r * w, sum[1] += c.g * w, sum[2] += c.b * w, sum[3] += w;
    };
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            const float fx = (x + 0.5f) / factor - 0.5f, fy = (y + 0.5f) / factor - 0.5f;
            const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
            const float tx = fx - x0, ty = fy - y0;
            float sum[4] = {0, 0, 0, 0};
            sample(x0, y0, (1 - tx) * (1 - ty), sum);
            sample(x0 + 1, y0, tx * (1 - ty), sum);
            sample(x0, y0 + 1, (1 - tx) * ty, sum);
            sample(x0 + 1, y0 + 1, tx * ty, sum);
            if (sum[3] < 0.5f) continue;
            const float k = 1 / (255 * sum[3]);
            out.at(x, y) = to_rgb(Colour{sum[0] * k, sum[1] * k, sum[2] * k});
        }
    return out;
}

Image shrunk(const Image& picture, float scale) {
    constexpr int n = 4;
    Image out(picture.width, picture.height);
    const float cx = picture.width / 2.0f, cy = picture.height / 2.0f;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            float sum[3] = {0, 0, 0};
            int hits = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) {
                    const int sx = static_cast<int>(std::floor(cx + (x + (i + 0.5f) / n - cx) / scale));
                    const int sy = static_cast<int>(std::floor(cy + (y + (j + 0.5f) / n - cy) / scale));
                    if (sx < 0 || sy < 0 || sx >= picture.width || sy >= picture.height) continue;
                    const Rgb c = picture.at(sx, sy);
                    if (c == mask_colour) continue;
                    sum[0] += c.r, sum[1] += c.g, sum[2] += c.b, ++hits;
                }
            if (hits * 2 < n * n) continue;
            const float k = 1.0f / (255 * hits);
            out.at(x, y) = to_rgb(Colour{sum[0] * k, sum[1] * k, sum[2] * k});
        }
    return out;
}

Image silhouette(const Image& picture, Rgb colour) {
    Image out = picture;
    for (Rgb& p : out.pixels)
        if (p != mask_colour) p = colour;
    return out;
}

Image dithered(const Image& picture, const std::function<float(int x, int y)>& density) {
    static constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    Image out = picture;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            if (density(x, y) * 16 <= bayer[y % 4][x % 4] + 0.5f) out.at(x, y) = mask_colour;
    return out;
}

Colour toned(Colour c, Tone tone) {
    const float grey = 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
    return Colour{tone.floor, tone.floor, tone.floor} + mix(Colour{grey, grey, grey}, c, tone.saturation) * (tone.ceiling - tone.floor);
}

Image toned(const Image& picture, Tone tone) {
    Image out = picture;
    for (Rgb& p : out.pixels)
        if (p != mask_colour) p = to_rgb(toned(rgb(p.r, p.g, p.b), tone));
    return out;
}

}  // namespace datagen::draw
