#pragma once
// One file of the data tree: its path relative to the tree's top, and the code that writes it.
// Jobs are independent of each other, so the generator runs them on all cores.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace datagen {

struct Job {
    std::string path;                                          // e.g. "bgm/main_menu/tune.ogg"
    std::function<bool(const std::filesystem::path&)> write;   // writes the file at the given full path
};

using JobList = std::vector<Job>;

JobList audio_jobs();    // every tune and effect
JobList picture_jobs();  // every picture, datafile and font: the groups below
JobList shared_jobs();   // engine and shared pictures and datafiles
JobList font_jobs();     // fonts/fonts.dat
JobList art_jobs();      // ships, bombs, helpers, enemies, scenery, stars, meteors, pick-up
JobList boss_jobs();     // the bosses and their parts
JobList scene_jobs();    // stage backdrops and scenery, boss faces, screens and menus

}  // namespace datagen
