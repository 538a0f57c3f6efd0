#pragma once
// What fills a shape: a colour per point. Gradients, noise texture and the shading helpers that
// light hulls from the top left.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "draw/colour.h"
#include "draw/geometry.h"
#include "draw/shape.h"

namespace datagen::draw {

using Paint = std::function<Colour(Vec2)>;
using Stops = std::vector<std::pair<float, Colour>>;  // positions 0..1, ascending

// The direction light comes from: the top left, a little more from above.
const Vec2 light_direction = normalised({-0.6f, -0.8f});

Paint solid(Colour c);
Colour at_stop(const Stops& stops, float t);
// Colour runs along a -> b.
Paint linear(Vec2 a, Vec2 b, Stops stops);
Paint radial(Vec2 centre, float radius, Stops stops);

// Bevelled metal: the band within `bevel` px of the edge is lit where its edge faces the light
// and shadowed where it faces away, with a hot rim on the lit side.
Paint metal(const Shape& shape, Paint base, float bevel = 4, float strength = 0.7f);
// A lit ball (domes, canopies, planets, round shots): diffuse light from the top left plus a
// specular spot.
Paint sphere(Vec2 centre, float radius, Colour base, float shine = 0.6f);
// Multiplies the base by 1 ± amount of fractal noise: grime, rock, cloud texture.
Paint textured(Paint base, float scale, float amount, uint32_t seed);

}  // namespace datagen::draw
