// The KV2 main menu: the drifting backdrop, the opening box and its items, the title animation.
#include <cmath>

#include "fonts/styled.h"
#include "scenes/scenes.h"

namespace datagen::scenes {

using namespace draw;

namespace {

constexpr int menu_backdrop_size = 1136;
constexpr int item_w = 190, item_h = 30;
constexpr int box_w = 324, box_h = 130;
constexpr int box_side_top = 13, box_side_bottom = 116;
constexpr int frame_w = 256, frame_h = 270, frame_count = 6;

// The two copies overlap at offsets whose x + y differ by at most 2, so everything broad is laid
// along x + y; only faint specks differ across a seam.
Image menu_backdrop() {
    Canvas c(menu_backdrop_size, menu_backdrop_size);
    const Stops bands = {{0, rgb(6, 10, 34)}, {0.3f, rgb(14, 30, 80)}, {0.5f, rgb(8, 14, 44)},
                         {0.75f, rgb(24, 26, 86)}, {1, rgb(6, 10, 34)}};
    c.apply([&bands](Vec2 p, Colour& col, float& a) {
        const float u = (p.x + p.y) / 900;
        const float wave = 0.5f + 0.5f * std::sin(u * 2 * pi) * std::cos(u * 4 * pi + 1);
        col = at_stop(bands, u - std::floor(u)) + rgb(20, 40, 110) * (0.35f * wave);
        col = col * (0.95f + 0.08f * unit(hash(static_cast<uint32_t>(p.x), static_cast<uint32_t>(p.y), 611)));
        a = 1;
    });
    Random r(612);
    for (int i = 0; i < 1400; ++i) {
        const Vec2 at{r.range(0, menu_backdrop_size), r.range(0, menu_backdrop_size)};
        c.fill(circle(at, 0.5f + 0.4f * r.next()), rgb(150, 170, 240), 0.15f + 0.25f * r.next());
    }
    return c.to_opaque_image(black);
}

Image item(const char* word) {
    TextStyle style;
    style.face = Face::sans_condensed_bold;
    style.pixel_size = 24;
    style.fill = {{0.2f, Rgb{255, 255, 255}}, {0.75f, Rgb{150, 200, 255}}};
    style.edge = Rgb{6, 14, 40};
    style.outline = 2;
    style.spacing = 3;
    const Image text = styled_text(style, word);
    Image out(item_w, item_h);
    overlay(out, text, (item_w - text.width) / 2, (item_h - text.height) / 2);
    return out;
}

// A lit bar the item's letters stand on.
Image hover_bar() {
    Canvas c(item_w, item_h);
    const Shape bar = rect({1, 2}, {item_w - 1.0f, item_h - 2.0f}, 6);
    c.fill(bar, linear({0, 2}, {0, item_h - 2.0f}, {{0, rgb(90, 170, 255)}, {0.5f, rgb(30, 90, 200)}, {1, rgb(14, 40, 110)}}));
    c.fill(outline(bar, 1.5f), rgb(190, 230, 255));
    c.fill(rect({8, 4}, {item_w - 8.0f, 9}, 3), white, 0.25f);
    return c.to_image(rgb(8, 14, 44));
}

// Bevelled frame, lit from the top left: top edge, identical sides, bottom edge, open inside.
Image box_frame() {
    Canvas c(box_w, box_h);
    const Shape frame = rect({0, 0}, {box_w, box_h - 1.0f}, 10) - rect({9, 9}, {box_w - 9.0f, box_h - 10.0f}, 4);
    const Paint steel = linear({0, 0}, {box_w, box_h}, {{0, rgb(170, 190, 220)}, {1, rgb(50, 62, 90)}});
    c.fill(frame, metal(frame, steel, 3.5f, 0.8f));
    c.fill(outline(rect({3, 3}, {box_w - 3.0f, box_h - 4.0f}, 8), 1), rgb(90, 170, 255), 0.8f);
    Image out = c.to_image(rgb(8, 14, 44));
    // The opening stretches the middle: every side row is the same.
    for (int y = box_side_top; y <= box_side_bottom; ++y)
        for (int x = 0; x < box_w; ++x) out.at(x, y) = out.at(x, 64);
    for (int x = 0; x < box_w; ++x) out.at(x, box_h - 1) = mask_colour;
    return out;
}

Image box_fill() {
    Canvas c(box_w, box_h - 1);
    c.apply([](Vec2 p, Colour& col, float& a) {
        col = mix(rgb(24, 40, 90), rgb(6, 12, 36), p.y / (box_h - 1)) * (0.9f + 0.2f * fractal_noise(p * (1 / 30.0f), 620, 3));
        a = 1;
    });
    return c.to_opaque_image(black);
}

// Adam's ship at rest in the corner of the title, then streaking up out of the frame and back.
Image animation() {
    std::vector<Image> frames;
    const Image ship = enlarged(pilot_ship(0), 2);
    struct Pose { float y, trail; };
    const Pose poses[frame_count] = {{110, 0}, {70, 40}, {-40, 220}, {-200, 300}, {190, 60}, {140, 20}};
    for (const Pose& pose : poses) {
        Canvas c(frame_w, frame_h);
        const float cx = frame_w / 2.0f, top = pose.y;
        if (pose.trail > 0) {
            const Shape trail = capsule({cx, top + 100}, {cx, top + 100 + pose.trail}, 14);
            c.glow(trail, rgb(60, 150, 255), 16, 0.9f);
            c.fill(capsule({cx, top + 100}, {cx, top + 100 + pose.trail}, 4), rgb(200, 235, 255));
        } else {
            c.glow(circle({cx, top + 120}, 10), rgb(60, 150, 255), 18, 0.8f);
        }
        Image frame = c.to_image(rgb(8, 14, 44));
        overlay(frame, ship, static_cast<int>(cx) - ship.width / 2, static_cast<int>(top));
        frames.push_back(frame);
    }
    return strip(frames);
}

}  // namespace

std::vector<PictureFile> main_menu_pictures() {
    return {
        {"gfx/main_menu/menu_background.gif", menu_backdrop},
        {"gfx/main_menu/kv_main_start.gif", [] { return item("START"); }},
        {"gfx/main_menu/kv2_main_exit.gif", [] { return item("EXIT"); }},
        {"gfx/main_menu/kv2_main_options.gif", [] { return item("OPTIONS"); }},
        {"gfx/main_menu/kv2_main_hover.gif", hover_bar},
        {"gfx/main_menu/kv2_main_box.gif", box_frame},
        {"gfx/main_menu/kv2_main_box_background.gif", box_fill},
        {"gfx/main_menu/2_animation.gif", animation},
    };
}

}  // namespace datagen::scenes
