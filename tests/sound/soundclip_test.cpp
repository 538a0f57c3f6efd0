#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/settings.h"
#include "engine/soundclip.h"
#include "support/test_support.h"
#include "support/tones.h"

namespace {

std::optional<audio_testing::Voice> voice_on(FMOD_CHANNEL* channel) {
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.channel == channel) return voice;
    return std::nullopt;
}

// What the voice on a channel plays at, and where it is; -1 when the channel plays nothing.
float volume_on(FMOD_CHANNEL* channel) {
    const auto voice = voice_on(channel);
    return voice ? voice->volume : -1.0f;
}

long position_on(FMOD_CHANNEL* channel) {
    const auto voice = voice_on(channel);
    return voice ? static_cast<long>(voice->position_ms) : -1;
}

void advance(unsigned ms) { audio_testing::advance(fmod_system, ms); }

class SoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (fmod_system) return;
        ASSERT_EQ(FMOD_System_Create(&fmod_system), FMOD_OK);
        ASSERT_EQ(audio_testing::init_manual(fmod_system, 20), FMOD_OK);
        const std::string folder = testing_support::scratch_dir();
        tune_path = new std::string(testing_support::write_tone(folder + "/tune.ogg", 2000));
        other_path = new std::string(testing_support::write_tone(folder + "/other.ogg", 1500));
        short_path = new std::string(testing_support::write_tone(folder + "/short.ogg", 300));
    }

    void SetUp() override {
        FMOD_Channel_Stop(music_channel);
        FMOD_Channel_Stop(jingle_channel);
        master_volume = 1.0f;
    }

    static std::string* tune_path;
    static std::string* other_path;
    static std::string* short_path;
};

std::string* SoundTest::tune_path = nullptr;
std::string* SoundTest::other_path = nullptr;
std::string* SoundTest::short_path = nullptr;

}  // namespace

TEST_F(SoundTest, FadesStepTheTuneAndReportOncePastTheTarget) {
    SoundClip tune;
    tune.load_music(tune_path->c_str(), 0, true);
    tune.play_music();

    for (int call = 1; call <= 12; ++call) ASSERT_FALSE(tune.fade_out(0.0f, 0.08f)) << "call " << call;
    EXPECT_GT(tune.volume, 0.0f);
    EXPECT_TRUE(tune.fade_out(0.0f, 0.08f));
    EXPECT_EQ(tune.volume, 0.0f);
    EXPECT_EQ(volume_on(music_channel), 0.0f);

    for (int call = 1; call <= 12; ++call) ASSERT_FALSE(tune.fade_in(1.0f, 0.08f)) << "call " << call;
    EXPECT_TRUE(tune.fade_in(1.0f, 0.08f));
    EXPECT_EQ(tune.volume, 1.0f);
    EXPECT_EQ(volume_on(music_channel), 1.0f);

    // Landing exactly on the target takes one more call to report.
    EXPECT_FALSE(tune.fade_out(0.5f, 0.25f));
    EXPECT_FALSE(tune.fade_out(0.5f, 0.25f));
    EXPECT_EQ(tune.volume, 0.5f);
    EXPECT_TRUE(tune.fade_out(0.5f, 0.25f));
    EXPECT_EQ(tune.volume, 0.5f);
    EXPECT_EQ(volume_on(music_channel), 0.5f);

    // A fade goes on quietly once the channel has nothing left to play.
    tune.stop();
    EXPECT_FALSE(voice_on(music_channel));
    EXPECT_FALSE(tune.fade_out(0.0f, 0.25f));
    EXPECT_EQ(tune.volume, 0.25f);
}

