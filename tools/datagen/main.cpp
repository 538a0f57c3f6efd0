// Writes the game's data tree into the folder named on the command line:
//   datagen OUTPUT_DIR [--stamp FILE]   the whole tree; with a stamp, skipped when nothing changed
//   datagen --contact-sheet OUT.png     one picture tiling every generated picture, with its path
// Anything else, options it does not know included, prints the usage and exits with status 2.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "contact_sheet.h"
#include "job.h"
#include "runner.h"
#include "stamp.h"

namespace {

namespace fs = std::filesystem;

datagen::JobList all_jobs() {
    datagen::JobList jobs = datagen::audio_jobs();  // the long ones first, so no core idles at the end
    for (datagen::Job& job : datagen::picture_jobs()) jobs.push_back(std::move(job));
    return jobs;
}

std::string read_text(const fs::path& path) {
    std::ifstream in(path);
    std::string text;
    std::getline(in, text);
    return text;
}

int generate(const fs::path& top, const char* stamp) {
    datagen::JobList jobs = all_jobs();
    fs::create_directories(top / "screenshots");
    if (stamp && read_text(stamp) == datagen::tree_fingerprint(jobs, top)) {
        std::printf("datagen: %zu files up to date\n", jobs.size());
        return 0;
    }
    if (stamp) fs::remove(stamp);
    if (!datagen::run_jobs(jobs, top)) return 1;
    if (stamp) std::ofstream(stamp) << datagen::tree_fingerprint(jobs, top) << '\n';
    std::printf("datagen: wrote %zu files\n", jobs.size());
    return 0;
}

// A folder name that looks like an option is a mistyped option, never a place to write the tree.
bool is_option(const char* arg) { return arg[0] == '-'; }

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--contact-sheet") == 0)
        return datagen::make_contact_sheet(datagen::picture_jobs(), argv[2]) ? 0 : 1;
    if (argc == 2 && !is_option(argv[1])) return generate(argv[1], nullptr);
    if (argc == 4 && !is_option(argv[1]) && std::strcmp(argv[2], "--stamp") == 0) return generate(argv[1], argv[3]);
    std::fprintf(stderr, "usage: datagen OUTPUT_DIR [--stamp FILE] | datagen --contact-sheet OUT.png\n");
    return 2;
}
