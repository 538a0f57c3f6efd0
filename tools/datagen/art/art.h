#pragma once
// Ships, bombs, helpers, enemies, scenery, stars, meteors and the pick-up: one job per file.
#include "job.h"

namespace datagen {

JobList art_jobs();
// The ten bosses and their parts, the biggest pictures first.
JobList boss_jobs();

}  // namespace datagen
