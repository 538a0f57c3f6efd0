#include "scenes/scenes.h"

#include "art/art.h"
#include "draw/frames.h"

namespace datagen {

namespace scenes {

namespace {

template <typename T>
void append(std::vector<T>& to, std::vector<T> more) {
    for (T& t : more) to.push_back(std::move(t));
}

}  // namespace

Image pilot_ship(int pilot) {
    const art::DatafileFile file = art::ship_datafiles().at(pilot);
    const Image strip = file.draw().at(12).picture;
    return draw::frame_of(strip, 64, 2);
}

std::vector<PictureFile> all_pictures() {
    std::vector<PictureFile> out = star_backdrops();
    for (auto more : {planet_pictures(), ground_pictures(), stage_scenery(), boss_face_pictures(), title_pictures(),
                      main_menu_pictures(), screen_pictures()}) append(out, std::move(more));
    return out;
}

}  // namespace scenes

JobList scene_jobs() {
    JobList jobs;
    for (art::PictureFile& file : scenes::all_pictures()) jobs.push_back(art::picture_job(std::move(file)));
    return jobs;
}

}  // namespace datagen
