// The two pilots in their cockpits: helmet, mirrored visor, suit and collar, name on the chest.
#include "shared/shared.h"
#include "shared/text_shape.h"

namespace datagen::shared {

using namespace draw;

namespace {

struct Look {
    Colour helmet, stripe, visor_top, visor_bottom, suit;
    const char* name;
};

const Look adam{rgb(222, 228, 238), rgb(46, 98, 190), rgb(70, 40, 10), rgb(250, 180, 60), rgb(34, 56, 108), "ADAM"};
const Look kim{rgb(176, 36, 52), rgb(226, 178, 70), rgb(10, 20, 50), rgb(120, 170, 255), rgb(70, 22, 34), "KIM"};

void cockpit(Canvas& c) {
    c.apply([](Vec2 p, Colour& col, float& a) {
        col = mix(rgb(26, 34, 54), rgb(6, 8, 16), p.y / 238) * (0.9f + 0.2f * fractal_noise(p * (1 / 25.0f), 5, 3));
        a = 1;
    });
    // Canopy struts in the top corners and glowing instruments low at the sides.
    for (float side : {0.0f, 238.0f}) {
        float inward = side == 0 ? 1.0f : -1.0f;
        Shape strut = capsule({side, 60}, {side + inward * 70, 0}, 14);
        c.fill(strut, metal(strut, linear({0, 0}, {238, 238}, {{0, rgb(90, 100, 120)}, {1, rgb(30, 34, 46)}}), 4, 0.8f));
    }
    Random r(17);
    for (int i = 0; i < 10; ++i) {
        Vec2 at{i < 5 ? r.range(6, 40) : r.range(198, 232), r.range(150, 230)};
        Colour tone = i % 3 == 0 ? rgb(80, 255, 120) : i % 3 == 1 ? rgb(255, 190, 60) : rgb(80, 170, 255);
        c.glow(rect(at, at + Vec2{6, 3}), tone, 5, 0.8f);
        c.fill(rect(at, at + Vec2{6, 3}), tone);
    }
}

}  // namespace

Image face(Pilot pilot) {
    const Look& look = pilot == Pilot::adam ? adam : kim;
    Canvas c(238, 238);
    cockpit(c);

    Shape suit = polygon({{14, 238}, {34, 204}, {84, 186}, {154, 186}, {204, 204}, {224, 238}});
    c.fill(suit, metal(suit, linear({0, 186}, {238, 238}, {{0, look.suit * 1.4f}, {1, look.suit * 0.6f}}), 6, 0.7f));
    Shape collar = ellipse({119, 190}, 58, 16);
    c.fill(collar, metal(collar, linear({60, 174}, {178, 206}, {{0, rgb(200, 210, 226)}, {1, rgb(70, 78, 98)}}), 4, 0.9f));
    Shape name = text_shape(Face::sans_bold, 14, look.name, {119, 222}, 3);
    c.fill(grown(name, 1), rgb(10, 12, 20));
    c.fill(name, rgb(230, 236, 246));

    Shape helmet = ellipse({119, 108}, 72, 82);
    c.fill(grown(helmet, 1.5f), rgb(8, 10, 18));
    c.fill(helmet, sphere({100, 92}, 96, look.helmet, 0.5f));
    c.paint_over(capsule({119, 24}, {119, 60}, 18), sphere({100, 92}, 96, look.stripe, 0.4f));
    for (float x : {46.0f, 192.0f}) {
        Shape ear = circle({x, 118}, 15);
        c.fill(grown(ear, 1.5f), rgb(8, 10, 18));
        c.fill(ear, metal(ear, linear({x - 15, 103}, {x + 15, 133}, {{0, rgb(210, 218, 232)}, {1, rgb(70, 78, 98)}}), 4, 0.9f));
        c.fill(circle({x, 118}, 4), look.stripe);
    }

    Shape visor = ellipse({119, 122}, 56, 46) & rect({50, 86}, {188, 180});
    c.fill(grown(visor, 3), rgb(8, 10, 18));
    c.fill(visor, linear({0, 86}, {0, 168}, {{0, look.visor_top}, {0.65f, look.visor_bottom}, {1, look.visor_top}}));
    // The cockpit mirrored in the glass: a bright curved streak from the upper left, two lights.
    Shape streak = (ellipse({104, 118}, 44, 32) - ellipse({112, 126}, 44, 32)) & visor;
    c.fill(streak, white, 0.55f);
    c.glow(circle({150, 104}, 2), rgb(255, 255, 240), 5, 1.2f);
    c.fill(circle({150, 104}, 1.5f), white);
    c.fill(circle({160, 112}, 1), rgb(120, 255, 150));
    return c.to_opaque_image(black);
}

}  // namespace datagen::shared
