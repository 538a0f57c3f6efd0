#include "kv1_fixture.h"

#include <filesystem>

#include "audio_testing.h"
#include "engine/gameengine.h"
#include "engine/gif.h"
#include "engine/settings.h"
#include "support/test_support.h"
#include "support/tones.h"

namespace kv1_testing {

namespace {

namespace fs = std::filesystem;

const char* const ship_effects[] = {"sfx/adam_bullet_1.ogg", "sfx/explosion.ogg", "sfx/take_off.ogg"};

std::string make_ship_data_tree() {
    const fs::path generated = testing_support::data_dir();
    bool complete = true;
    for (const char* effect : ship_effects) complete = complete && fs::exists(generated / effect);
    if (complete) return generated.string();

    const fs::path tree = testing_support::scratch_dir();
    for (const char* entry : {"kv1_adam_ship.dat", "explosions.dat", "fonts"})
        fs::create_symlink(generated / entry, tree / entry);
    fs::create_directories(tree / "sfx");
    for (const char* effect : ship_effects) testing_support::write_tone((tree / effect).string(), 400);
    return tree.string();
}

}  // namespace

const std::string& ship_data_tree() {
    static const std::string tree = make_ship_data_tree();
    return tree;
}

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
    testing_support::WorkingDirectory in_data(ship_data_tree());
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
