// The pause panel, the dialogue panel and its frame, and the loading bar.
#include <cmath>

#include "draw/draw.h"
#include "shared/shared.h"

namespace datagen::shared {

using namespace draw;

namespace {

const Colour edge_dark = rgb(6, 10, 24);

Paint steel(Box b) {
    return linear({b.x0, b.y0}, {b.x1, b.y1}, {{0, rgb(196, 208, 228)}, {0.5f, rgb(120, 132, 156)}, {1, rgb(64, 72, 94)}});
}

// A recessed glass pane: deep blue with faint scan lines.
Paint glass(float top, float bottom) {
    return [top, bottom](Vec2 p) {
        float t = clamp01((p.y - top) / (bottom - top));
        Colour c = mix(rgb(20, 34, 70), rgb(8, 12, 30), t);
        return static_cast<int>(p.y) % 3 == 0 ? c * 0.82f : c;
    };
}

void rivet(Canvas& c, Vec2 at) {
    c.fill(circle(at, 2.2f), edge_dark);
    c.fill(circle(at, 1.6f), sphere(at, 1.6f, rgb(170, 180, 200), 0.8f));
}

}  // namespace

Image pause_panel() {
    Canvas c(340, 440);
    Shape body = rect({0, 0}, {340, 440}, 14);
    c.fill(body, metal(body, steel({0, 0, 340, 440}), 6, 0.9f));
    Shape pane = rect({10, 10}, {330, 430}, 8);
    c.fill(grown(pane, 1.5f), edge_dark);
    c.fill(pane, glass(10, 430));
    // A lit band behind the title, and dividers in the gaps between the stats, the helpers, the
    // bombs and the shield lines that the game prints.
    c.fill(rect({10, 10}, {330, 40}, 8), linear({0, 10}, {0, 40}, {{0, rgb(50, 80, 140)}, {1, rgb(20, 34, 70)}}));
    for (float y : {130.0f, 222.0f, 324.0f}) {
        Shape line = capsule({24, y}, {316, y}, 1.5f);
        c.glow(line, rgb(40, 120, 230), 4, 0.7f);
        c.fill(line, rgb(90, 160, 240), 0.9f);
    }
    for (Vec2 at : {Vec2{5, 220}, Vec2{335, 220}}) rivet(c, at);
    return c.to_image(edge_dark, 0.5f);
}

Image dialog_back() {
    Canvas c(402, 238);
    c.apply([](Vec2 p, Colour& col, float& a) {
        Colour base = mix(rgb(16, 26, 58), rgb(6, 10, 26), p.y / 238);
        float grid = (static_cast<int>(p.x) % 24 == 0 || static_cast<int>(p.y) % 24 == 0) ? 1.0f : 0.0f;
        float scan = static_cast<int>(p.y) % 3 == 0 ? 0.85f : 1.0f;
        float noise = 0.9f + 0.2f * fractal_noise(p * (1 / 30.0f), 41, 3);
        col = (base + rgb(30, 60, 120) * (0.18f * grid)) * (scan * noise);
        a = 1;
    });
    return c.to_opaque_image(black);
}

Image dialog_bars() {
    Canvas c(402, 238);
    // Top plate above the text band, bottom plate below it, thin rails at the sides.
    Shape top = polygon({{0, 0}, {402, 0}, {402, 18}, {300, 18}, {288, 28}, {114, 28}, {102, 18}, {0, 18}});
    Shape bottom = polygon({{0, 238}, {402, 238}, {402, 190}, {300, 190}, {288, 172}, {114, 172}, {102, 190}, {0, 190}});
    Shape rails = rect({0, 0}, {8, 238}) | rect({398, 0}, {402, 238});
    Shape frame = top | bottom | rails;
    c.fill(frame, metal(frame, steel({0, 0, 402, 238}), 4, 0.9f));
    c.fill(outline(frame, 1.5f) & rect({0, 0}, {402, 238}), edge_dark, 0.8f);
    // Status lights and a speaker grille in the bottom plate.
    for (int i = 0; i < 3; ++i) {
        Vec2 at{130.0f + 14 * i, 200};
        Colour tone = i == 0 ? rgb(80, 255, 120) : i == 1 ? rgb(255, 200, 60) : rgb(255, 70, 60);
        c.glow(circle(at, 3), tone, 6, 1);
        c.fill(circle(at, 3), sphere(at, 3, tone, 0.9f));
    }
    for (int i = 0; i < 8; ++i) c.fill(capsule({220.0f + 8 * i, 196}, {220.0f + 8 * i, 220}, 3), edge_dark, 0.8f);
    for (Vec2 at : {Vec2{20, 9}, Vec2{382, 9}, Vec2{20, 214}, Vec2{382, 214}}) rivet(c, at);
    return c.to_image(edge_dark, 0.5f);
}

Image loader_bar() {
    Canvas c(2, 30);
    c.apply([](Vec2 p, Colour& col, float& a) {
        col = at_stop({{0, rgb(190, 245, 255)}, {0.3f, rgb(60, 190, 255)}, {1, rgb(10, 70, 170)}}, p.y / 30);
        a = 1;
    });
    return c.to_opaque_image(black);
}

}  // namespace datagen::shared
