#pragma once
// Contact sheets: pictures laid out with their names, and frames composed the way the game draws
// them, saved as build/art_sheet_NAME.png to be looked at; and the generated tree as the game
// loads it, for the sheets and tests that look at the files themselves.
#include <allegro.h>

#include <cstddef>  // image.h needs size_t
#include <filesystem>
#include <map>
#include <memory>
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

struct BitmapDeleter {
    void operator()(BITMAP* b) const { destroy_bitmap(b); }
};
using Bitmap = std::unique_ptr<BITMAP, BitmapDeleter>;

// The generated tree, its pictures and datafiles loaded as the game loads them, each once.
class Tree {
public:
    Tree();
    ~Tree();

    BITMAP* operator[](const std::string& path);
    // Picture `index` of a datafile; in a nested datafile, picture 0 of object `index`.
    BITMAP* object(const std::string& path, int index);
    // Every picture of a datafile, in object order.
    std::vector<BITMAP*> pictures(const std::string& path);
    FONT* font(int index);

private:
    DATAFILE* datafile(const std::string& path);

    std::filesystem::path top_;
    std::map<std::string, Bitmap> pictures_;
    std::map<std::string, DATAFILE*> datafiles_;
};

Tree& tree();

}  // namespace art_sheet
