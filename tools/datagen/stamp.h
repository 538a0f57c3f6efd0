#pragma once
// Remembers what the last complete run wrote, so an unchanged generator over an intact tree
// skips the work.
#include <filesystem>
#include <string>

#include "job.h"

namespace datagen {

// A fingerprint of this generator program and of the size of every file the jobs name in top.
std::string tree_fingerprint(const JobList& jobs, const std::filesystem::path& top);

}  // namespace datagen
