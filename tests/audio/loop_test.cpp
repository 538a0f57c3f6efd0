// Positions, loop points and what comes out of the mix, on the manual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "audio_testing.h"
#include "fixtures.h"
#include "mixkernel.h"

namespace {

using fixtures::Kind;
using fixtures::looping;
using fixtures::once;

unsigned position_of(FMOD_CHANNEL* channel) {
    unsigned position = 12345;
    EXPECT_EQ(FMOD_Channel_GetPosition(channel, &position, FMOD_TIMEUNIT_MS), FMOD_OK);
    return position;
}

struct LoopCase {
    Kind kind;
    unsigned loop_back;  // how the game derives its loop points from the length
};

class Looping : public ::testing::TestWithParam<LoopCase> {};

// After the first pass the position stays inside the loop, for both ways the game sets loop points.
TEST_P(Looping, PositionsStayInTheLoopAfterTheFirstPass) {
    fixtures::ManualSystem system;
    FMOD_SOUND* sound = system.stream(fixtures::tone_file(GetParam().kind, 1000), looping);
    unsigned length = 0;
    ASSERT_EQ(FMOD_Sound_GetLength(sound, &length, FMOD_TIMEUNIT_MS), FMOD_OK);
    unsigned back = GetParam().loop_back;
    unsigned start = back == 0 ? 12 : length / 2 - back;
    unsigned end = back == 0 ? length - 12 : length - 51;
    ASSERT_EQ(FMOD_Sound_SetLoopPoints(sound, start, FMOD_TIMEUNIT_MS, end, FMOD_TIMEUNIT_MS), FMOD_OK);

    FMOD_CHANNEL* channel = system.play(sound);
    unsigned previous = 0;
    int wraps = 0;
    for (unsigned elapsed = 7; elapsed < 4 * length; elapsed += 7) {
        system.advance(7);
        unsigned position = position_of(channel);
        if (position < previous) ++wraps;
        if (wraps == 0) {
            EXPECT_GE(position, elapsed - 1);  // the first pass runs from the start at the clock's pace
        } else {
            EXPECT_GE(position, start) << "after " << elapsed << " ms";
            EXPECT_LE(position, end) << "after " << elapsed << " ms";
        }
        previous = position;
    }
    EXPECT_GE(wraps, 3);
}

INSTANTIATE_TEST_SUITE_P(Streams, Looping,
                         ::testing::Values(LoopCase{Kind::ogg, 0}, LoopCase{Kind::ogg, 51}, LoopCase{Kind::ogg, 48},
                                           LoopCase{Kind::mp3, 0}, LoopCase{Kind::mp3, 51}),
                         [](const ::testing::TestParamInfo<LoopCase>& info) {
                             return std::string(info.param.kind == Kind::ogg ? "ogg" : "mp3") + "_loop_back_" +
                                    std::to_string(info.param.loop_back);
                         });

// The mix of a voice at full volume is its decode to the sample, across the seam of the loop.
TEST(Mix, FullVolumeVoiceIsItsDecodeAcrossLoopSeams) {
    for (Kind kind : {Kind::ogg, Kind::mp3}) {
        fixtures::ManualSystem system;
        std::string path = fixtures::tone_file(kind, 500);
        std::vector<int16_t> decoded = fixtures::decode(path);
        ASSERT_EQ(decoded.size(), 2u * 22050);
        FMOD_SOUND* sound = system.stream(path, looping);
        ASSERT_EQ(FMOD_Sound_SetLoopPoints(sound, 100, FMOD_TIMEUNIT_MS, 400, FMOD_TIMEUNIT_MS), FMOD_OK);
        system.play(sound);

        std::vector<int16_t> expected(decoded.begin(), decoded.begin() + 2 * 17640);
        while (expected.size() < 2u * 44100) {
            expected.insert(expected.end(), decoded.begin() + 2 * 4410, decoded.begin() + 2 * 17640);
        }
        expected.resize(2u * 44100);
        EXPECT_EQ(system.advance(1000), expected);
    }
}

TEST(Mix, VoicesAddUpAndSaturateOnceAtTheEnd) {
    fixtures::ManualSystem system(8);
    std::string path = fixtures::tone_file(Kind::ogg, 300);
    std::vector<int16_t> decoded = fixtures::decode(path);
    FMOD_SOUND* sound = system.stream(path, once);
    FMOD_CHANNEL* quiet = system.play(sound);
    ASSERT_EQ(FMOD_Channel_SetVolume(quiet, 0.5f), FMOD_OK);
    for (int loud = 0; loud < 4; ++loud) system.play(sound);

    std::vector<int16_t> mix = system.advance(300);
    ASSERT_EQ(mix.size(), decoded.size());
    int saturated = 0;
    for (size_t i = 0; i < mix.size(); ++i) {
        int32_t sum = 4 * decoded[i] + ((decoded[i] * 32768) >> 16);
        int32_t expected = std::max(-32768, std::min(32767, sum));
        ASSERT_EQ(mix[i], expected) << "sample " << i;
        saturated += expected != sum;
    }
    EXPECT_GT(saturated, 0);
}

// The mixer's sums against the formula they stand for, at every gain from silence to full: each
// sample scaled to (sample × gain) >> 16, the scaled samples added, the sums clamped to 16 bits.
// Voices of unequal length follow one another, so that they are summed in pairs and alone, with
// SSE2 and, where the processor has it, with AVX2.
TEST(Mix, EveryGainScalesAndSumsEverySampleExactly) {
    using audio::mix::unity_gain;
    constexpr int16_t extremes[] = {-32768, -32767, -16385, -16384, -2, -1, 0, 1, 2, 16383, 16384, 32766, 32767};
    std::vector<int16_t> samples(64);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = i < std::size(extremes) ? extremes[i] : static_cast<int16_t>(i * 40503u);
    struct Voice {
        size_t frames;
        size_t first;  // sample of `samples` it starts at
        int32_t (*gain)(int32_t g);
    };
    const Voice voices[] = {
        {9, 0, [](int32_t g) { return g; }},
        {6, 13, [](int32_t g) { return unity_gain - g; }},
        {9, 5, [](int32_t g) { return g / 3; }},
    };
    std::vector<bool> avx2{false};
    if (audio::mix::avx2_built_and_present()) avx2.push_back(true);
    for (bool with_avx2 : avx2) {
        audio::mix::Sum sum(9, with_avx2);
        std::vector<int16_t> out(18);
        for (int32_t g = 0; g <= unity_gain; ++g) {
            std::vector<int32_t> expected(18, 0);
            sum.start(9);
            for (const Voice& v : voices) {
                sum.add(samples.data() + v.first, v.frames, v.gain(g));
                for (size_t i = 0; i < 2 * v.frames; ++i) expected[i] += samples[v.first + i] * v.gain(g) >> 16;
            }
            sum.finish(out.data());
            for (size_t i = 0; i < out.size(); ++i)
                ASSERT_EQ(out[i], std::clamp(expected[i], -32768, 32767)) << "gain " << g << " sample " << i << (with_avx2 ? " AVX2" : " SSE2");
        }
    }
}

TEST(Mix, OtherRatesAreResampledToTheOutputRate) {
    fixtures::ManualSystem system;
    FMOD_SOUND* sound = system.stream(fixtures::tone_file(Kind::ogg, 1000, 22050), once);
    FMOD_CHANNEL* channel = system.play(sound);
    std::vector<int16_t> mix = system.advance(500);
    EXPECT_EQ(position_of(channel), 500u);
    // 440 Hz on the left: 440 rising zero crossings a second survive the resampling.
    int crossings = 0;
    for (size_t i = 2; i < mix.size(); i += 2) crossings += mix[i - 2] < 0 && mix[i] >= 0;
    EXPECT_NEAR(crossings, 220, 2);
    system.advance(501);
    FMOD_BOOL playing = 1;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &playing), FMOD_ERR_INVALID_HANDLE);
}

