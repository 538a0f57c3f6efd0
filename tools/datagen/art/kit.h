#pragma once
// Building blocks shared by the art: the palettes of the two episodes, hull plating, canopies,
// engine flames, shots, and the bank transform of ships that roll.
#include <cstddef>  // image.h needs size_t
#include <cstdint>
#include <vector>

#include "draw/draw.h"
#include "image.h"

namespace datagen::art {

using draw::Canvas;
using draw::Colour;
using draw::Points;
using draw::Shape;
using draw::Vec2;
using draw::rgb;

namespace kv2 {
const Colour steel = rgb(128, 140, 158);
const Colour gunmetal = rgb(70, 76, 90);
const Colour adam_blue = rgb(46, 98, 190);
const Colour adam_trim = rgb(224, 232, 240);
const Colour kim_red = rgb(176, 36, 52);
const Colour kim_gold = rgb(226, 178, 70);
const Colour canopy_blue = rgb(60, 170, 230);
const Colour canopy_amber = rgb(240, 150, 50);
const Colour thrust_blue = rgb(90, 180, 255);
const Colour thrust_orange = rgb(255, 140, 40);
const Colour enemy_olive = rgb(92, 104, 72);
const Colour enemy_rust = rgb(132, 70, 48);
const Colour enemy_violet = rgb(92, 64, 120);
const Colour enemy_teal = rgb(46, 104, 110);
const Colour enemy_sand = rgb(150, 128, 84);
const Colour enemy_light = rgb(255, 60, 40);
const Colour shot_violet = rgb(200, 110, 255);
}  // namespace kv2

// What can hurt the ship, in both episodes: reds that no backdrop uses.
namespace hostile {
const Colour crimson = rgb(255, 36, 72);
const Colour scarlet = rgb(255, 88, 30);
}  // namespace hostile

namespace kv1 {
const Colour hull = rgb(220, 224, 230);
const Colour blue = rgb(40, 120, 255);
const Colour red = rgb(235, 50, 50);
const Colour yellow = rgb(255, 220, 40);
const Colour green = rgb(60, 200, 80);
const Colour orange = rgb(255, 140, 20);
}  // namespace kv1

// A roll about the ship's long axis seen from above. bank -1 is fully rolled into a left turn,
// +1 into a right turn: the wing on the turning side dips away and foreshortens, the raised wing
// catches the light, and what stands on the hull (canopy, fins) slides towards the turn.
struct Bank {
    float bank = 0;
    float axis_x = 32;

    Vec2 operator()(Vec2 p) const;
    Points operator()(const Points& pts) const;
    // Shift for details that stand above the hull.
    Vec2 raised(Vec2 p, float height = 1) const { return (*this)(p) + Vec2{bank * 2.5f * height, 0}; }
    // Brightness factor: the dipped side darker, the raised side lighter.
    draw::Paint shade(draw::Paint base) const;
    // The same light over everything drawn so far.
    void light(Canvas& c) const;
};

// The standard bank poses of an n-frame strip: frame 0 left, the last right, level in the middle.
float bank_of_frame(int frame, int frames);

// A strip of n frames drawn by frame(i).
template <typename Frame>
Image strip_of(int n, Frame frame) {
    std::vector<Image> frames;
    for (int i = 0; i < n; ++i) frames.push_back(frame(i));
    return draw::strip(frames);
}

// Plated metal hull: gradient from the light side, bevelled edges, a little grime.
draw::Paint plating(const Shape& s, Colour base, uint32_t seed, float bevel = 3.5f);
void hull(Canvas& c, const Shape& s, Colour base, uint32_t seed, float bevel = 3.5f);
// Dark seams scribed into what is already drawn.
void seam(Canvas& c, Vec2 a, Vec2 b, float opacity = 0.45f);
// A glass dome or canopy.
void canopy(Canvas& c, Vec2 centre, float rx, float ry, Colour glass);
// A flame from `at` going towards `dir` (unit), with a hot core and a glow.
void flame(Canvas& c, Vec2 at, Vec2 dir, float length, float width, Colour colour);
// A small coloured light with a halo.
void light(Canvas& c, Vec2 at, float radius, Colour colour);

// The glowing red eye every craft of the alien fleet carries.
void fleet_eye(Canvas& c, Vec2 at, float r, Colour colour = kv2::enemy_light);
// A gun barrel with a dark rim.
void gun_barrel(Canvas& c, Vec2 from, Vec2 to, float width);

// The simpler KV1 look: flat colour with a soft top-left gradient and a dark outline.
void kv1_hull(Canvas& c, const Shape& s, Colour base);

// Shots. Bolts point up (dir -1) or down (dir +1); the white-hot end leads.
Image bolt(int w, int h, Colour colour, int dir);
// A round glowing ball filling the picture.
Image orb(int w, int h, Colour colour);
// Shots that can hurt the ship: a white-hot core in a body of `colour` inside a dark rim, so they
// read over bright ground and dark space alike. Bolts as above; orbs fill their picture.
Image hostile_bolt(int w, int h, Colour colour, int dir);
Image hostile_orb(int w, int h, Colour colour);
// The rim of a hostile shot of that colour, for shots drawn their own way.
Colour hostile_rim(Colour colour);
// A star-shaped muzzle flash.
Image muzzle_flash(int w, int h, Colour colour);

}  // namespace datagen::art
