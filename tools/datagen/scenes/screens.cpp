// The screens' pictures: series menu, character select, upgrade store, options and the KV2 ending.
#include <cmath>

#include "art/kit.h"
#include "fonts/styled.h"
#include "scenes/scenes.h"
#include "shared/shared.h"
#include "shared/text_shape.h"
#include "shared/title.h"

namespace datagen::scenes {

using namespace draw;

namespace {

constexpr int screen_w = 640, screen_h = 480, fold = 80;
const Colour panel_edge = rgb(8, 14, 44);

// Space that repeats across, for the screens that scroll their backdrop sideways.
Image space_across(uint32_t seed, int stars) {
    Canvas c(screen_w + fold, screen_h);
    paint_space(c, seed, stars);
    c.apply([seed](Vec2 p, Colour& col, float&) {
        const float cloud = smoothstep(0.45f, 0.9f, fractal_noise(p * (1 / 160.0f), seed + 5, 4));
        col = col + mix(rgb(30, 60, 150), rgb(90, 40, 140), fractal_noise(p * (1 / 300.0f), seed + 6, 2)) * (0.5f * cloud);
    });
    return fold_columns(c.to_opaque_image(black), fold);
}

// A space backdrop that repeats downwards, with a faint grid: the store's.
Image store_backdrop() {
    Canvas c(screen_w, screen_h + fold);
    paint_space(c, 1010, 500);
    c.apply([](Vec2 p, Colour& col, float&) {
        const float gx = std::abs(std::fmod(p.x, 40.0f) - 20), gy = std::abs(std::fmod(p.y, 40.0f) - 20);
        col = col + rgb(30, 60, 120) * (0.35f * smoothstep(18.5f, 20, std::max(gx, gy)));
    });
    return fold_rows(c.to_opaque_image(black), fold);
}

// A plain panel of brushed metal, darker towards the bottom right; drawn translucent by the game.
Image panel(int w, int h, Colour base, uint32_t seed) {
    Canvas c(w, h);
    const Shape plate = rect({0, 0}, {static_cast<float>(w), static_cast<float>(h)});
    c.fill(plate, metal(plate, textured(linear({0, 0}, {static_cast<float>(w), static_cast<float>(h)}, {{0, base * 1.4f}, {1, base * 0.6f}}), 40, 0.12f, seed), 5, 0.7f));
    return c.to_opaque_image(black);
}

// Just the frame of the options panel: a bevelled border with corner brackets, open inside.
Image panel_frame(int w, int h) {
    Canvas c(w, h);
    const Shape border = outline(rect({4, 4}, {w - 4.0f, h - 4.0f}, 12), 8);
    c.fill(border, metal(border, linear({0, 0}, {static_cast<float>(w), static_cast<float>(h)}, {{0, rgb(170, 190, 220)}, {1, rgb(50, 62, 90)}}), 3.5f, 0.8f));
    for (Vec2 corner : {Vec2{14, 14}, Vec2{w - 14.0f, 14}, Vec2{14, h - 14.0f}, Vec2{w - 14.0f, h - 14.0f}}) {
        c.glow(circle(corner, 3), rgb(60, 150, 255), 6, 1);
        c.fill(circle(corner, 3), rgb(190, 230, 255));
    }
    return c.to_image(panel_edge);
}

Image options_backdrop() {
    Canvas c(screen_w, screen_h);
    paint_space(c, 1020, 600);
    c.apply([](Vec2 p, Colour& col, float&) { col = col + rgb(20, 40, 110) * (0.6f * (1 - p.y / screen_h)); });
    return c.to_opaque_image(black);
}

// The episode pictures of the series menu: the episode's name over its own sky.
Image episode(const char* name, bool first) {
    Canvas c(160, 120);
    if (first) {
        c.apply([](Vec2 p, Colour& col, float& a) {
            const float cloud = smoothstep(0.3f, 0.8f, fractal_noise(p * (1 / 40.0f), 1031, 4));
            col = mix(art::kv1::blue * 0.3f, mix(art::kv1::red, art::kv1::orange, p.y / 120), cloud), a = 1;
        });
    } else {
        paint_space(c, 1032, 80);
    }
    shared::draw_title_halo(c, {80, 62}, 56, name);
    shared::draw_title(c, {80, 62}, 56, name);
    return c.to_opaque_image(black);
}

// A pilot standing at ease, seen from the waist up, helmet on: Adam in white and blue, Kim in red
// and gold. Nothing reaches x 215, where the selection boxes begin.
struct Livery {
    Colour suit, trim, helmet, visor;
    const char* name;
};
const Livery adam{rgb(200, 208, 220), art::kv2::adam_blue, rgb(222, 228, 238), rgb(250, 180, 60), "ADAM"};
const Livery kim{art::kv2::kim_red, art::kv2::kim_gold, rgb(176, 36, 52), rgb(120, 170, 255), "KIM"};

void pilot_figure(Canvas& c, const Livery& look, Vec2 at, float scale) {
    const auto p = [at, scale](float x, float y) { return at + Vec2{x, y} * scale; };
    const Paint suit = linear(p(-90, 80), p(90, 240), {{0, look.suit * 1.25f}, {1, look.suit * 0.45f}});
    // Arms hang beside the body, the far one in shade.
    for (float s : {-1.0f, 1.0f}) {
        const Shape arm = capsule(p(s * 84, 108), p(s * 96, 236), 34 * scale);
        c.fill(grown(arm, 2), rgb(6, 8, 16));
        c.fill(arm, metal(arm, suit, 8 * scale, 0.6f));
        const Shape glove = capsule(p(s * 96, 224), p(s * 97, 250), 30 * scale);
        c.fill(glove, metal(glove, solid(rgb(50, 54, 66)), 5 * scale, 0.7f));
    }
    const Shape body = polygon({p(-78, 250), p(-76, 110), p(-56, 84), p(-22, 76), p(22, 76), p(56, 84), p(76, 110), p(78, 250)});
    c.fill(grown(body, 2), rgb(6, 8, 16));
    c.fill(body, metal(body, suit, 8 * scale, 0.7f));
    for (float s : {-1.0f, 1.0f}) {
        const Shape pad = ellipse(p(s * 72, 100), 30 * scale, 18 * scale);
        c.fill(grown(pad, 1.5f), rgb(6, 8, 16));
        c.fill(pad, metal(pad, linear(p(40, 80), p(100, 120), {{0, look.trim * 1.3f}, {1, look.trim * 0.6f}}), 5 * scale, 0.8f));
        c.paint_over(capsule(p(s * 44, 96), p(-s * 26, 196), 9 * scale), solid(look.trim * 0.85f));
    }
    const Shape belt = rect(p(-78, 214), p(78, 228));
    c.paint_over(belt, solid(rgb(40, 42, 52)));
    const Shape buckle = rect(p(-11, 150), p(11, 168), 3 * scale);
    c.fill(buckle, metal(buckle, solid(rgb(200, 204, 212)), 2, 0.9f));
    // The name patch on the chest.
    const Shape patch = rect(p(18, 120), p(64, 136), 3 * scale);
    c.fill(patch, rgb(20, 24, 40));
    const Shape name = text_shape(Face::sans_bold, static_cast<int>(11 * scale), look.name, p(41, 128), 1);
    c.fill(name, rgb(230, 236, 246));
    const Shape collar = ellipse(p(0, 80), 40 * scale, 14 * scale);
    c.fill(collar, metal(collar, solid(rgb(120, 130, 150)), 4, 0.9f));
    const Shape helmet = ellipse(p(0, 20), 52 * scale, 58 * scale);
    c.fill(grown(helmet, 2), rgb(6, 8, 16));
    c.fill(helmet, sphere(p(-14, 0), 70 * scale, look.helmet, 0.5f));
    c.paint_over(capsule(p(0, -36), p(0, -6), 14 * scale), sphere(p(-14, 0), 70 * scale, look.trim, 0.4f));
    const Shape visor = ellipse(p(0, 32), 40 * scale, 30 * scale) & rect(p(-50, 8), p(50, 70));
    c.fill(grown(visor, 2), rgb(6, 8, 16));
    c.fill(visor, linear(p(0, 8), p(0, 62), {{0, look.visor * 0.3f}, {0.6f, look.visor}, {1, look.visor * 0.3f}}));
    c.fill((ellipse(p(-8, 28), 30 * scale, 20 * scale) - ellipse(p(-2, 34), 30 * scale, 20 * scale)) & visor, white, 0.5f);
    c.glow(circle(p(18, 22), 1.5f), white, 4, 1);
}

Image portrait(const Livery& look, int w, int h) {
    Canvas c(w, h);
    pilot_figure(c, look, {106, 124}, 0.92f);
    return c.to_image(rgb(6, 8, 16));
}

// The pilot's ship for the select box, drawn small enough that, enlarged three times about the
// picture's centre when its box is hovered, it stays inside the box's frame.
Image select_icon(int pilot) { return shrunk(pilot_ship(pilot), 0.78f); }

Image select_title() {
    Canvas c(580, 90);
    shared::draw_title(c, {290, 45}, 46, "SELECT YOUR PILOT");
    return c.to_image(rgb(4, 8, 26));
}

Image select_box() {
    Canvas c(174, 166);
    const Shape border = outline(rect({2, 2}, {172, 164}, 10), 5);
    c.fill(border, metal(border, linear({0, 0}, {174, 166}, {{0, rgb(170, 190, 220)}, {1, rgb(50, 62, 90)}}), 2.5f, 0.8f));
    return c.to_image(panel_edge);
}

Image select_box_fill() {
    Canvas c(174, 166);
    const Shape inside = rect({2, 2}, {172, 164}, 10);
    c.fill(inside, radial({87, 83}, 110, {{0, rgb(70, 150, 255)}, {0.6f, rgb(30, 70, 170)}, {1, rgb(12, 26, 80)}}));
    return c.to_image(panel_edge);
}

// The home planets seen from orbit at the end: Adam's a blue world, Kim's a warm one.
Image home_planet(Colour sea, Colour land, Colour air, uint32_t seed) {
    Canvas c(screen_w, screen_h);
    paint_space(c, seed, 500);
    const Vec2 centre{420, 560};
    const float r = 420;
    c.glow(outline(circle(centre, r), 8), air, 50, 0.9f);
    c.fill(circle(centre, r), [=](Vec2 p) {
        const float n = fractal_noise(p * (1 / 90.0f), seed + 1, 5);
        Colour ground = mix(sea, land, smoothstep(0.5f, 0.58f, n));
        ground = mix(ground, rgb(240, 244, 250), 0.7f * smoothstep(0.55f, 0.8f, fractal_noise({p.x / 120, p.y / 40}, seed + 2, 4)));
        const float day = clamp01(1.2f - length(p - Vec2{220, 200}) / 520);
        return ground * (0.1f + day) + air * (0.6f * (1 - smoothstep(0, 60, r - length(p - centre))));
    });
    return c.to_opaque_image(black);
}

// The two pilots side by side under their home sky.
Image heroes() {
    Canvas c(screen_w, screen_h);
    c.apply([](Vec2 p, Colour& col, float& a) {
        col = mix(rgb(255, 170, 90), rgb(40, 30, 90), p.y / 300) * (0.9f + 0.1f * fractal_noise(p * (1 / 80.0f), 1051, 3));
        if (p.y > 300) col = mix(rgb(40, 50, 60), rgb(14, 16, 24), (p.y - 300) / 180);
        a = 1;
    });
    c.glow(circle({320, 300}, 60), rgb(255, 220, 150), 80, 1);
    pilot_figure(c, adam, {220, 250}, 1.1f);
    pilot_figure(c, kim, {420, 262}, 1.0f);
    return c.to_opaque_image(black);
}

}  // namespace

std::vector<PictureFile> screen_pictures() {
    return {
        {"gfx/kv_main_menu/background.png", [] { return space_across(1001, 700); }},
        {"gfx/kv_main_menu/kv1.png", [] { return episode("KV1", true); }},
        {"gfx/kv_main_menu/kv2.png", [] { return episode("KV2", false); }},
        {"gfx/character_select/kv2_select_adam.gif", [] { return portrait(adam, 309, 383); }},
        {"gfx/character_select/kv2_select_adam_plane.gif", [] { return select_icon(0); }},
        {"gfx/character_select/kv2_select_stars.gif", [] { return space_across(1041, 600); }},
        {"gfx/character_select/select.gif", select_title},
        {"gfx/character_select/kv2_select_kim.gif", [] { return portrait(kim, 302, 388); }},
        {"gfx/character_select/kv2_select_kim_plane.gif", [] { return select_icon(1); }},
        {"gfx/character_select/kv2_select_box.gif", select_box},
        {"gfx/character_select/kv2_select_box_background.gif", select_box_fill},
        {"gfx/upgrade_store/background.png", store_backdrop},
        {"gfx/upgrade_store/left_side.png", [] { return panel(270, 300, rgb(40, 60, 110), 1011); }},
        {"gfx/upgrade_store/right_side.png", [] { return panel(145, 410, rgb(40, 60, 110), 1012); }},
        {"gfx/helpers/shield_frame.png", shared::shield_icon},
        {"gfx/options/option_back.png", options_backdrop},
        {"gfx/options/option_platform_back.png", [] { return panel(520, 400, rgb(30, 46, 90), 1021); }},
        {"gfx/options/option_platform_bars.png", [] { return panel_frame(520, 400); }},
        {"gfx/kv2_ending/planet_pic.png", [] { return home_planet(rgb(20, 60, 150), rgb(60, 120, 70), rgb(110, 180, 255), 1061); }},
        {"gfx/kv2_ending/planet_pic_kim.png", [] { return home_planet(rgb(120, 40, 40), rgb(220, 160, 90), rgb(255, 170, 120), 1062); }},
        {"gfx/kv2_ending/adam_kim.png", heroes},
    };
}

}  // namespace datagen::scenes
