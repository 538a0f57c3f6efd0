#pragma once
// Helpers shared by the unit tests.
#include <string>

namespace testing_support {

// The generated data tree (build/game, or $VOIDMARCH_DATA when set).
std::string data_dir();

// A fresh empty folder for a test's files, removed at process exit.
std::string scratch_dir();

// Changes the working directory for the lifetime of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::string previous_;
};

}  // namespace testing_support
