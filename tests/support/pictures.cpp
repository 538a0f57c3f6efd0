#include "support/pictures.h"

#include <cstdlib>

#include "support/test_support.h"

namespace testing_support {

std::string picture_path(const std::string& name) {
    const char* keep = std::getenv("VOIDMARCH_SHOTS");
    return (keep && *keep ? std::string(keep) : scratch_dir()) + "/" + name;
}

}  // namespace testing_support
