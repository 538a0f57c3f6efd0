// The job runner: every file written in its folder, failures reported without half-written
// files, unchanged files left alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "runner.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;

datagen::Job text_job(const std::string& path, const std::string& text) {
    return {path, [text](const fs::path& to) { return static_cast<bool>(std::ofstream(to) << text); }};
}

std::string read_text(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Runner, WritesEveryFileIntoItsFolder) {
    fs::path top = testing_support::scratch_dir();
    datagen::JobList jobs;
    for (int i = 0; i < 40; ++i) jobs.push_back(text_job("a/b" + std::to_string(i % 3) + "/" + std::to_string(i), "x" + std::to_string(i)));
    ASSERT_TRUE(datagen::run_jobs(jobs, top));
    for (int i = 0; i < 40; ++i) EXPECT_EQ(read_text(top / jobs[i].path), "x" + std::to_string(i));
}

TEST(Runner, FailedJobsLeaveNoFileAndDoNotStopTheOthers) {
    fs::path top = testing_support::scratch_dir();
    datagen::JobList jobs = {
        text_job("good.txt", "fine"),
        {"refused.txt", [](const fs::path& to) { std::ofstream(to) << "half"; return false; }},
        {"thrown.txt", [](const fs::path& to) -> bool { std::ofstream(to) << "half"; throw std::runtime_error("no"); }},
    };
    EXPECT_FALSE(datagen::run_jobs(jobs, top));
    EXPECT_EQ(read_text(top / "good.txt"), "fine");
    for (const auto& entry : fs::directory_iterator(top))
        EXPECT_EQ(entry.path().filename(), "good.txt") << "left behind: " << entry.path();
}

TEST(Runner, UnchangedFilesKeepTheirTimeAndChangedOnesAreReplaced) {
    fs::path top = testing_support::scratch_dir();
    ASSERT_TRUE(datagen::run_jobs({text_job("same.txt", "a"), text_job("changed.txt", "b")}, top));
    auto old_time = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(top / "same.txt", old_time);
    ASSERT_TRUE(datagen::run_jobs({text_job("same.txt", "a"), text_job("changed.txt", "c")}, top));
    EXPECT_EQ(fs::last_write_time(top / "same.txt"), old_time);
    EXPECT_EQ(read_text(top / "changed.txt"), "c");
}

TEST(Runner, JobsWriteUnderTheirFilesExtension) {
    std::string seen;
    datagen::JobList jobs = {{"bgm/tune.mp3", [&seen](const fs::path& to) {
                                  seen = to.extension().string();
                                  return static_cast<bool>(std::ofstream(to) << "x");
                              }}};
    ASSERT_TRUE(datagen::run_jobs(jobs, testing_support::scratch_dir()));
    EXPECT_EQ(seen, ".mp3");
}

TEST(Runner, RefusesTwoJobsForOneFile) {
    EXPECT_FALSE(datagen::run_jobs({text_job("x", "1"), text_job("x", "2")}, testing_support::scratch_dir()));
}

}  // namespace
