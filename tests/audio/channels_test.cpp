// Channel handles: free and reused channels, stealing, stale handles, pause, volumes and groups.
#include <gtest/gtest.h>

#include <vector>

#include "audio_testing.h"
#include "fixtures.h"

namespace {

using fixtures::Kind;
using fixtures::looping;
using fixtures::once;

class Channels : public ::testing::Test {
protected:
    FMOD_RESULT playing(FMOD_CHANNEL* channel) {
        FMOD_BOOL flag = 0;
        return FMOD_Channel_IsPlaying(channel, &flag);
    }
    unsigned position(FMOD_CHANNEL* channel) {
        unsigned ms = 0;
        FMOD_Channel_GetPosition(channel, &ms, FMOD_TIMEUNIT_MS);
        return ms;
    }
    audio_testing::Voice voice(FMOD_CHANNEL* channel) {
        for (const auto& found : audio_testing::voices(system.get())) {
            if (found.channel == channel) return found;
        }
        ADD_FAILURE() << "no voice for that channel";
        return {};
    }

    fixtures::ManualSystem system{3};
    FMOD_SOUND* tune = system.stream(fixtures::tone_file(Kind::ogg, 1000), looping);
    FMOD_SOUND* shot = system.stream(fixtures::tone_file(Kind::mp3, 300), once);
};

TEST_F(Channels, ReuseReplacesTheHoldersSoundOnTheSameChannel) {
    FMOD_CHANNEL* first = system.play(tune, FMOD_CHANNEL_REUSE);
    system.advance(100);
    FMOD_CHANNEL* second = system.play(shot, FMOD_CHANNEL_REUSE, first);

    EXPECT_NE(second, first);
    EXPECT_EQ(playing(first), FMOD_ERR_INVALID_HANDLE);
    ASSERT_EQ(audio_testing::voices(system.get()).size(), 1u);
    EXPECT_EQ(voice(second).sound, shot);
    system.advance(100);
    EXPECT_EQ(position(second), 100u);
}

TEST_F(Channels, ReuseOfANullOrStaleHandleTakesAFreeChannelAndStopsNoOtherVoice) {
    FMOD_CHANNEL* other = system.play(tune);
    FMOD_CHANNEL* fresh = system.play(shot, FMOD_CHANNEL_REUSE, nullptr);
    EXPECT_EQ(playing(other), FMOD_OK);
    EXPECT_EQ(playing(fresh), FMOD_OK);

    system.advance(350);  // the shot ends; its slot is free again
    FMOD_CHANNEL* stale = fresh;
    FMOD_CHANNEL* thief = system.play(tune);  // takes the freed slot
    FMOD_CHANNEL* again = system.play(shot, FMOD_CHANNEL_REUSE, stale);
    EXPECT_EQ(playing(thief), FMOD_OK);
    EXPECT_EQ(playing(other), FMOD_OK);
    EXPECT_EQ(playing(again), FMOD_OK);
    EXPECT_EQ(audio_testing::voices(system.get()).size(), 3u);

    // A reuse call that names no handle at all still plays.
    EXPECT_EQ(FMOD_System_PlaySound(system.get(), FMOD_CHANNEL_REUSE, shot, 0, nullptr), FMOD_OK);
}

TEST_F(Channels, AFullSystemStealsTheOldestVoice) {
    FMOD_CHANNEL* oldest = system.play(tune);
    system.advance(10);
    FMOD_CHANNEL* middle = system.play(tune);
    FMOD_CHANNEL* newest = system.play(tune);
    system.advance(10);
    FMOD_CHANNEL* thief = system.play(shot);

    EXPECT_EQ(playing(thief), FMOD_OK);
    EXPECT_EQ(playing(middle), FMOD_OK);
    EXPECT_EQ(playing(newest), FMOD_OK);
    FMOD_BOOL flag = 1;
    unsigned ms = 7;
    EXPECT_EQ(FMOD_Channel_IsPlaying(oldest, &flag), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(FMOD_Channel_GetPosition(oldest, &ms, FMOD_TIMEUNIT_MS), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_EQ(ms, 0u);
    // The stolen handle cannot touch the thief.
    EXPECT_EQ(FMOD_Channel_Stop(oldest), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_EQ(FMOD_Channel_SetPaused(oldest, 1), FMOD_ERR_CHANNEL_STOLEN);
    EXPECT_FALSE(voice(thief).paused);
    system.advance(400);
    EXPECT_EQ(playing(oldest), FMOD_ERR_CHANNEL_STOLEN);  // still told apart after the thief ended
}

TEST(Stealing, OneShotsAreTakenBeforeALoopingVoice) {
    fixtures::ManualSystem system(16);
    FMOD_SOUND* tune = system.stream(fixtures::tone_file(Kind::ogg, 1000), looping);
    FMOD_SOUND* shot = system.stream(fixtures::tone_file(Kind::mp3, 300), once);
    FMOD_CHANNEL* music = system.play(tune);
    std::vector<FMOD_CHANNEL*> shots;
    for (int i = 0; i < 20; ++i) shots.push_back(system.play(shot));
    system.advance(10);

    FMOD_BOOL playing = 0;
    EXPECT_EQ(FMOD_Channel_IsPlaying(music, &playing), FMOD_OK);
    EXPECT_TRUE(playing);
    for (size_t i = 0; i < shots.size(); ++i) {
        FMOD_RESULT expected = i < 5 ? FMOD_ERR_CHANNEL_STOLEN : FMOD_OK;
        EXPECT_EQ(FMOD_Channel_IsPlaying(shots[i], &playing), expected) << "shot " << i;
    }
}

TEST_F(Channels, StoppedVoicesAndReleasedSoundsLeaveNothingBehind) {
    FMOD_CHANNEL* stopped = system.play(tune);
    FMOD_CHANNEL* kept = system.play(shot);
    FMOD_CHANNEL* released = system.play(tune);
    EXPECT_EQ(FMOD_Channel_Stop(stopped), FMOD_OK);
    EXPECT_EQ(FMOD_Channel_Stop(stopped), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_Channel_Stop(nullptr), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_Sound_Release(tune), FMOD_OK);
    EXPECT_EQ(playing(released), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(playing(kept), FMOD_OK);
    EXPECT_EQ(FMOD_Sound_Release(tune), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(FMOD_System_PlaySound(system.get(), FMOD_CHANNEL_FREE, tune, 0, &kept), FMOD_ERR_INVALID_HANDLE);
}

TEST_F(Channels, PauseFreezesThePosition) {
    FMOD_CHANNEL* channel = system.play(tune);
    system.advance(100);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, 1), FMOD_OK);
    system.advance(300);
    FMOD_BOOL paused = 0;
    EXPECT_EQ(FMOD_Channel_GetPaused(channel, &paused), FMOD_OK);
    EXPECT_TRUE(paused);
    EXPECT_EQ(position(channel), 100u);
    EXPECT_EQ(playing(channel), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, 0), FMOD_OK);
    system.advance(50);
    EXPECT_EQ(position(channel), 150u);

    FMOD_CHANNEL* started_paused = nullptr;
    ASSERT_EQ(FMOD_System_PlaySound(system.get(), FMOD_CHANNEL_FREE, shot, 1, &started_paused), FMOD_OK);
    system.advance(500);
    EXPECT_EQ(position(started_paused), 0u);
    EXPECT_EQ(playing(started_paused), FMOD_OK);
}

TEST_F(Channels, ChannelVolumeIsClampedAndMultipliedByItsGroup) {
    FMOD_CHANNELGROUP* master = nullptr;
    ASSERT_EQ(FMOD_System_CreateChannelGroup(system.get(), "master", &master), FMOD_OK);
    ASSERT_EQ(FMOD_ChannelGroup_SetVolume(master, 0.5f), FMOD_OK);
    FMOD_CHANNEL* grouped = system.play(tune);
    FMOD_CHANNEL* loose = system.play(tune);
    ASSERT_EQ(FMOD_Channel_SetChannelGroup(grouped, master), FMOD_OK);
    FMOD_Channel_SetVolume(grouped, 0.8f);
    FMOD_Channel_SetVolume(loose, 1.7f);
    EXPECT_FLOAT_EQ(voice(grouped).gain, 0.4f);
    EXPECT_FLOAT_EQ(voice(loose).gain, 1.0f);
    FMOD_Channel_SetVolume(loose, -0.3f);
    EXPECT_FLOAT_EQ(voice(loose).gain, 0.0f);

    // What is heard follows: the loose voice is silent, the grouped one at 0.4 of the full mix.
    int loudest = 0;
    for (int16_t sample : system.advance(200)) loudest = std::max(loudest, std::abs(int{sample}));
    EXPECT_NEAR(loudest, 0.4 * 9000, 0.05 * 9000);

    FMOD_Channel_SetVolume(loose, 1.0f);
    ASSERT_EQ(FMOD_ChannelGroup_SetVolume(master, 2.0f), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetChannelGroup(loose, master), FMOD_OK);
    EXPECT_FLOAT_EQ(voice(loose).gain, 1.0f);
    ASSERT_EQ(FMOD_Channel_SetChannelGroup(loose, nullptr), FMOD_OK);
    EXPECT_EQ(voice(loose).group, nullptr);
}

TEST(Systems, OneAtATimeAndHandlesOfAnEarlierOneNeverWork) {
    std::string path = fixtures::tone_file(Kind::ogg, 500);
    FMOD_CHANNEL* old_channel = nullptr;
    {
        fixtures::ManualSystem first(1);
        FMOD_SYSTEM* second = nullptr;
        EXPECT_EQ(FMOD_System_Create(&second), FMOD_ERR_MEMORY);
        old_channel = first.play(first.stream(path, looping));
    }
    fixtures::ManualSystem next(1);
    FMOD_CHANNEL* channel = next.play(next.stream(path, looping));
    EXPECT_EQ(FMOD_Channel_Stop(old_channel), FMOD_ERR_INVALID_HANDLE);
    FMOD_BOOL playing = 0;
    EXPECT_EQ(FMOD_Channel_IsPlaying(channel, &playing), FMOD_OK);
}

}  // namespace
