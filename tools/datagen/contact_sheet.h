#pragma once
// A contact sheet: runs the picture jobs into a scratch folder and tiles every picture they
// store (files and datafile objects) at 1x, each under its path, mask pixels as a dark checker.
#include <filesystem>

#include "job.h"

namespace datagen {

bool make_contact_sheet(const JobList& jobs, const std::filesystem::path& out);

}  // namespace datagen
