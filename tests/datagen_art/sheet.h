#pragma once
// Contact sheets: pictures laid out with their names, and frames composed the way the game draws
// them, saved as build/art_sheet_NAME.png to be looked at.
#include <cstddef>  // image.h needs size_t
#include <string>
#include <utility>
#include <vector>

#include "art/catalogue.h"
#include "image.h"

namespace art_sheet {

using Item = std::pair<std::string, datagen::Image>;

// A boss picture, or another picture of the art, drawn the first time it is asked for.
const datagen::Image& drawn(const std::string& path);

std::vector<Item> items_of(const std::vector<datagen::art::PictureFile>& pictures,
                           const std::vector<datagen::art::DatafileFile>& datafiles);
void save_sheet(const std::string& name, const std::vector<Item>& items, int zoom);
// Frame i of a strip of frames w wide (the whole picture when w < 0), masked at (x, y).
void put(datagen::Image& screen, const datagen::Image& strip, int x, int y, int w = -1, int i = 0);

}  // namespace art_sheet
