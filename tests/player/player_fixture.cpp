#include "player_fixture.h"

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/timing.h"
#include "support/test_support.h"

namespace player_testing {

namespace {

int no_timer(void (*)(), long) { return 0; }
void no_removal(void (*)()) {}

}  // namespace

int voices_playing(FMOD_SOUND* sound) {
    int count = 0;
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.sound == sound) ++count;
    return count;
}

void PlayerTest::SetUpTestSuite() {
    register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    register_bitmap_file_type("gif", load_gif, nullptr);
    // The screen shake's timer needs a display; a hit only has to start and stop it.
    timing_calls.install_int_ex = no_timer;
    timing_calls.remove_int = no_removal;
    if (fmod_system) return;
    ASSERT_EQ(FMOD_System_Create(&fmod_system), FMOD_OK);
    ASSERT_EQ(audio_testing::init_manual(fmod_system, 20), FMOD_OK);
}

void PlayerTest::SetUp() {
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
}

void PlayerTest::TearDown() {
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
}

std::unique_ptr<Player> PlayerTest::loaded(int character) {
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    auto ship = std::make_unique<Player>();
    ship->load(character);
    return ship;
}

std::unique_ptr<Player> PlayerTest::flying(int character) {
    auto ship = loaded(character);
    step(*ship, 6);  // take off and stand
    ship->blinking = false;
    ship->blink_timer = 0;
    return ship;
}

void PlayerTest::step(Player& ship, int steps) {
    for (int i = 0; i < steps; ++i) {
        ship.update();
        ship.poll_bomb_keys();
    }
}

}  // namespace player_testing
