// The ten bosses as they appear in the dialogue pane: head and shoulders in their machine's
// cabin, framed and lit like the pilots' faces, each a character of their own.
#include <cmath>

#include "art/kit.h"
#include "scenes/scenes.h"

namespace datagen::scenes {

using namespace draw;

namespace {

constexpr float size = 238, mid = 119;

enum class Hair { bald, cropped, long_hair, spiky, slicked, grey };
enum class Hat { none, horned_helm, goggles, tiara, bandana, visor_helm, hood, officer_cap, shades, crown };
enum class Mouth { grin, sneer, smile, smirk, stern, snarl };

struct Character {
    Colour machine;   // the boss machine's livery: cabin light and shoulder armour
    Colour skin, hair_colour;
    Hair hair;
    Hat hat;
    Mouth mouth;
    float brow;       // slant of the brows: positive frowns, negative raises
    bool beard, scar, eyepatch;
    Colour eyes;
    bool fine = false;  // a narrower face, lashes and painted lips
};

const Character characters[10] = {
    // The brute of stage 1, laughing at the intruder.
    {rgb(200, 70, 40), rgb(196, 140, 110), rgb(40, 30, 24), Hair::bald, Hat::horned_helm, Mouth::grin, 0.35f, true, true, false, rgb(255, 90, 40)},
    // The self-made doctor: goggles up, a thin sneer.
    {rgb(80, 200, 120), rgb(226, 200, 180), rgb(230, 230, 230), Hair::grey, Hat::goggles, Mouth::sneer, 0.15f, false, false, false, rgb(120, 255, 160)},
    // The banished lady who offers a drink.
    {rgb(170, 90, 200), rgb(236, 196, 170), rgb(120, 40, 90), Hair::long_hair, Hat::tiara, Mouth::smile, -0.2f, false, false, false, rgb(200, 120, 255), true},
    // The smuggler who calls everyone "mate".
    {rgb(200, 160, 60), rgb(180, 128, 92), rgb(60, 40, 26), Hair::cropped, Hat::bandana, Mouth::smirk, 0.05f, true, false, true, rgb(255, 210, 90)},
    // The sentry with his orders.
    {rgb(90, 130, 70), rgb(200, 156, 120), rgb(30, 30, 30), Hair::cropped, Hat::visor_helm, Mouth::stern, 0.3f, false, false, false, rgb(120, 255, 120)},
    // The duellist who keeps his word.
    {rgb(60, 120, 200), rgb(210, 170, 130), rgb(20, 24, 40), Hair::long_hair, Hat::hood, Mouth::stern, 0.1f, false, true, false, rgb(120, 200, 255)},
    // Adam's old commander.
    {rgb(150, 150, 170), rgb(206, 160, 130), rgb(190, 190, 196), Hair::grey, Hat::officer_cap, Mouth::sneer, 0.25f, true, false, false, rgb(180, 210, 255)},
    // The cocky hired gun.
    {rgb(230, 110, 30), rgb(150, 100, 72), rgb(250, 200, 60), Hair::spiky, Hat::shades, Mouth::smirk, -0.1f, false, false, false, rgb(255, 140, 40)},
    // Vance, the comrade who turned.
    {rgb(40, 170, 170), rgb(222, 182, 150), rgb(24, 20, 18), Hair::slicked, Hat::none, Mouth::smirk, 0.2f, false, true, false, rgb(90, 230, 220)},
    // The lord behind it all.
    {rgb(170, 30, 60), rgb(200, 190, 200), rgb(14, 10, 20), Hair::long_hair, Hat::crown, Mouth::snarl, 0.45f, false, false, false, rgb(255, 40, 60)},
};

void cabin(Canvas& c, const Character& who, uint32_t seed) {
    c.apply([&who, seed](Vec2 p, Colour& col, float& a) {
        const float n = fractal_noise(p * (1 / 25.0f), seed, 3);
        col = mix(who.machine * 0.28f, rgb(6, 6, 12), p.y / size) * (0.85f + 0.3f * n);
        a = 1;
    });
    // Struts in the top corners and warning lights in the machine's colour.
    for (float side : {0.0f, size}) {
        const float in = side == 0 ? 1.0f : -1.0f;
        const Shape strut = capsule({side, 70}, {side + in * 60, 0}, 14);
        c.fill(strut, metal(strut, linear({0, 0}, {size, size}, {{0, rgb(110, 104, 100)}, {1, rgb(34, 30, 34)}}), 4, 0.8f));
    }
    Random r(seed);
    for (int i = 0; i < 8; ++i) {
        const Vec2 at{i < 4 ? r.range(6, 36) : r.range(200, 230), r.range(130, 220)};
        c.glow(rect(at, at + Vec2{5, 3}), who.machine, 5, 0.9f);
        c.fill(rect(at, at + Vec2{5, 3}), mix(who.machine, white, 0.4f));
    }
}

void shoulders(Canvas& c, const Character& who) {
    const Shape neck = rect({mid - 22, 150}, {mid + 22, 186}, 8);
    c.fill(neck, linear({mid - 22, 0}, {mid + 22, 0}, {{0, who.skin * 0.85f}, {1, who.skin * 0.5f}}));
    // Plated armour: a breastplate between two pauldrons, seams and rivets, lit from the top left.
    const Shape chest = polygon({{40, size}, {58, 188}, {90, 178}, {148, 178}, {180, 188}, {198, size}});
    art::hull(c, chest, who.machine * 0.8f, 31);
    for (float s : {-1.0f, 1.0f}) {
        const Shape pauldron = polygon({{mid + s * 44, 184}, {mid + s * 100, 188}, {mid + s * 119, 206}, {mid + s * 119, size}, {mid + s * 60, size}});
        c.fill(grown(pauldron, 1.5f), rgb(6, 6, 10));
        art::hull(c, pauldron, who.machine, 32);
        art::seam(c, {mid + s * 58, 204}, {mid + s * 116, 212}, 0.5f);
        c.paint_over(polygon({{mid + s * 60, 222}, {mid + s * 118, 226}, {mid + s * 118, 232}, {mid + s * 62, 229}}), solid(who.machine * 0.45f));
    }
    art::seam(c, {mid, 190}, {mid, size}, 0.5f);
    const Shape collar = ellipse({mid, 184}, 50, 12) - ellipse({mid, 178}, 30, 8);
    c.fill(collar, metal(collar, solid(who.machine * 0.6f), 3, 0.9f));
    art::light(c, {mid, 214}, 4, who.eyes);
}

void hair_behind(Canvas& c, const Character& who) {
    const Paint tone = textured(sphere({mid - 20, 70}, 90, who.hair_colour, 0.25f), 3, 0.35f, 7);
    if (who.hair == Hair::long_hair) c.fill(rect({mid - 66, 70}, {mid + 66, 190}, 30), tone);
}

void head(Canvas& c, const Character& who) {
    const float half_w = who.fine ? 46.0f : 52.0f;
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 ear{mid + s * half_w, 112};
        c.fill(grown(ellipse(ear, 8, 13), 1.5f), rgb(10, 8, 10));
        c.fill(ellipse(ear, 8, 13), who.skin * (s < 0 ? 0.9f : 0.65f));
    }
    const Shape face = ellipse({mid, 108}, half_w, 64) & ellipse({mid, 96}, half_w + 10, who.fine ? 72.0f : 80.0f);
    c.fill(grown(face, 1.5f), rgb(10, 8, 10));
    // Skin lit from the top left: a broad soft fall-off, warm cheeks, shade on the far side.
    c.fill(face, [&who, half_w](Vec2 p) {
        const float lit = clamp01(0.95f - 0.45f * (p.x - mid + 20) / half_w - 0.25f * (p.y - 80) / 64);
        Colour col = who.skin * (0.45f + 0.6f * lit);
        for (float s : {-1.0f, 1.0f}) col = mix(col, rgb(220, 110, 100) * (0.45f + 0.6f * lit), 0.18f * (1 - smoothstep(0, 16, length(p - Vec2{mid + s * 28, 128}))));
        return col;
    });
    // The nose: a lit ridge, a shadow on its far side, nostrils.
    c.fill(capsule({mid + 2, 108}, {mid + 5, 130}, 4), who.skin * 0.6f, 0.5f);
    c.fill(capsule({mid - 2, 108}, {mid - 1, 128}, 2.5f), who.skin * 1.15f, 0.6f);
    for (float s : {-1.0f, 1.0f}) c.fill(ellipse({mid + s * 5, 133}, 2.5f, 1.5f), who.skin * 0.35f);
}

void eyes(Canvas& c, const Character& who) {
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 at{mid + s * 21, 104};
        if (who.eyepatch && s > 0) {
            c.fill(ellipse(at, 14, 11), rgb(16, 14, 14));
            c.fill(capsule({mid - 50, 78}, {mid + 52, 100}, 3), rgb(16, 14, 14));
            continue;
        }
        c.fill(ellipse(at, 11, 6), rgb(236, 232, 226));
        c.glow(circle(at, 3), who.eyes, 5, 0.7f);
        c.fill(circle(at + Vec2{s, 0}, 4.5f), who.eyes * 0.8f);
        c.fill(circle(at + Vec2{s, 0}, 2), rgb(6, 6, 8));
        c.fill(circle(at + Vec2{s - 1.5f, -1.5f}, 1.1f), white);
        c.fill(ring(at + Vec2{0, 4}, 11, 1.6f) & rect(at - Vec2{14, 14}, at + Vec2{14, -1}), rgb(20, 12, 12), who.fine ? 1.0f : 0.6f);
        // Brows slant down towards the nose when the character frowns.
        const Vec2 inner{mid + s * 8, 92 + who.brow * 10}, outer{mid + s * 34, 90 - who.brow * 8};
        c.fill(capsule(inner, outer, 5), who.hair_colour * 0.8f);
    }
}

