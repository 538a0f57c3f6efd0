#pragma once
// Helpers shared by the unit tests.
#include <string>

namespace testing_support {

// The generated data tree (build/game, or $VOIDMARCH_DATA when set).
std::string data_dir();

// A fresh empty folder for a test's files, removed at process exit.
std::string scratch_dir();

// What loading the game's own files needs, as start-up provides it: the GIF and PNG picture
// types, the 'GIF ' datafile object, and an audio system on the manual clock (made once).
void prepare_game_loading();

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
