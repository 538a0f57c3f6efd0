// Job runner: a worker per core takes the next job until none are left.
#include "runner.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <thread>

namespace datagen {

namespace {

namespace fs = std::filesystem;

bool same_contents(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (!fs::exists(b, error) || fs::file_size(a, error) != fs::file_size(b, error)) return false;
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

// Writes beside the target first, so an interrupted run never leaves a half-written file.
bool run_one(const Job& job, const fs::path& top) {
    // "tune.mp3" is written as "tune.partial.mp3": writers may choose the format by extension.
    fs::path target = top / job.path;
    fs::path scratch = target.parent_path() / (target.stem().string() + partial_suffix + target.extension().string());
    bool ok = false;
    try {
        ok = job.write(scratch);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s: %s\n", job.path.c_str(), e.what());
    }
    std::error_code error;
    if (ok && same_contents(scratch, target)) return fs::remove(scratch, error);
    if (ok) fs::rename(scratch, target, error);
    else fs::remove(scratch, error);
    return ok && !error;
}

}  // namespace

bool run_jobs(const JobList& jobs, const fs::path& top) {
    std::set<std::string> paths;
    for (const Job& job : jobs) {
        if (!paths.insert(job.path).second) {
            std::fprintf(stderr, "datagen: %s is made by two jobs\n", job.path.c_str());
            return false;
        }
        std::error_code error;
        fs::create_directories((top / job.path).parent_path(), error);
    }

    std::atomic<size_t> next{0};
    std::atomic<bool> all_ok{true};
    std::mutex report;
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            if (run_one(jobs[i], top)) continue;
            all_ok = false;
            std::lock_guard<std::mutex> lock(report);
            std::fprintf(stderr, "datagen: failed to write %s\n", jobs[i].path.c_str());
        }
    };
    unsigned count = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < count; ++i) workers.emplace_back(worker);
    for (std::thread& t : workers) t.join();
    return all_ok;
}

}  // namespace datagen
