#pragma once
// Pieces the ten bosses share: each boss is one big machine in its own colours, its parts sit on
// drawn mounts, barrels end where the code launches shots, shields, charges and beams animate the
// same way for every boss that carries them.
#include <cstdint>
#include <vector>

#include "art/kit.h"

namespace datagen::art::boss {

// A boss's colours: armour, the darker frame parts sit in, and the energy it fires.
struct Palette {
    Colour armour;
    Colour frame;
    Colour energy;
};

// Unit direction of an angle in 256ths of a turn: 0 right, 64 straight down.
Vec2 heading(float angle);

// Where a shot leaves a picture: the muzzle point and the direction it flies.
struct Mouth {
    Vec2 at;
    float angle = 64;
};
// The muzzle of a shot `shot_w` wide whose top-left corner launches from (x, y).
Mouth mouth_of(float x, float y, float shot_w, float angle = 64);

// A barrel ending exactly at the mouth, `length` long along its heading.
void barrel(Canvas& c, const Mouth& m, float length, float width);
// A gun head: a ring mount with a dome, its barrels reaching the mouths.
void gun_head(Canvas& c, Vec2 centre, float radius, const std::vector<Mouth>& mouths, const Palette& p,
              float barrel_width = 5);

// A gun hanging from the body: a pylon from the top edge, a housing, barrels down to the mouths.
// Coils along the barrels light in turn, one step a frame.
Image hanging_gun(int w, int h, const std::vector<Mouth>& mouths, float barrel_width, const Palette& p, int frame, uint32_t seed);
// The small twin-barrelled turret of Boss7 and Boss10, 27 x 39: its two shots (8 px wide) leave
// (3, 39) at angle 72 and (10, 39) at angle 56.
Image side_turret(const Palette& p, uint32_t seed);
// A bottom-edge emitter the body's fans leave from: a nozzle ending at `mouth`.
void fan_nozzle(Canvas& c, Vec2 mouth, const Palette& p, uint32_t seed);

// The body's socket for a part: a dark recessed plate with a lit rim.
void mount(Canvas& c, const Shape& socket, const Palette& p, uint32_t seed);
// Wipes the canvas in the columns x0..x1 from row `from` down, so shots rising from below reach
// the part above (the body is tested for hits before or after its parts).
void open_channel(Canvas& c, float x0, float x1, float from);

// Shield strip: two armoured doors meeting over an energy seam. Frames before `first_opening`
// are closed (a chaser light runs along the doors); from there the doors slide apart and are
// fully back at `open`, the last frame.
Image shield(int w, int h, int frames, int first_opening, const Palette& p, uint32_t seed);
// Charge strip: energy gathering about the frame's centre, growing frame by frame.
Image charge(int size, int frames, Colour energy, uint32_t seed);
// Beam strip: the firing frames (0..firing-1) pulse full height and are solid down the middle;
// every later frame is a step of the beam thinning away.
Image beam(int w, int h, int frames, int firing, Colour energy, float core_width);
// The vulnerable core: a glowing lens in armour, with the emitter its volleys leave from.
Image core(int w, int h, Vec2 emitter, const Palette& p, uint32_t seed);
// The same core burnt out.
Image broken_core(int w, int h, const Palette& p, uint32_t seed);
// A round shot that pulses through its frames.
Image pulsing_orb(int size, int frames, Colour colour);
// A destroyed part: torn plating with flickering fire, one frame per flicker.
Image wreck(int w, int h, int frames, const Palette& p, uint32_t seed);

}  // namespace datagen::art::boss
