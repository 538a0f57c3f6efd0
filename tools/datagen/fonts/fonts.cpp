// fonts/fonts.dat: the game's colour fonts.
#include "job.h"

namespace datagen {

JobList font_jobs() { return {}; }

}  // namespace datagen
