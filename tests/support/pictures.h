#pragma once
// Pictures the tests draw, and where they are saved for looking at.
#include <allegro.h>

#include <memory>
#include <string>

namespace testing_support {

using Picture = std::unique_ptr<BITMAP, decltype(&destroy_bitmap)>;

// Where a test saves a picture it drew: $VOIDMARCH_SHOTS to keep it, else a scratch folder.
std::string picture_path(const std::string& name);

}  // namespace testing_support
