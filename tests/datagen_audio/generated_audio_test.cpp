// The generated tunes and effects as the game will meet them: every file the game opens, each
// decodable, long enough for its loop points, joining seamlessly where it loops, and reproducible.
#include <gtest/gtest.h>

#include "decode.h"
#include "job.h"
#include "support/test_support.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <thread>

namespace {

// How the game opens each stream: loop-back 0, 51 or 48 for tunes, the looping effects, one-shots.
enum class Rule { back_0, back_51, back_48, looping_effect, once };

const std::map<std::string, Rule> manifest = {
    {"bgm/loading/tune.ogg", Rule::back_0},
    {"bgm/main_menu/tune.mp3", Rule::back_0},
    {"bgm/story/tune.ogg", Rule::back_51},
    {"bgm/character_select/kv2_characterselect.ogg", Rule::back_51},
    {"bgm/upgrade_store/tune.ogg", Rule::back_51},
    {"bgm/first_stage/tune.ogg", Rule::back_0},
    {"bgm/second_stage/tune.ogg", Rule::back_0},
    {"bgm/third_stage/tune.ogg", Rule::back_0},
    {"bgm/fourth_stage/tune.ogg", Rule::back_0},
    {"bgm/fifth_stage/tune.ogg", Rule::back_0},
    {"bgm/sixth_stage/tune.ogg", Rule::back_0},
    {"bgm/seventh_stage/tune.ogg", Rule::back_0},
    {"bgm/eigth_stage/tune.ogg", Rule::back_0},
    {"bgm/ninth_stage/tune.ogg", Rule::back_0},
    {"bgm/tenth_stage/tune.ogg", Rule::back_0},
    {"bgm/continue/kv2_continue.ogg", Rule::back_51},
    {"bgm/dialog/tune.ogg", Rule::back_0},
    {"bgm/outro/tune.ogg", Rule::once},
    {"bgm/boss/tune.ogg", Rule::back_0},
    {"bgm/boss_2/tune.ogg", Rule::back_51},
    {"bgm/challenge_stage/tune.ogg", Rule::back_48},
    {"bgm/kv_main/tune.ogg", Rule::back_51},
    {"bgm/kv1_bgm/tune.ogg", Rule::back_51},
    {"bgm/stage_intro/tune.ogg", Rule::back_51},
    {"bgm/kv2_ending/tune.ogg", Rule::back_51},
    {"bgm/kv1_ending/tune.ogg", Rule::back_51},
    {"sfx/error.ogg", Rule::once},
    {"sfx/start.ogg", Rule::once},
    {"sfx/cheat_powerup.ogg", Rule::once},
    {"sfx/adam_bullet_1.ogg", Rule::once},
    {"sfx/explosion.ogg", Rule::once},
    {"sfx/take_off.ogg", Rule::once},
    {"sfx/bomb_start.ogg", Rule::once},
    {"sfx/bomb_one.ogg", Rule::once},
    {"sfx/bomb_two.ogg", Rule::looping_effect},
    {"sfx/enemy_explosion.ogg", Rule::once},
    {"sfx/enemy_one_bullet.ogg", Rule::once},
    {"sfx/enemy_three_bullet.ogg", Rule::once},
    {"sfx/enemy_four_bullet.ogg", Rule::once},
    {"sfx/powerup.ogg", Rule::once},
    {"sfx/blaster.ogg", Rule::looping_effect},
};

bool is_tune(const std::string& path) { return path.rfind("bgm/", 0) == 0; }

struct LoopPoints {
    long start_ms, end_ms;
};

// The loop points the game sets from a stream's length in milliseconds.
LoopPoints loop_points(Rule rule, long length) {
    switch (rule) {
        case Rule::back_0: return {12, length - 12};
        case Rule::back_51: return {length / 2 - 51, length - 51};
        case Rule::back_48: return {length / 2 - 48, length - 51};
        case Rule::looping_effect: return {length / 2, length - 12};
        case Rule::once: break;
    }
    return {0, length};
}

long frame_at(long ms) { return ms * 44100 / 1000; }

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool write_jobs(const datagen::JobList& jobs, const std::string& folder, unsigned threads) {
    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    std::vector<std::thread> workers;
    for (unsigned i = 0; i < threads; ++i)
        workers.emplace_back([&] {
            for (size_t j; (j = next++) < jobs.size();) {
                const std::filesystem::path target = std::filesystem::path(folder) / jobs[j].path;
                std::filesystem::create_directories(target.parent_path());
                if (!jobs[j].write(target)) ok = false;
            }
        });
    for (std::thread& w : workers) w.join();
    return ok;
}

// Every file written once, on all cores, as the generator does; decoded for the tests below.
class GeneratedAudio : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new std::string(testing_support::scratch_dir());
        written_ = write_jobs(datagen::audio_jobs(), *folder_, std::max(2u, std::thread::hardware_concurrency()));
        decoded_ = new std::map<std::string, Decoded>;
        for (const auto& [path, rule] : manifest) (*decoded_)[path] = decode(*folder_ + "/" + path);
    }
    static void TearDownTestSuite() {
        delete decoded_;
        delete folder_;
    }
    static const Decoded& file(const std::string& path) { return decoded_->at(path); }

    static std::string* folder_;
    static bool written_;
    static std::map<std::string, Decoded>* decoded_;
};
std::string* GeneratedAudio::folder_ = nullptr;
bool GeneratedAudio::written_ = false;
std::map<std::string, Decoded>* GeneratedAudio::decoded_ = nullptr;

