// Enemy sounds: one stream per file for all records, and one shared channel per kind of sound.
#include <gtest/gtest.h>

#include "audio_testing.h"
#include "enemies/pools.h"
#include "support/enemy_world.h"
#include "engine/gameengine.h"
#include "engine/settings.h"
#include "support/test_support.h"

namespace {

int voices_of(FMOD_SOUND* sound) {
    int n = 0;
    for (const auto& voice : audio_testing::voices(fmod_system)) n += voice.sound == sound;
    return n;
}

float volume_on(FMOD_CHANNEL* channel) {
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.channel == channel) return voice.volume;
    return -1.0f;
}

class EnemySounds : public ::testing::Test {
protected:
    void SetUp() override {
        enemy_world::prepare();
        master_volume = 1.0f;
    }
    void TearDown() override {
        FMOD_Channel_Stop(enemy_explosion_channel);
        FMOD_Channel_Stop(enemy_bullet_channel);
        master_volume = 1.0f;
    }

    testing_support::WorkingDirectory in_data{testing_support::data_dir()};
};

TEST_F(EnemySounds, RecordsShareOneStreamPerFile) {
    EnemyOne a, b;
    EnemyTwo two;
    EnemyThree three;
    EnemyFour four;
    a.init(0.0f, 0.0f);
    b.init(0.0f, 0.0f);
    two.init(0.0f, 0.0f);
    three.init(0.0f, 0.0f);
    four.init(0.0f, 0.0f);
    ASSERT_NE(a.bullet_sound, nullptr);
    ASSERT_NE(a.explosion_sound, nullptr);
    EXPECT_EQ(a.bullet_sound, b.bullet_sound);
    EXPECT_EQ(a.bullet_sound, two.bullet_sound);
    EXPECT_NE(a.bullet_sound, three.bullet_sound);
    EXPECT_NE(three.bullet_sound, four.bullet_sound);
    EXPECT_NE(a.explosion_sound, a.bullet_sound);
    EXPECT_EQ(a.explosion_sound, four.explosion_sound);
}

TEST_F(EnemySounds, OneEnemyExplosionPlaysAtATimeAtTheMasterVolume) {
    master_volume = 0.5f;
    EnemyOne a, b;
    for (EnemyOne* record : {&a, &b}) {
        record->init(0.0f, 0.0f);
        enemy_world::spawn(*record, 100.0f, 100.0f);
        record->state = 0;
        record->damage = record->hit_points + 1;
    }
    a.update();
    b.update();
    EXPECT_EQ(voices_of(a.explosion_sound), 1);
    EXPECT_FLOAT_EQ(volume_on(enemy_explosion_channel), 0.5f);
    audio_testing::advance(fmod_system, 20);
    EXPECT_EQ(voices_of(a.explosion_sound), 1);
}

TEST_F(EnemySounds, AShotReplacesTheEnemyShotBeforeIt) {
    EnemyOne one;
    EnemyThree three;
    one.init(0.0f, 0.0f);
    three.init(0.0f, 0.0f);
    for (Enemy* record : {static_cast<Enemy*>(&one), static_cast<Enemy*>(&three)}) {
        enemy_world::spawn(*record, 100.0f, 100.0f);
        record->state = 0;
    }
    three.set_direction(0);
    enemy_world::fire_on_next_draw(1000);
    one.update();
    ASSERT_TRUE(one.bullets[0].active);
    EXPECT_EQ(voices_of(one.bullet_sound), 1);
    enemy_world::fire_on_next_draw(400);
    three.update();
    ASSERT_TRUE(three.bullets[0].active);
    EXPECT_EQ(voices_of(one.bullet_sound), 0);
    EXPECT_EQ(voices_of(three.bullet_sound), 1);
}

}  // namespace
