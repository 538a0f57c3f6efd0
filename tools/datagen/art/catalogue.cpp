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

// The bosses with the biggest strips first, so the generator starts its longest jobs early.
std::vector<PictureFile> boss_pictures() {
    std::vector<PictureFile> out = boss10_pictures();
    for (auto more : {boss1_pictures(), boss2_pictures(), boss3_pictures(), boss4_pictures(), boss5_pictures(), boss6_pictures(),
                      boss7_pictures(), boss8_pictures(), boss9_pictures()})
        append(out, std::move(more));
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