TEST_F(SoundTest, AOneShotTuneIsFinishedOnceItHasPlayedThrough) {
    SoundClip tune;
    tune.load_music(short_path->c_str(), 0, false);
    EXPECT_EQ(tune.length, 300u);
    EXPECT_FALSE(tune.finished());  // nothing has played yet

    tune.play_music();
    EXPECT_FALSE(tune.finished());
    advance(100);
    EXPECT_FALSE(tune.finished());
    advance(150);
    EXPECT_FALSE(tune.finished());
    advance(100);
    EXPECT_FALSE(voice_on(music_channel));
    EXPECT_TRUE(tune.finished());
    EXPECT_EQ(tune.plays, 0);
    EXPECT_FALSE(tune.finished());

    SoundEffect effect;
    effect.load_sfx(short_path->c_str());
    effect.play_jingle();
    advance(200);
    EXPECT_FALSE(effect.jingle_finished());
    advance(200);
    EXPECT_TRUE(effect.jingle_finished());
}

TEST_F(SoundTest, LoopingTunesRepeatBetweenTheirLoopPoints) {
    // Length 2000 ms: loop-back 0 loops over 12 .. 1988, the others over 1000 - loop_back .. 1949.
    const struct { int loop_back; unsigned start, end; } cases[] = {{0, 12, 1988}, {48, 952, 1949}, {51, 949, 1949}};
    for (const auto& c : cases) {
        SoundClip tune;
        tune.load_music(tune_path->c_str(), c.loop_back, true);
        EXPECT_EQ(tune.length, 2000u);
        tune.play_music();
        // Positions are whole milliseconds of a 44.1 kHz clock: allow one for rounding.
        advance(c.end - 100);
        EXPECT_NEAR(position_on(music_channel), c.end - 100.0, 1) << "loop-back " << c.loop_back;
        advance(100 + 30);
        EXPECT_NEAR(position_on(music_channel), c.start + 30.0, 1) << "loop-back " << c.loop_back;
        advance(c.end - c.start);
        EXPECT_NEAR(position_on(music_channel), c.start + 30.0, 1) << "loop-back " << c.loop_back;
        // Wrapping from the loop end to the loop start never looks finished.
        EXPECT_FALSE(tune.finished());
    }
}

TEST_F(SoundTest, ANewTuneReplacesTheOldOneAtTheMasterVolume) {
    SoundClip first, second;
    first.load_music(tune_path->c_str(), 0, true);
    second.load_music(other_path->c_str(), 51, true);

    master_volume = 0.4f;
    first.play_music();
    EXPECT_EQ(volume_on(music_channel), 0.4f);
    advance(500);
    first.fade_out(0.0f, 0.08f);

    master_volume = 0.7f;
    second.play_music();
    const auto voices = audio_testing::voices(fmod_system);
    ASSERT_EQ(voices.size(), 1u);
    EXPECT_EQ(voices[0].channel, music_channel);
    EXPECT_EQ(voices[0].volume, 0.7f);
    EXPECT_EQ(voices[0].position_ms, 0u);
    EXPECT_EQ(second.volume, 0.7f);
    EXPECT_FLOAT_EQ(first.volume, 0.32f);  // the first keeps its own fade

    // Tunes are not put into the master group.
    EXPECT_EQ(voices[0].group, nullptr);
}

TEST_F(SoundTest, ANewEffectCutsOffTheOneBefore) {
    SoundEffect first, second;
    first.load_sfx(short_path->c_str());
    second.load_sfx(tune_path->c_str());
    second.volume = 0.6f;
    first.play_jingle();
    advance(50);
    second.play_jingle();
    const auto voices = audio_testing::voices(fmod_system);
    ASSERT_EQ(voices.size(), 1u);
    EXPECT_EQ(voices[0].channel, jingle_channel);
    EXPECT_EQ(voices[0].volume, 0.6f);
}

TEST_F(SoundTest, StoppingLeavesTheChannelSilentAndMayBeRepeated) {
    SoundClip tune;
    tune.load_music(tune_path->c_str(), 0, true);
    tune.play_music();
    tune.stop();
    EXPECT_TRUE(audio_testing::voices(fmod_system).empty());
    tune.stop();
    tune.set_volume(0.3f);
    EXPECT_EQ(tune.volume, 0.3f);
}

TEST_F(SoundTest, AMissingFileEndsTheProcess) {
    SoundClip tune;
    EXPECT_EXIT(tune.load_music("no such tune.ogg", 0, true), ::testing::ExitedWithCode(255), "");
}
