#pragma once
// Internal to the writers: a GIF file from an already quantised picture, and that picture as
// the game decodes it.
#include "bytes.h"
#include "quantise.h"

namespace datagen {

Bytes encode_gif(const IndexedImage& indexed);
Image decoded(const IndexedImage& indexed);

}  // namespace datagen
