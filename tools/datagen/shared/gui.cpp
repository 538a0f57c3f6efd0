// Buttons, the mouse pointer, the continue answers, the shield pip and the store and pause icons.
#include "shared/shared.h"
#include "shared/text_shape.h"

namespace datagen::shared {

using namespace draw;

namespace {

const Colour outline_dark = rgb(6, 10, 24);

// Fills the shape in bevelled metal of the given colour, with a dark rim around it.
void metal_piece(Canvas& c, const Shape& s, Colour top, Colour bottom, float rim = 1, float bevel = 2.5f) {
    Box b = s.bounds();
    c.fill(grown(s, rim), outline_dark);
    c.fill(s, metal(s, linear({b.x0, b.y0}, {b.x1, b.y1}, {{0, top}, {1, bottom}}), bevel, 0.8f));
}

// A dark rounded tile with a steel rim, the ground of every 20x20 icon.
Canvas icon_tile() {
    Canvas c(20, 20);
    Shape tile = rect({0, 0}, {20, 20}, 3.5f);
    c.fill(tile, metal(tile, linear({0, 0}, {20, 20}, {{0, rgb(170, 185, 210)}, {1, rgb(60, 70, 92)}}), 2, 0.9f));
    Shape inside = rect({2, 2}, {18, 18}, 2);
    c.fill(inside, linear({0, 2}, {0, 18}, {{0, rgb(22, 34, 64)}, {1, rgb(8, 12, 28)}}));
    return c;
}

}  // namespace

Image button(Symbol symbol) {
    Canvas c(20, 20);
    switch (symbol) {
        case Symbol::left:
        case Symbol::right: {
            Points arrow{{2, 10}, {10, 2}, {10, 6.5f}, {18, 6.5f}, {18, 13.5f}, {10, 13.5f}, {10, 18}};
            if (symbol == Symbol::right) arrow = transformed(arrow, Affine{-1, 0, 20, 0, 1, 0});
            metal_piece(c, polygon(arrow), rgb(200, 225, 255), rgb(40, 90, 180));
            break;
        }
        case Symbol::play:
            metal_piece(c, polygon({{4, 2.5f}, {17.5f, 10}, {4, 17.5f}}), rgb(190, 255, 190), rgb(20, 130, 50));
            break;
        case Symbol::stop:
            metal_piece(c, rect({3.5f, 3.5f}, {16.5f, 16.5f}, 2), rgb(255, 190, 180), rgb(160, 30, 30));
            break;
    }
    return c.to_image(space_black, 0.5f);
}

Image mouse_pointer() {
    Canvas c(16, 16);
    Shape arrow = polygon({{0.6f, 0.6f}, {0.6f, 13}, {4, 10}, {6.6f, 15}, {8.6f, 14}, {6.2f, 9.2f}, {10.6f, 9}});
    c.fill(grown(arrow, 1.1f), outline_dark);
    c.fill(arrow, linear({0, 0}, {8, 14}, {{0, white}, {1, rgb(150, 190, 240)}}));
    return c.to_image(space_black, 0.5f);
}

Image answer_button(const char* word) {
    Canvas c(120, 60);
    Shape frame = outline(rect({2.5f, 2.5f}, {117.5f, 57.5f}, 10), 3);
    metal_piece(c, frame, rgb(220, 232, 250), rgb(70, 84, 116), 1, 1.5f);
    Shape letters = text_shape(Face::sans_bold, 34, word, {60, 30}, 3);
    Box b = letters.bounds();
    c.fill(grown(letters, 2.5f), outline_dark);
    c.fill(letters, metal(letters,
                          linear({0, b.y0}, {0, b.y1},
                                 {{0, white}, {0.48f, rgb(200, 218, 245)}, {0.52f, rgb(120, 150, 200)}, {1, rgb(220, 235, 255)}}),
                          2.5f, 0.8f));
    return c.to_image(space_black, 0.5f);
}

Image shield_pip() {
    Canvas c(9, 12);
    Shape pip = rect({1, 1}, {8, 11}, 2);
    c.fill(grown(pip, 1), outline_dark);
    c.fill(pip, metal(pip, linear({0, 1}, {0, 11}, {{0, rgb(170, 245, 255)}, {1, rgb(20, 110, 220)}}), 2, 0.9f));
    return c.to_image(space_black, 0.5f);
}

Image helper_icon(int guns) {
    Canvas c = icon_tile();
    Shape ship = guns == 1 ? polygon({{10, 3.5f}, {13.5f, 12}, {13, 16}, {10, 14.5f}, {7, 16}, {6.5f, 12}})
                           : polygon({{10, 4}, {12, 9}, {17, 12}, {16.5f, 15.5f}, {10, 14.5f}, {3.5f, 15.5f}, {3, 12}, {8, 9}});
    c.fill(ship, metal(ship, linear({4, 3}, {16, 16}, {{0, rgb(230, 236, 246)}, {1, rgb(90, 100, 124)}}), 1.5f, 0.8f));
    for (int i = 0; i < guns; ++i) {
        float x = guns == 1 ? 10 : 4.5f + 5.5f * i;
        c.fill(capsule({x, guns == 1 ? 2.5f : 8}, {x, guns == 1 ? 6.0f : 12.0f}, 1.3f), rgb(255, 200, 90));
    }
    c.fill(ellipse({10, 10}, 1.4f, 2), rgb(80, 190, 255));
    return c.to_image(space_black, 0.5f);
}

Image shield_icon() {
    Canvas c = icon_tile();
    Shape shield = polygon({{10, 3}, {16, 5}, {15.5f, 11}, {10, 17}, {4.5f, 11}, {4, 5}});
    c.glow(shield, rgb(60, 170, 255), 3, 0.8f);
    c.fill(shield, metal(shield, linear({4, 3}, {16, 17}, {{0, rgb(170, 245, 255)}, {1, rgb(20, 110, 220)}}), 1.5f, 0.9f));
    c.fill(capsule({10, 6}, {10, 13}, 1.2f), white, 0.7f);
    return c.to_image(space_black, 0.5f);
}

Image bomb_icon(int kind) {
    Canvas c = icon_tile();
    if (kind == 1) {
        Shape beam = capsule({10, 2}, {10, 13}, 4);
        c.glow(beam, rgb(60, 170, 255), 3, 1);
        c.fill(beam, rgb(110, 210, 255));
        c.fill(capsule({10, 2}, {10, 13}, 1.6f), white);
    } else {
        for (int i = 0; i < 3; ++i) {
            float x = 5.5f + 4.5f * i, top = i == 1 ? 2.5f : 5;
            Shape laser = capsule({x, top}, {x, 13}, 2.4f);
            c.glow(laser, rgb(255, 60, 120), 2, 1);
            c.fill(laser, rgb(255, 120, 170));
            c.fill(capsule({x, top}, {x, 13}, 0.9f), white);
        }
    }
    Shape ship = polygon({{10, 12}, {14.5f, 17.5f}, {5.5f, 17.5f}});
    c.fill(ship, metal(ship, linear({5, 12}, {15, 18}, {{0, rgb(230, 236, 246)}, {1, rgb(90, 100, 124)}}), 1.2f, 0.8f));
    return c.to_image(space_black, 0.5f);
}

}  // namespace datagen::shared
