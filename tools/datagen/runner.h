#pragma once
// Runs jobs on every core and writes the files into a tree.
#include <filesystem>

#include "job.h"

namespace datagen {

// Jobs write beside their target, this inserted before the extension, and are renamed when complete.
constexpr const char* partial_suffix = ".partial";

// Writes every job's file under top. A file whose bytes did not change keeps its old copy (and
// time stamp). Prints each failed file; returns false if any failed.
bool run_jobs(const JobList& jobs, const std::filesystem::path& top);

}  // namespace datagen
