#include "stage_world.h"

#include <gtest/gtest.h>
#include <loadpng.h>

#include <cstdlib>

#include "audio_testing.h"
#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "game/resource_loader.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/soundclip.h"
#include "player/player.h"
#include "support/headless_game.h"
#include "support/pictures.h"

namespace stage_world {

namespace {

int no_timer(void (*)(), long) { return 0; }
void no_removal(void (*)()) {}

void load_everything() {
    // The shake's timer needs a display.
    timing_calls.install_int_ex = no_timer;
    timing_calls.remove_int = no_removal;
    testing_support::load_whole_game();
    // As the game does at start-up: some boss parts are PNG pictures loaded by extension.
    register_png_file_type();
}

const auto* const release_records = ::testing::AddGlobalTestEnvironment(new testing_support::ReleaseLoadedRecords);

}  // namespace

void prepare(int character) {
    static const bool loaded = (load_everything(), true);
    (void)loaded;
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    player.load(character);
    selected_character = character;
    player_face = datafile_bitmap(faces_datafile[character - 1]);
    for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
    mouse_x = mouse_y = mouse_b = 0;
    paused = false;
    return_to_menu = false;
    difficulty = 1;
    scroll_speed = 0;
    wave_hurry = 0;
    speed_counter = 0;
    // Every test draws from the sequence a new run of the game starts with, whatever ran before.
    std::srand(1);
}

FMOD_SOUND* music() {
    for (const audio_testing::Voice& voice : audio_testing::voices(fmod_system))
        if (voice.channel == music_channel) return voice.sound;
    return nullptr;
}

Driver::Driver(std::unique_ptr<StageRunner> stage)
    : in_tree_(testing_support::data_dir()), stage_(std::move(stage)) {
    stage_->set_up();
}

Driver::~Driver() = default;

void Driver::pass(int n) {
    for (int i = 0; i < n; ++i) {
        speed_counter = 1;
        loop_.pass([&] { stage_->step(); }, [&] { stage_->draw(); });
    }
}

bool Driver::steps_until(const std::function<bool()>& done, int limit) {
    for (int i = 0; i < limit; ++i) {
        if (done()) return true;
        stage_->step();
    }
    return done();
}

void Driver::press(int scancode) {
    key[scancode] = 1;
    pass();
    key[scancode] = 0;
    pass();
}

void Driver::skip_title() {
    steps_until([&] { return stage_->scroll_started == 1; });
}

void Driver::kill_in_play(const Groups& groups) {
    for (const Group& group : groups)
        for_each_record(group, [](Enemy& record) {
            if (record.in_play && !record.dying) record.damage = record.hit_points + 1;
        });
}

const Groups& stage_one_ranges() {
    static const Groups ranges{{PoolKind::one, 0, 26}, {PoolKind::two, 0, 3}, {PoolKind::three, 0, 9},
                               {PoolKind::four, 0, 14}};
    return ranges;
}

bool shows(BITMAP* target, FONT* f, const std::string& text, int x, int y) {
    BITMAP* alone = create_bitmap(text_length(f, text.c_str()), text_height(f));
    clear_bitmap(alone);
    textout_ex(alone, f, text.c_str(), 0, 0, -1, -1);
    bool same = true;
    for (int j = 0; j < alone->h; ++j)
        for (int i = 0; i < alone->w; ++i) {
            const int c = getpixel(alone, i, j);
            if (c != 0) same &= getpixel(target, x + i, y + j) == c;
        }
    destroy_bitmap(alone);
    return same;
}

BITMAP* page() { return testing_support::screen_page(); }

void save_page(const char* name) {
    EXPECT_EQ(save_png(testing_support::picture_path(name).c_str(), page(), nullptr), 0);
}

}  // namespace stage_world
