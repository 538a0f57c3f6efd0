#pragma once
// Blends of a whole memory bitmap onto a bitmap of the same colour depth (15, 16 or 32 bits),
// clipped to the destination's full size. Other depths, or differing ones, draw nothing.
#include <allegro.h>

// Mixes each source pixel into the destination by fact (0 keeps the destination, 255 is the
// source alone); mask-coloured source pixels leave the destination as it was.
void trans_blit(BITMAP* source, BITMAP* dest, int x, int y, int fact);

// Copies the source mixed toward a solid colour (a pixel of the depth, from makecol): fact 0 is
// the colour alone, 255 the source alone. Mask-coloured pixels are mixed like any other.
void fade_blit(BITMAP* source, BITMAP* dest, int x, int y, int colour, int fact);

// From then on every masked_blit and draw_sprite between memory bitmaps of 15, 16 or 32 bits
// runs on the vectors below instead of Allegro's pixel-at-a-time loops, with the same result.
// Call once Allegro is installed.
void use_vector_masked_draws();

// Whether the blends use AVX2's wider vectors: set at start from the processor and the build;
// tests switch it off to cover the narrow path too.
extern bool blend_wide_vectors;
