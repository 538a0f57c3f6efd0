#include "player_fixture.h"

#include <filesystem>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/timing.h"
#include "support/test_support.h"
#include "support/tones.h"

namespace fs = std::filesystem;

namespace player_testing {

namespace {

const char* const ship_effects[] = {"adam_bullet_1.ogg", "explosion.ogg", "take_off.ogg",
                                    "bomb_start.ogg",    "bomb_one.ogg",  "bomb_two.ogg"};

std::string build_tree() {
    const fs::path source = testing_support::data_dir();
    const fs::path tree = fs::path(testing_support::scratch_dir()) / "data";
    fs::create_directories(tree / "sfx");
    for (const auto& entry : fs::directory_iterator(source))
        if (entry.path().filename() != "sfx") fs::create_symlink(entry.path(), tree / entry.path().filename());
    for (const char* name : ship_effects) {
        const fs::path made = source / "sfx" / name;
        if (fs::exists(made))
            fs::create_symlink(made, tree / "sfx" / name);
        else
            testing_support::write_tone((tree / "sfx" / name).string(), 500);
    }
    return tree.string();
}

int no_timer(void (*)(), long) { return 0; }
void no_removal(void (*)()) {}

}  // namespace

const std::string& ship_data_tree() {
    static const std::string tree = build_tree();
    return tree;
}

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
    testing_support::WorkingDirectory in_tree(ship_data_tree());
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
