// Opening streams: exact lengths, failures, relative paths, and what idle streams cost.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "audio_testing.h"
#include "fixtures.h"
#include "support/test_support.h"

namespace {

using fixtures::Kind;
using fixtures::looping;
using fixtures::once;

unsigned length_of(FMOD_SOUND* sound) {
    unsigned length = 0;
    EXPECT_EQ(FMOD_Sound_GetLength(sound, &length, FMOD_TIMEUNIT_MS), FMOD_OK);
    return length;
}

void write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Streams, LengthsAreExactForBothFormatsAndRates) {
    fixtures::ManualSystem system;
    for (Kind kind : {Kind::ogg, Kind::mp3}) {
        // Whole milliseconds, rounded down: 1234 ms of audio are 54419 frames, 1233.99 ms.
        for (auto [ms, length] : {std::pair{1000u, 1000u}, {1230u, 1230u}, {1234u, 1233u}, {37u, 36u}}) {
            EXPECT_EQ(length_of(system.stream(fixtures::tone_file(kind, ms), once)), length);
        }
        EXPECT_EQ(length_of(system.stream(fixtures::tone_file(kind, 1500, 22050), looping)), 1500u);
    }
}

// Without its encoder tag an MP3's length is only estimated from the file size, until it is counted.
TEST(Streams, AnUntaggedMp3HasItsExactLengthAndPlaysToItsEnd) {
    fixtures::ManualSystem system;
    std::string path = fixtures::tone_file(Kind::mp3, 1000);
    std::string bytes = read_bytes(path);
    size_t tag = bytes.find("Info");
    ASSERT_NE(tag, std::string::npos);
    bytes.replace(tag, 4, 4, '\0');
    write_bytes(path, bytes);
    std::vector<int16_t> decoded = fixtures::decode(path);
    unsigned exact = static_cast<unsigned>(decoded.size() / 2 * 1000 / 44100);

    FMOD_SOUND* sound = system.stream(path, once);
    ASSERT_EQ(length_of(sound), exact);
    FMOD_CHANNEL* channel = system.play(sound);
    std::vector<int16_t> mix = system.advance(exact + 100);
    mix.resize(decoded.size());
    EXPECT_EQ(mix, decoded);
    FMOD_BOOL playing = 0;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &playing), FMOD_ERR_INVALID_HANDLE);
}

TEST(Streams, MissingAndNonAudioFilesAreRefused) {
    fixtures::ManualSystem system;
    std::string dir = testing_support::scratch_dir();
    write_bytes(dir + "/text.ogg", "not a sound at all, just words\n");
    write_bytes(dir + "/empty.mp3", "");
    write_bytes(dir + "/fake.ogg", "OggS" + std::string(200, '\x01'));
    write_bytes(dir + "/fake.mp3", "ID3" + std::string(200, '\x00'));

    FMOD_SOUND* sound = nullptr;
    auto open = [&](const std::string& path) {
        return FMOD_System_CreateStream(system.get(), path.c_str(), once, nullptr, &sound);
    };
    EXPECT_EQ(open(dir + "/nothing.ogg"), FMOD_ERR_FILE_NOTFOUND);
    EXPECT_EQ(open(dir + "/no/folder/tune.mp3"), FMOD_ERR_FILE_NOTFOUND);
    for (const char* name : {"/text.ogg", "/empty.mp3", "/fake.ogg", "/fake.mp3"}) {
        EXPECT_EQ(open(dir + name), FMOD_ERR_FILE_BAD) << name;
    }
    EXPECT_EQ(open(dir), FMOD_ERR_FILE_BAD);
}

TEST(Streams, PathsAreTakenRelativeToTheWorkingDirectoryWhenCreated) {
    fixtures::ManualSystem system;
    std::string path = fixtures::tone_file(Kind::ogg, 300);
    std::string dir = path.substr(0, path.rfind('/'));
    std::string name = path.substr(path.rfind('/') + 1);
    FMOD_SOUND* sound;
    {
        testing_support::WorkingDirectory inside(dir);
        sound = system.stream(name, once);
    }
    // Played from elsewhere, the stream still finds its file.
    system.play(sound);
    std::vector<int16_t> mix = system.advance(100);
    EXPECT_NE(std::count(mix.begin(), mix.end(), 0), static_cast<long>(mix.size()));
}

TEST(Streams, IdleStreamsHoldNoFilesAndPlayingOnesLetGoAtTheEnd) {
    fixtures::ManualSystem system(20);
    std::string ogg = fixtures::tone_file(Kind::ogg, 200);
    std::string mp3 = fixtures::tone_file(Kind::mp3, 200);
    int before = fixtures::open_files();
    std::vector<FMOD_SOUND*> sounds;
    for (int i = 0; i < 300; ++i) {
        sounds.push_back(system.stream(ogg, looping));
        sounds.push_back(system.stream(mp3, once));
    }
    EXPECT_EQ(fixtures::open_files(), before);

    for (int i = 0; i < 20; ++i) system.play(sounds[static_cast<size_t>(i)]);
    system.advance(50);
    EXPECT_EQ(fixtures::open_files(), before + 20);
    for (int i = 0; i < 20; i += 2) FMOD_Sound_Release(sounds[static_cast<size_t>(i)]);  // the looping ones
    system.advance(300);  // the one-shots play out
    EXPECT_EQ(fixtures::open_files(), before);
    EXPECT_TRUE(audio_testing::voices(system.get()).empty());
}

// Damaged files must either be refused or play to their end without reading out of bounds.
TEST(Streams, DamagedFilesFailCleanly) {
    fixtures::ManualSystem system(1);
    std::mt19937 random(7);
    for (Kind kind : {Kind::ogg, Kind::mp3}) {
        std::string original = read_bytes(fixtures::tone_file(kind, 400));
        std::string damaged_path = testing_support::scratch_dir() + (kind == Kind::ogg ? "/bad.ogg" : "/bad.mp3");
        for (int round = 0; round < 40; ++round) {
            std::string bytes = original;
            if (round % 2) {
                bytes.resize(random() % bytes.size());
            } else {
                for (int flip = 0; flip < 30; ++flip) {
                    bytes[4 + random() % (bytes.size() - 4)] ^= static_cast<char>(1 + random() % 255);
                }
            }
            write_bytes(damaged_path, bytes);
            FMOD_SOUND* sound = nullptr;
            FMOD_RESULT result = FMOD_System_CreateStream(system.get(), damaged_path.c_str(), once, nullptr, &sound);
            ASSERT_TRUE(result == FMOD_OK || result == FMOD_ERR_FILE_BAD || result == FMOD_ERR_FORMAT) << result;
            if (result != FMOD_OK) continue;
            // A damaged header may claim any length; hear a little of long ones.
            unsigned length = length_of(sound);
            system.play(sound);
            system.advance(std::min(length, 2000u) + 50);
            if (length <= 2000) {
                EXPECT_TRUE(audio_testing::voices(system.get()).empty());
            }
            FMOD_Sound_Release(sound);
        }
    }
}

}  // namespace