TEST(AudioJobs, NameEveryFileOfTheManifestOnce) {
    std::map<std::string, int> seen;
    for (const datagen::Job& job : datagen::audio_jobs()) ++seen[job.path];
    for (const auto& [path, count] : seen) {
        EXPECT_EQ(count, 1) << path;
        EXPECT_TRUE(manifest.count(path)) << "not in the manifest: " << path;
    }
    for (const auto& [path, rule] : manifest) EXPECT_TRUE(seen.count(path)) << "missing: " << path;
}

TEST_F(GeneratedAudio, EveryFileDecodesAsStereoAt44100) {
    ASSERT_TRUE(written_);
    for (const auto& [path, rule] : manifest) {
        const Decoded& d = file(path);
        EXPECT_TRUE(d.ok) << path;
        EXPECT_EQ(d.rate, 44100) << path;
        EXPECT_EQ(d.channels, 2) << path;
    }
}

TEST_F(GeneratedAudio, LengthsSuitTheirUse) {
    for (const auto& [path, rule] : manifest) {
        const long length = file(path).length_ms();
        if (!is_tune(path) && rule == Rule::once) {
            EXPECT_LE(length, 2000) << path;
        }
        if (rule == Rule::once) continue;
        const LoopPoints loop = loop_points(rule, length);
        EXPECT_GE(loop.start_ms, 0) << path;
        EXPECT_LT(loop.start_ms + 1000, loop.end_ms) << path << ": loop shorter than a second";
        EXPECT_LE(loop.end_ms, length) << path;
        if (is_tune(path) && rule != Rule::once) {
            EXPECT_GE(length, 15000) << path;
        }
    }
    // The main menu waits for the start chime to be heard; the fly-off waits for the outro to end.
    EXPECT_GE(file("sfx/start.ogg").length_ms(), 250);
    EXPECT_GE(file("bgm/outro/tune.ogg").length_ms(), 4000);
    EXPECT_LE(file("bgm/outro/tune.ogg").length_ms(), 8000);
}

// Around the loop end, what plays after the jump must be what would have followed without it: the
// game's loop points, from the decoded length, fall where the renderer joined the loop (render_test
// checks that the joins themselves are smooth). Both windows are separate Vorbis codings of the same
// samples, whose errors reach about -17 dB here, so the comparison is made on the signal averaged
// over 8 samples, with room for that error.
TEST_F(GeneratedAudio, LoopsJoinWithoutAJump) {
    constexpr long window = 8, span = 256;
    for (const auto& [path, rule] : manifest) {
        if (rule == Rule::once) continue;
        const Decoded& d = file(path);
        const LoopPoints loop = loop_points(rule, d.length_ms());
        const long start = frame_at(loop.start_ms), end = frame_at(loop.end_ms);
        ASSERT_GE(d.frames() - end, span) << path;
        for (int ch = 0; ch < 2; ++ch) {
            auto x = [&](long frame) { return static_cast<double>(d.samples[2 * frame + ch]); };
            // What the listener hears (the loop's end, then its start) against the file's own continuation.
            auto heard = [&](long k) { return k < 0 ? x(end + k) : x(start + k); };
            double diff = 0, level = 0;
            for (long k = 0; k < span; ++k) {
                double a = 0, b = 0;
                for (long j = 0; j < window; ++j) a += heard(k - j), b += x(end + k - j);
                diff += (a - b) * (a - b) / (window * window);
                level += b * b / (window * window);
            }
            EXPECT_LT(std::sqrt(diff / span), 0.25 * std::sqrt(level / span) + 40) << path << " channel " << ch;
        }
    }
}

double rms_dbfs(const Decoded& d, long from, long to) {
    double sum = 0;
    for (long i = 2 * from; i < 2 * to; ++i) sum += static_cast<double>(d.samples[i]) * d.samples[i];
    return 20 * std::log10(std::sqrt(sum / (2.0 * (to - from))) / 32768.0);
}

TEST_F(GeneratedAudio, LevelsAreEvenAndClearOfClipping) {
    for (const auto& [path, rule] : manifest) {
        const Decoded& d = file(path);
        int peak = 0;
        for (int16_t s : d.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LT(peak, 32000) << path;
        if (is_tune(path)) {
            const double level = rms_dbfs(d, 0, d.frames());
            EXPECT_GT(level, -24) << path;
            EXPECT_LT(level, -14) << path;
        } else {
            EXPECT_GT(peak, 3000) << path << " is nearly silent";
        }
    }
}

TEST_F(GeneratedAudio, TheOutroFadesToSilence) {
    const Decoded& d = file("bgm/outro/tune.ogg");
    int tail = 0;
    for (long i = 2 * (d.frames() - 441); i < 2 * d.frames(); ++i) tail = std::max(tail, std::abs(int{d.samples[i]}));
    EXPECT_LT(tail, 200);
}

// Written alone, a file has the same bytes as when written among all the others on every core.
TEST_F(GeneratedAudio, RendersAreReproducible) {
    const std::string again = testing_support::scratch_dir();
    datagen::JobList some;
    for (const datagen::Job& job : datagen::audio_jobs())
        if (job.path == "bgm/main_menu/tune.mp3" || job.path == "bgm/continue/kv2_continue.ogg" ||
            job.path == "sfx/blaster.ogg")
            some.push_back(job);
    ASSERT_EQ(some.size(), 3u);
    ASSERT_TRUE(write_jobs(some, again, 1));
    for (const datagen::Job& job : some)
        EXPECT_EQ(read_file(again + "/" + job.path), read_file(*folder_ + "/" + job.path)) << job.path;
}

}  // namespace
