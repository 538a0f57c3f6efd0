#pragma once
// The game's title lettering, shared by the splash logo and the loading screen.
#include "draw/draw.h"

namespace datagen::shared {

// Title lettering in bevelled chrome with a dark outline and its depth towards the lower right,
// centred on `centre`.
void draw_title(draw::Canvas& canvas, draw::Vec2 centre, int pixel_size, const char* text = "VOIDMARCH");
// The blue glow about the same lettering, drawn first. Only for opaque pictures: in a masked one
// the glow's hard-cut edge shows as a shape of its own behind the letters.
void draw_title_halo(draw::Canvas& canvas, draw::Vec2 centre, int pixel_size, const char* text = "VOIDMARCH");

// Deep space: a dark blue gradient, nebula clouds and stars (some with glows).
void draw_space(draw::Canvas& canvas, unsigned seed, int star_count);

}  // namespace datagen::shared
