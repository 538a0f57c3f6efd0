#include "styled.h"

#include <algorithm>
#include <cmath>

namespace datagen {

namespace {

uint8_t mix(int from, int to, int a) { return static_cast<uint8_t>(from + (to - from) * a / 255); }

Rgb mix(Rgb from, Rgb to, int a) { return Rgb{mix(from.r, to.r, a), mix(from.g, to.g, a), mix(from.b, to.b, a)}; }

// The coverage spread over a disc of the given radius (the outline's shape).
std::vector<uint8_t> dilate(const Coverage& c, int radius, int w, int h, int dx, int dy) {
    std::vector<uint8_t> out(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int best = 0;
            for (int oy = -radius; oy <= radius; ++oy)
                for (int ox = -radius; ox <= radius; ++ox)
                    if (ox * ox + oy * oy <= radius * radius + radius)
                        best = std::max<int>(best, c.at(x - dx + ox, y - dy + oy));
            out[static_cast<size_t>(y) * w + x] = static_cast<uint8_t>(best);
        }
    return out;
}

// Keeps the pen's advance, widened only where ink or edge reaches past it, so outlined letters
// sit as close as the face spaces them.
Image crop_to_advance(const Image& full, int pen, int advance) {
    int left = pen, right = pen + advance;
    for (int y = 0; y < full.height; ++y)
        for (int x = 0; x < full.width; ++x)
            if (full.at(x, y) != mask_colour) left = std::min(left, x), right = std::max(right, x + 1);
    Image out(right - left, full.height);
    for (int y = 0; y < full.height; ++y)
        for (int x = left; x < right; ++x)
            if (x >= 0 && x < full.width) out.at(x - left, y) = full.at(x, y);
    return out;
}

}  // namespace

Rgb gradient_at(const std::vector<std::pair<float, Rgb>>& stops, float t) {
    if (stops.empty()) return Rgb{255, 255, 255};
    if (t <= stops.front().first) return stops.front().second;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].first) {
            float span = stops[i].first - stops[i - 1].first;
            int a = span <= 0 ? 255 : static_cast<int>(std::lround(255 * (t - stops[i - 1].first) / span));
            return mix(stops[i - 1].second, stops[i].second, a);
        }
    return stops.back().second;
}

Image styled_text(const TextStyle& style, const std::string& text, bool advance_only) {
    Coverage c = text_coverage(style.face, style.pixel_size, text, style.spacing);
    int pad = style.outline, reach = std::max(style.outline, style.outline + style.shadow);
    int w = c.width + pad + reach, h = c.height + pad + reach;
    int dx = pad, dy = pad;  // where coverage (0, 0) lands

    std::vector<uint8_t> edge = dilate(c, style.outline, w, h, dx, dy);
    if (style.shadow > 0) {
        std::vector<uint8_t> shadow = dilate(c, style.outline, w, h, dx + style.shadow, dy + style.shadow);
        for (size_t i = 0; i < edge.size(); ++i) edge[i] = std::max(edge[i], shadow[i]);
    }
    Image out(w, h);
    for (int y = 0; y < h; ++y) {
        Rgb fill = gradient_at(style.fill, static_cast<float>(y - dy) / static_cast<float>(std::max(1, c.height - 1)));
        for (int x = 0; x < w; ++x) {
            int a = c.at(x - dx, y - dy), e = edge[static_cast<size_t>(y) * w + x];
            if (e >= 96) out.at(x, y) = mix(style.edge, fill, a);  // letters blend into their edge
            else if (a >= 128) out.at(x, y) = fill;                // no edge: a hard cut
        }
    }
    return advance_only ? crop_to_advance(out, pad + c.origin, c.advance) : out;
}

}  // namespace datagen
