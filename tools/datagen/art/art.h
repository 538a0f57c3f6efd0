#pragma once
// Ships, bombs, helpers, enemies, scenery, stars, meteors and the pick-up: one job per file.
#include "art/catalogue.h"
#include "job.h"

namespace datagen {

JobList art_jobs();
// The ten bosses and their parts, the biggest pictures first.
JobList boss_jobs();

namespace art {
// The job that writes a picture as PNG or GIF, by its path's extension.
Job picture_job(PictureFile file);
}  // namespace art

}  // namespace datagen