void mouth(Canvas& c, const Character& who) {
    const Colour lip = who.fine ? rgb(190, 40, 80) : who.skin * 0.55f;
    const Vec2 m{mid, 146};
    switch (who.mouth) {
        case Mouth::grin: {
            const Shape open = ellipse(m, 20, 10) & rect({mid - 22, 146}, {mid + 22, 160});
            c.fill(open, rgb(40, 10, 12));
            c.fill(rect({mid - 16, 146}, {mid + 16, 150}), rgb(240, 236, 220));
            break;
        }
        case Mouth::snarl:
            c.fill(ellipse(m, 16, 5), rgb(40, 10, 12));
            for (float s : {-1.0f, 1.0f}) c.fill(polygon({{mid + s * 10, 142}, {mid + s * 7, 150}, {mid + s * 4, 142}}), white);
            break;
        case Mouth::smile: c.fill(ring({mid, 132}, 16, 3) & rect({mid - 20, 140}, {mid + 20, 152}), lip); break;
        case Mouth::smirk: c.fill(capsule({mid - 14, 148}, {mid + 14, 143}, 3), lip); break;
        case Mouth::sneer: c.fill(capsule({mid - 14, 144}, {mid + 14, 148}, 3), lip); break;
        case Mouth::stern: c.fill(capsule({mid - 14, 147}, {mid + 14, 147}, 3), lip); break;
    }
}

