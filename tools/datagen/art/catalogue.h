#pragma once
// Everything the art draws, file by file, before any file format is involved: plain pictures and
// the contents of datafiles, each drawn on demand.
#include <cstddef>  // image.h needs size_t
#include <functional>
#include <string>
#include <vector>

#include "image.h"

namespace datagen::art {

// One object of a datafile: a picture, or a nested datafile when it has children.
struct DatafileObject {
    std::string name;  // the writer prefixes the object's index
    Image picture;
    std::vector<DatafileObject> children;
};
using DatafileContents = std::vector<DatafileObject>;

struct PictureFile {
    std::string path;  // relative to the data tree; .png or .gif
    std::function<Image()> draw;
};

struct DatafileFile {
    std::string path;
    std::function<DatafileContents()> draw;
};

// Picture objects in the order given.
DatafileContents pictures(const std::vector<std::pair<std::string, Image>>& objects);

std::vector<PictureFile> ship_pictures();
std::vector<PictureFile> helper_pictures();
std::vector<PictureFile> bomb_pictures();
DatafileFile kv1_ship_datafile();
std::vector<DatafileFile> ship_datafiles();
// An enemy datafile: the kind's frame strip, then its bullet.
DatafileContents enemy_file(Image strip_picture, Image bullet);

std::vector<PictureFile> enemy_pictures();
std::vector<PictureFile> train_pictures();
std::vector<DatafileFile> train_datafiles();
std::vector<PictureFile> tank_pictures();
std::vector<DatafileFile> enemy_datafiles();
std::vector<PictureFile> kv1_enemy_pictures();
std::vector<PictureFile> scenery_pictures();
std::vector<DatafileFile> scenery_datafiles();

// The bosses, one list each, and all ten in one.
std::vector<PictureFile> boss1_pictures();
std::vector<PictureFile> boss2_pictures();
std::vector<PictureFile> boss3_pictures();
std::vector<PictureFile> boss4_pictures();
std::vector<PictureFile> boss5_pictures();
std::vector<PictureFile> boss6_pictures();
std::vector<PictureFile> boss7_pictures();
std::vector<PictureFile> boss8_pictures();
std::vector<PictureFile> boss9_pictures();
std::vector<PictureFile> boss10_pictures();
std::vector<PictureFile> boss_pictures();

// All of the above but the bosses.
std::vector<PictureFile> all_pictures();
std::vector<DatafileFile> all_datafiles();

}  // namespace datagen::art