TEST(LoopPoints, OutsideTheSoundAreRefused) {
    fixtures::ManualSystem system;
    FMOD_SOUND* sound = system.stream(fixtures::tone_file(Kind::mp3, 1000), looping);
    auto set = [sound](unsigned start, unsigned end) {
        return FMOD_Sound_SetLoopPoints(sound, start, FMOD_TIMEUNIT_MS, end, FMOD_TIMEUNIT_MS);
    };
    EXPECT_EQ(set(500, 500), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(set(600, 500), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(set(0, 1001), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(set(0, 1000), FMOD_OK);
    EXPECT_EQ(FMOD_Sound_SetLoopPoints(sound, 0, FMOD_TIMEUNIT_MS, 100, 2), FMOD_ERR_INVALID_PARAM);
}

// A one-shot plays once; then its channel is gone and reads as position 0, as the game's
// "tune finished" test expects.
TEST(OneShot, EndedVoiceAnswersInvalidHandleWithPositionZero) {
    fixtures::ManualSystem system;
    FMOD_SOUND* sound = system.stream(fixtures::tone_file(Kind::ogg, 250), once);
    FMOD_CHANNEL* channel = system.play(sound);
    system.advance(200);
    EXPECT_EQ(position_of(channel), 200u);
    system.advance(60);

    unsigned position = 99;
    FMOD_BOOL flag = 1;
    EXPECT_EQ(FMOD_Channel_GetPosition(channel, &position, FMOD_TIMEUNIT_MS), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(position, 0u);
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &flag), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(flag, 0);
    flag = 1;
    EXPECT_EQ(FMOD_Channel_GetPaused(channel, &flag), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(FMOD_Channel_SetVolume(channel, 1.0f), FMOD_ERR_INVALID_HANDLE);
    EXPECT_TRUE(audio_testing::voices(system.get()).empty());
}

}  // namespace
