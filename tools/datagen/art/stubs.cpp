#include "art/catalogue.h"
namespace datagen::art {
std::vector<PictureFile> scenery_pictures() { return {}; }
std::vector<DatafileFile> scenery_datafiles() { return {}; }
}
