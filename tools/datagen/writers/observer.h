#pragma once
// Internal to the writers: hands a stored picture to the observer, if one is set.
#include <string>

#include "writers.h"

namespace datagen {

void observe_picture(const std::string& label, const Image& picture);

}  // namespace datagen
