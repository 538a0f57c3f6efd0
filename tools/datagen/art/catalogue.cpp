#include "art/catalogue.h"

namespace datagen::art {

DatafileContents pictures(const std::vector<std::pair<std::string, Image>>& objects) {
    DatafileContents out;
    for (const auto& [name, picture] : objects) out.push_back({name, picture, {}});
    return out;
}

DatafileContents enemy_file(Image strip_picture, Image bullet) {
    return pictures({{"STRIP", std::move(strip_picture)}, {"BULLET", std::move(bullet)}});
}

namespace {

template <typename T>
void append(std::vector<T>& to, std::vector<T> more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

}  // namespace

std::vector<PictureFile> all_pictures() {
    std::vector<PictureFile> out = ship_pictures();
    append(out, helper_pictures());
    append(out, bomb_pictures());
    append(out, enemy_pictures());
    append(out, train_pictures());
    append(out, tank_pictures());
    append(out, kv1_enemy_pictures());
    append(out, scenery_pictures());
    return out;
}

std::vector<PictureFile> boss_pictures() {
    std::vector<PictureFile> out = boss1_pictures();
    append(out, boss2_pictures());
    append(out, boss3_pictures());
    append(out, boss4_pictures());
    append(out, boss5_pictures());
    append(out, boss6_pictures());
    append(out, boss7_pictures());
    append(out, boss8_pictures());
    append(out, boss9_pictures());
    append(out, boss10_pictures());
    return out;
}

std::vector<DatafileFile> all_datafiles() {
    std::vector<DatafileFile> out = ship_datafiles();
    out.push_back(kv1_ship_datafile());
    append(out, enemy_datafiles());
    append(out, train_datafiles());
    append(out, scenery_datafiles());
    return out;
}

}  // namespace datagen::art
