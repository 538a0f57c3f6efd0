#include "kv1_fixture.h"

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/settings.h"
#include "support/test_support.h"

namespace kv1_testing {

bool sounding(FMOD_CHANNEL* channel, FMOD_SOUND* sound) {
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.channel == channel && voice.sound == sound) return true;
    return false;
}

void Kv1ShipTest::SetUpTestSuite() {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    if (fmod_system) return;
    ASSERT_EQ(FMOD_System_Create(&fmod_system), FMOD_OK);
    ASSERT_EQ(audio_testing::init_manual(fmod_system, 20), FMOD_OK);
}

void Kv1ShipTest::SetUp() {
    for (int scancode : {key_left, key_right, key_shoot}) release(scancode);
    ship = std::make_unique<Kv1Player>();
    testing_support::WorkingDirectory in_data(testing_support::data_dir());
    ship->load();
}

void Kv1ShipTest::TearDown() {
    for (int scancode : {key_left, key_right, key_shoot}) release(scancode);
}

void Kv1ShipTest::step(int steps) {
    for (int i = 0; i < steps; ++i) {
        ship->update();
        ship->poll_fire_key();
    }
}

}  // namespace kv1_testing