void beard_and_scar(Canvas& c, const Character& who) {
    if (who.beard) {
        const Shape beard = (ellipse({mid, 140}, 50, 36) - ellipse({mid, 140}, 20, 9)) & rect({mid - 60, 128}, {mid + 60, 190});
        c.fill(beard, textured(sphere({mid - 14, 130}, 60, who.hair_colour, 0.1f), 2.5f, 0.4f, 11));
    }
    if (who.scar) {
        c.fill(capsule({mid - 38, 86}, {mid - 14, 130}, 3), who.skin * 0.6f);
        for (int i = 0; i < 3; ++i) c.fill(capsule({mid - 34 + i * 8.0f, 96 + i * 12.0f}, {mid - 26 + i * 8.0f, 94 + i * 12.0f}, 2), who.skin * 0.6f);
    }
}

void hair_on_top(Canvas& c, const Character& who) {
    const Paint tone = textured(sphere({mid - 20, 50}, 80, who.hair_colour, 0.3f), 3, 0.3f, 5);
    switch (who.hair) {
        case Hair::bald: break;
        case Hair::cropped: c.fill(ellipse({mid, 66}, 52, 26) - ellipse({mid, 92}, 50, 22), tone); break;
        case Hair::grey:
            for (float s : {-1.0f, 1.0f}) c.fill(ellipse({mid + s * 46, 88}, 12, 24), tone);
            break;
        case Hair::long_hair: c.fill(ellipse({mid, 62}, 56, 30) - ellipse({mid + 6, 90}, 44, 20), tone); break;
        case Hair::spiky:
            for (int i = 0; i < 7; ++i) {
                const float x = mid - 48 + i * 16;
                c.fill(polygon({{x - 12, 76}, {x + 2 - (i - 3) * 3.0f, 22 + std::abs(i - 3) * 6.0f}, {x + 12, 76}}), tone);
            }
            c.fill(ellipse({mid, 66}, 50, 20), tone);
            break;
        case Hair::slicked:
            c.fill(ellipse({mid - 4, 62}, 54, 24) - ellipse({mid + 10, 84}, 50, 16), tone);
            c.fill(capsule({mid - 40, 56}, {mid + 30, 48}, 2), who.hair_colour * 2.2f, 0.5f);
            break;
    }
}

