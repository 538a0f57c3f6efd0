#pragma once
// Pictures the game draws edge to edge: made to repeat, to join a shared tile, or to mirror.
#include <cstddef>  // image.h needs size_t

#include "image.h"

namespace datagen::draw {

// A picture drawn `band` rows taller than it should be, folded so that its last row runs on into
// its first: the first `band` rows cross-fade from the overhang into the picture.
Image fold_rows(const Image& taller, int band);
// The same across columns, for a picture drawn `band` columns wider.
Image fold_columns(const Image& wider, int band);

// `own` whose first and last rows are those of `tile` repeated downwards from the top, blending
// into `own` over `band` rows at both ends: a picture that joins the tile, and every other
// picture framed by the same tile, at either edge.
Image framed_by(const Image& tile, const Image& own, int band);

// The left half mirrored onto the right (an odd middle column stays as drawn).
Image mirrored_left(const Image& picture);

// Masked copy of `src` onto `dst` with its top left at (x, y), clipped.
void overlay(Image& dst, const Image& src, int x, int y);

}  // namespace datagen::draw
