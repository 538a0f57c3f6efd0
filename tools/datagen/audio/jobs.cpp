// The audio part of the data tree: every tune and effect, synthesized and encoded.
#include "catalog.h"
#include "encoders.h"
#include "job.h"

#include <string>

namespace datagen {
namespace {

bool write_audio(const std::filesystem::path& path, const std::vector<int16_t>& pcm) {
    return path.extension() == ".mp3" ? encoders::write_mp3(path.string(), pcm)
                                      : encoders::write_ogg(path.string(), pcm);
}

}  // namespace

JobList audio_jobs() {
    JobList jobs;
    for (const audio::TuneEntry& t : audio::tunes())
        jobs.push_back({t.path, [score = t.score](const std::filesystem::path& p) {
                            return write_audio(p, audio::render(score()));
                        }});
    for (const audio::EffectEntry& e : audio::effects())
        jobs.push_back({e.path, [render = e.render](const std::filesystem::path& p) {
                            return write_audio(p, render());
                        }});
    return jobs;
}

}  // namespace datagen