void headgear(Canvas& c, const Character& who) {
    const auto armour = [&](const Shape& s, Colour base) { c.fill(grown(s, 1.5f), rgb(8, 8, 10)), c.fill(s, metal(s, linear({mid - 60, 20}, {mid + 60, 90}, {{0, base * 1.4f}, {1, base * 0.5f}}), 5, 0.9f)); };
    switch (who.hat) {
        case Hat::none: break;
        case Hat::horned_helm:
            for (float s : {-1.0f, 1.0f})
                armour(polygon({{mid + s * 40, 62}, {mid + s * 86, 8}, {mid + s * 72, 54}, {mid + s * 52, 78}}), rgb(220, 210, 180));
            armour(ellipse({mid, 62}, 56, 30) - rect({mid - 70, 70}, {mid + 70, 100}), who.machine);
            break;
        case Hat::goggles:
            c.fill(capsule({mid - 54, 66}, {mid + 54, 66}, 8), rgb(50, 40, 30));
            for (float s : {-1.0f, 1.0f}) {
                armour(circle({mid + s * 22, 64}, 14), rgb(170, 150, 90));
                c.fill(circle({mid + s * 22, 64}, 9), linear({0, 56}, {0, 72}, {{0, mix(who.eyes, white, 0.5f)}, {1, who.eyes * 0.4f}}));
            }
            break;
        case Hat::tiara:
            armour(polygon({{mid - 40, 62}, {mid - 20, 54}, {mid, 34}, {mid + 20, 54}, {mid + 40, 62}, {mid, 58}}), rgb(230, 190, 90));
            c.glow(circle({mid, 50}, 4), who.eyes, 8, 1);
            c.fill(circle({mid, 50}, 4), mix(who.eyes, white, 0.4f));
            break;
        case Hat::bandana:
            armour(ellipse({mid, 66}, 56, 28) - rect({mid - 70, 74}, {mid + 70, 100}), rgb(160, 30, 30));
            c.fill(polygon({{mid + 50, 66}, {mid + 80, 92}, {mid + 66, 100}}), rgb(130, 24, 24));
            break;
        case Hat::visor_helm:
            armour(ellipse({mid, 76}, 60, 48) - rect({mid - 70, 88}, {mid + 70, 140}), who.machine);
            c.fill(rect({mid - 50, 84}, {mid + 50, 96}, 4), linear({0, 84}, {0, 96}, {{0, who.eyes}, {1, who.eyes * 0.3f}}), 0.85f);
            break;
        case Hat::hood: {
            const Shape hood = ellipse({mid, 100}, 74, 90) - ellipse({mid, 116}, 54, 70);
            c.fill(hood & rect({0, 0}, {size, 190}), textured(sphere({mid - 30, 60}, 110, who.machine * 0.6f, 0.05f), 8, 0.3f, 3));
            break;
        }
        case Hat::officer_cap:
            armour(ellipse({mid, 52}, 60, 22), who.machine * 0.7f);
            c.fill(ellipse({mid + 6, 70}, 56, 8), rgb(20, 20, 26));
            c.fill(circle({mid, 50}, 7), rgb(230, 190, 80));
            break;
        case Hat::shades:
            for (float s : {-1.0f, 1.0f}) c.fill(rect({mid + s * 21 - 17, 96}, {mid + s * 21 + 17, 112}, 5), linear({0, 96}, {0, 112}, {{0, rgb(60, 40, 20)}, {1, rgb(10, 8, 6)}}));
            c.fill(capsule({mid - 6, 100}, {mid + 6, 100}, 3), rgb(30, 30, 30));
            c.fill(capsule({mid - 30, 99}, {mid - 18, 99}, 2), white, 0.5f);
            break;
        case Hat::crown:
            armour(polygon({{mid - 50, 66}, {mid - 54, 22}, {mid - 30, 44}, {mid - 10, 10}, {mid + 10, 10}, {mid + 30, 44}, {mid + 54, 22}, {mid + 50, 66}}),
                   rgb(90, 80, 100));
            c.glow(circle({mid, 40}, 6), who.eyes, 10, 1);
            c.fill(circle({mid, 40}, 5), mix(who.eyes, white, 0.3f));
            break;
    }
}

Image boss_face(int index) {
    const Character& who = characters[index];
    Canvas c(static_cast<int>(size), static_cast<int>(size));
    cabin(c, who, 900 + static_cast<uint32_t>(index));
    hair_behind(c, who);
    shoulders(c, who);
    head(c, who);
    eyes(c, who);
    beard_and_scar(c, who);
    mouth(c, who);
    hair_on_top(c, who);
    headgear(c, who);
    return c.to_opaque_image(black);
}

}  // namespace

std::vector<PictureFile> boss_face_pictures() {
    std::vector<PictureFile> out;
    for (int i = 0; i < 10; ++i) {
        const bool gif = i == 0 || i == 4;
        out.push_back({"gfx/faces/boss_" + std::to_string(i + 1) + "_face." + (gif ? "gif" : "png"), [i] { return boss_face(i); }});
    }
    return out;
}

}  // namespace datagen::scenes
