// The KV2 kinds that fly in trains of five and bank as they turn away: five, six and nine fly
// down (nose down), eight climbs from below (nose up). Frame 0 banks left, 4 right, 2 is level.
#include <cmath>

#include "art/catalogue.h"
#include "art/kit.h"

namespace datagen::art {

using namespace draw;

namespace {

template <typename Frame>
Image bank_strip(Frame frame) {
    return strip_of(5, [&](int i) { return frame(bank_of_frame(i, 5)); });
}

// Kind five: a sand and black hornet with pincers reaching forward; guns at (32, 58), (55, 58).
Image enemy_five_frame(float bank_amount) {
    Canvas c(94, 94);
    const Bank b{bank_amount, 47};
    for (float x : {40.0f, 54.0f}) flame(c, b({x, 12}), {0, -1}, 10, 7, kv2::thrust_orange);
    const Shape wings = polygon(b(mirrored({{40, 24}, {14, 14}, {4, 20}, {10, 34}, {40, 44}}, 47)));
    hull(c, wings, kv2::enemy_sand * 0.85f, 501);
    for (float s : {-1.0f, 1.0f}) {
        const Shape pincer = polygon(b(Points{{47 + s * 10, 50}, {47 + s * 22, 60}, {47 + s * 20, 84}, {47 + s * 14, 90}, {47 + s * 15, 74}, {47 + s * 8, 62}}));
        hull(c, pincer, kv2::enemy_sand, 502, 2.5f);
        seam(c, b({47 + s * 4, 30}), b({47 + s * 30, 22}));
    }
    for (float x : {35.0f, 58.0f}) gun_barrel(c, b({x, 46}), b({x, 59}), 4);
    const Shape thorax = ellipse(b({47, 28}), 11 * (1 - 0.1f * std::abs(bank_amount)), 19);
    hull(c, thorax, kv2::enemy_sand, 503, 4);
    for (float y : {18.0f, 26.0f, 34.0f}) c.paint_over(rect(b({30, y}), b({64, y + 3})), solid(rgb(36, 30, 26)), 0.85f);
    const Shape head = ellipse(b({47, 56}), 9, 12);
    hull(c, head, kv2::enemy_sand * 1.05f, 504, 3);
    b.light(c);
    fleet_eye(c, b.raised({43, 60}), 2.4f);
    fleet_eye(c, b.raised({51, 60}), 2.4f);
    return c.to_image();
}

// Kind six: a dark red saucer with swept fins; guns at (22, 44), (49, 44).
Image enemy_six_frame(float bank_amount) {
    Canvas c(85, 85);
    const Bank b{bank_amount, 42.5f};
    for (float x : {32.0f, 53.0f}) flame(c, b({x, 14}), {0, -1}, 10, 6, kv2::thrust_orange);
    const Shape fins = polygon(b(mirrored({{36, 16}, {12, 8}, {3, 12}, {10, 40}, {24, 62}, {36, 60}}, 42.5f)));
    hull(c, fins, rgb(70, 40, 50), 601);
    for (float x : {25.0f, 52.0f}) gun_barrel(c, b({x, 32}), b({x, 46}), 4);
    const float squash = 1 - 0.12f * std::abs(bank_amount);
    const Shape saucer = ellipse(b({42.5f, 42}), 24 * squash, 26);
    hull(c, saucer, rgb(140, 40, 44), 602, 5);
    c.paint_over(ring(b({42.5f, 42}), 17 * squash, 2.5f), solid(rgb(40, 24, 30)), 0.8f);
    for (int i = 0; i < 6; ++i) {
        const float a = i * pi / 3;
        c.fill(circle(b({42.5f + 20 * std::cos(a), 42 + 22 * std::sin(a)}), 1.4f), rgb(255, 200, 90));
    }
    b.light(c);
    const Vec2 dome = b.raised({42.5f, 42});
    canopy(c, dome, 9 * squash, 9, rgb(200, 60, 70));
    fleet_eye(c, b.raised({42.5f, 62}), 2.5f);
    return c.to_image();
}

// Kind eight: a slim olive interceptor climbing nose up; guns at (22, 44), (49, 44).
Image enemy_eight_frame(float bank_amount) {
    Canvas c(76, 105);
    const Bank b{bank_amount, 38};
    for (float x : {33.0f, 43.0f}) flame(c, b({x, 90}), {0, 1}, 14, 6, kv2::thrust_orange);
    const Shape wings = polygon(b(mirrored({{34, 40}, {14, 52}, {3, 70}, {5, 78}, {20, 76}, {34, 80}}, 38)));
    hull(c, wings, kv2::enemy_olive, 801);
    c.paint_over(polygon(b(mirrored({{12, 56}, {3, 70}, {5, 78}, {14, 76}}, 38))), b.shade(plating(wings, kv2::enemy_rust, 802)));
    for (float x : {25.0f, 52.0f}) gun_barrel(c, b({x, 58}), b({x, 42}), 4);
    const Shape body = polygon(b(mirrored({{38, 4}, {34, 16}, {31, 40}, {30, 80}, {32, 92}}, 38)));
    hull(c, body, kv2::enemy_olive * 1.1f, 803, 4);
    for (float y : {46.0f, 70.0f}) seam(c, b({31, y}), b({45, y}));
    b.light(c);
    canopy(c, b.raised({38, 28}), 3.5f, 9, rgb(230, 80, 60));
    fleet_eye(c, b.raised({38, 58}), 2.5f);
    return c.to_image();
}

// Kind nine: the unarmed gold target drone of the challenge stage: a ring around a glowing core.
Image enemy_nine_frame(float bank_amount) {
    Canvas c(83, 83);
    const Bank b{bank_amount, 41.5f};
    const float squash = 1 - 0.18f * std::abs(bank_amount);
    flame(c, b({41.5f, 16}), {0, -1}, 12, 8, kv2::thrust_blue);
    for (float s : {-1.0f, 1.0f}) hull(c, polygon(b(Points{{41.5f + s * 6, 30}, {41.5f + s * 38, 26}, {41.5f + s * 38, 34}, {41.5f + s * 6, 46}})), kv2::kim_gold * 0.75f, 901, 2);
    const Shape band = ellipse(b({41.5f, 44}), 30 * squash, 30) - ellipse(b({41.5f, 44}), 19 * squash, 19);
    hull(c, band, rgb(210, 170, 70), 902, 5);
    for (int i = 0; i < 8; ++i) {
        const float a = i * pi / 4 + pi / 8;
        seam(c, b({41.5f + 19 * std::cos(a), 44 + 19 * std::sin(a)}), b({41.5f + 30 * std::cos(a), 44 + 30 * std::sin(a)}));
    }
    b.light(c);
    const Vec2 core = b.raised({41.5f, 44});
    c.glow(circle(core, 12), rgb(120, 220, 255), 8, 1.2f);
    c.fill(ellipse(core, 13 * squash, 13), sphere(core, 13, rgb(80, 190, 255), 1));
    return c.to_image();
}

}  // namespace

std::vector<PictureFile> train_pictures() {
    return {{"gfx/enemies/enemy_nine/enemy.png", [] { return bank_strip(enemy_nine_frame); }}};
}

std::vector<DatafileFile> train_datafiles() {
    return {
        {"enemy_five.dat", [] { return enemy_file(bank_strip(enemy_five_frame), hostile_bolt(6, 12, hostile::scarlet, -1)); }},
        {"enemy_six.dat", [] { return enemy_file(bank_strip(enemy_six_frame), hostile_bolt(6, 12, hostile::crimson, -1)); }},
        {"enemy_eight.dat", [] { return enemy_file(bank_strip(enemy_eight_frame), hostile_bolt(6, 14, hostile::scarlet, 1)); }},
    };
}

}  // namespace datagen::art
