#include "sheet.h"

#include <allegro.h>
#include <loadpng.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/gif.h"
#include "engine/loaders.h"
#include "support/test_support.h"

namespace art_sheet {

using datagen::Image;
using namespace datagen::art;

const Image& drawn(const std::string& path) {
    static std::map<std::string, Image> cache;
    static const std::vector<PictureFile> files = [] {
        std::vector<PictureFile> all = boss_pictures();
        for (PictureFile& p : all_pictures()) all.push_back(std::move(p));
        return all;
    }();
    if (!cache.count(path))
        for (const auto& p : files)
            if (p.path == path) cache.emplace(path, p.draw());
    return cache.at(path);
}

std::vector<Item> items_of(const std::vector<PictureFile>& pictures, const std::vector<DatafileFile>& datafiles) {
    std::vector<Item> out;
    for (const auto& p : pictures) out.emplace_back(p.path, p.draw());
    for (const auto& d : datafiles)
        for (const auto& object : d.draw()) {
            if (object.children.empty()) out.emplace_back(d.path + " " + object.name, object.picture);
            for (const auto& child : object.children) out.emplace_back(d.path + " " + object.name + "/" + child.name, child.picture);
        }
    return out;
}

void save_sheet(const std::string& name, const std::vector<Item>& items, int zoom) {
    constexpr int sheet_w = 1800, gap = 12, label_h = 10;
    struct Placed { const Item* item; int x, y, w, h; };
    std::vector<Placed> placed;
    int x = gap, y = gap, row_h = 0;
    for (const Item& it : items) {
        const Image& img = it.second;
        // Small pictures enlarged; pictures wider than the sheet shown at half size.
        int w = img.width * zoom, h = img.height * zoom;
        if (w > sheet_w - 2 * gap) w = img.width, h = img.height;
        if (w > sheet_w - 2 * gap) w = img.width / 2, h = img.height / 2;
        const int box_w = std::max(w, static_cast<int>(it.first.size()) * 8);
        if (x + box_w > sheet_w - gap) {
            x = gap;
            y += row_h + gap;
            row_h = 0;
        }
        placed.push_back({&it, x, y, w, h});
        x += box_w + gap;
        row_h = std::max(row_h, h + label_h);
    }
    BITMAP* sheet = create_bitmap_ex(24, sheet_w, y + row_h + gap);
    clear_to_color(sheet, makecol24(10, 12, 28));
    for (const Placed& p : placed) {
        const Image& img = p.item->second;
        textout_ex(sheet, font, p.item->first.c_str(), p.x, p.y, makecol24(170, 170, 190), -1);
        rect(sheet, p.x - 1, p.y + label_h - 1, p.x + p.w, p.y + label_h + p.h, makecol24(40, 44, 70));
        for (int yy = 0; yy < p.h; ++yy)
            for (int xx = 0; xx < p.w; ++xx) {
                const auto c = img.at(xx * img.width / p.w, yy * img.height / p.h);
                if (c != datagen::mask_colour) putpixel(sheet, p.x + xx, p.y + label_h + yy, makecol24(c.r, c.g, c.b));
            }
    }
    const std::string path = std::string(ART_SHEET_DIR) + "/art_sheet_" + name + ".png";
    EXPECT_EQ(save_png(path.c_str(), sheet, nullptr), 0) << path;
    destroy_bitmap(sheet);
}

void put(Image& screen, const Image& strip, int x, int y, int w, int i) {
    if (w < 0) w = strip.width;
    for (int yy = 0; yy < strip.height; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            const auto c = strip.at(i * w + xx, yy);
            if (c != datagen::mask_colour && x + xx >= 0 && y + yy >= 0 && x + xx < screen.width && y + yy < screen.height)
                screen.at(x + xx, y + yy) = c;
        }
}

Tree::Tree() : top_(testing_support::data_dir()) { register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object); }

Tree::~Tree() {
    for (auto& [path, dat] : datafiles_) unload_datafile(dat);
}

BITMAP* Tree::operator[](const std::string& path) {
    Bitmap& b = pictures_[path];
    if (!b) {
        const std::filesystem::path full = top_ / path;
        b.reset(full.extension() == ".png" ? load_png(full.c_str(), nullptr) : load_gif(full.c_str(), nullptr));
    }
    EXPECT_TRUE(b) << path;
    return b.get();
}

DATAFILE* Tree::datafile(const std::string& path) {
    DATAFILE*& dat = datafiles_[path];
    if (!dat) dat = load_datafile((top_ / path).c_str());
    EXPECT_TRUE(dat) << path;
    return dat;
}

BITMAP* Tree::object(const std::string& path, int index) {
    const DATAFILE& o = datafile(path)[index];
    return datafile_bitmap(o.type == DAT_FILE ? static_cast<DATAFILE*>(o.dat)[0] : o);
}

std::vector<BITMAP*> Tree::pictures(const std::string& path) {
    std::vector<BITMAP*> all;
    for (int i = 0; datafile(path)[i].type != DAT_END; ++i) all.push_back(object(path, i));
    return all;
}

FONT* Tree::font(int index) { return static_cast<FONT*>(datafile("fonts/fonts.dat")[index].dat); }

Tree& tree() {
    static Tree t;
    return t;
}

}  // namespace art_sheet
