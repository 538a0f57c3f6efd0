#pragma once
// The generator's drawing library: shapes as distance fields, paints and shading lit from the top
// left, a float canvas with glow, deterministic noise, frame strips.
#include "draw/canvas.h"
#include "draw/colour.h"
#include "draw/frames.h"
#include "draw/geometry.h"
#include "draw/noise.h"
#include "draw/paint.h"
#include "draw/shape.h"
#include "draw/tiling.h"
