#include <string>

#include "art/art.h"
#include "art/catalogue.h"
#include "writers/writers.h"

namespace datagen {

namespace {

bool ends_with(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Every picture inside a datafile is a 'GIF ' object; objects with children are nested datafiles.
Datafile to_datafile(const art::DatafileContents& contents) {
    Datafile out;
    for (const auto& object : contents) {
        if (object.children.empty())
            out.add_gif(object.name, object.picture);
        else
            out.add_datafile(object.name, to_datafile(object.children));
    }
    return out;
}

}  // namespace

Job art::picture_job(PictureFile file) {
    const bool gif = ends_with(file.path, ".gif");
    return {file.path, [draw = std::move(file.draw), gif](const std::filesystem::path& to) {
                return gif ? write_gif(to, draw()) : write_png(to, draw());
            }};
}

JobList art_jobs() {
    JobList jobs;
    for (art::PictureFile& file : art::all_pictures()) jobs.push_back(art::picture_job(std::move(file)));
    for (art::DatafileFile& file : art::all_datafiles())
        jobs.push_back({file.path, [draw = std::move(file.draw)](const std::filesystem::path& to) {
                            return to_datafile(draw()).write(to);
                        }});
    return jobs;
}

JobList boss_jobs() {
    JobList jobs;
    for (art::PictureFile& file : art::boss_pictures()) jobs.push_back(art::picture_job(std::move(file)));
    return jobs;
}

}  // namespace datagen
