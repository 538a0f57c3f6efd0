// The whole loader over the generated data tree, once per process as in the game.
#include <allegro.h>
#include <gtest/gtest.h>

#include <utility>
#include <string>
#include <vector>

#include "enemies/pools.h"
#include "game/resource_loader.h"
#include "engine/slots.h"
#include "engine/ui.h"
#include "player/player.h"
#include "support/headless_game.h"
#include "support/test_support.h"

namespace {

// The fraction returned by each call, 75 calls in all.
std::vector<float> fractions;

void load_everything() {
    if (!fractions.empty()) return;
    testing_support::start_headless_game();
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    for (int call = 0; call <= load_step_count; ++call) fractions.push_back(load_resources_step());
}

const auto* const release_records = ::testing::AddGlobalTestEnvironment(new testing_support::ReleaseLoadedRecords);

class Loader : public ::testing::Test {
protected:
    static void SetUpTestSuite() { load_everything(); }
};

TEST_F(Loader, ReportsOneStepPerCallUpToExactlyOneThenLoadsNothingMore) {
    ASSERT_EQ(fractions.size(), 75u);
    EXPECT_FLOAT_EQ(fractions[0], 1.0f / 74.0f);
    EXPECT_FLOAT_EQ(fractions[36], 0.5f);
    EXPECT_EQ(fractions[73], 1.0f);  // exactly: the loading screen waits for 1.0
    EXPECT_EQ(fractions[74], 1.0f);

    BITMAP* const ship_frame = adam_ship.frames[0];
    BITMAP* const record_frame = enemy_one_pool[0].frames[0];
    EXPECT_EQ(load_resources_step(), 1.0f);
    EXPECT_EQ(load_step, 74);
    EXPECT_EQ(adam_ship.frames[0], ship_frame);
    EXPECT_EQ(enemy_one_pool[0].frames[0], record_frame);
}

struct Slot {
    std::string name;
    const void* value;
};

#define SLOT(s) Slot{#s, s}
#define STREAM(s) Slot{#s, s.sound}

template <class T, std::size_t n>
void add_array(std::vector<Slot>& slots, const char* name, T* const (&array)[n]) {
    for (std::size_t i = 0; i < n; ++i) slots.push_back({std::string(name) + "[" + std::to_string(i) + "]", array[i]});
}

std::vector<Slot> every_slot_but_kind_nines_datafile() {
    std::vector<Slot> slots{
        SLOT(enemy_one_strip), SLOT(enemy_two_strip), SLOT(enemy_three_strip), SLOT(enemy_four_strip),
        SLOT(enemy_five_strip), SLOT(enemy_six_strip), SLOT(enemy_seven_strip), SLOT(enemy_eight_strip),
        SLOT(enemy_nine_strip), SLOT(enemy_ten_strip), SLOT(enemy_eleven_strip), SLOT(enemy_twelve_strip),
        SLOT(enemy_one_bullet_strip), SLOT(enemy_two_bullet_strip), SLOT(enemy_three_bullet_strip),
        SLOT(enemy_four_bullet_strip), SLOT(enemy_five_bullet_strip), SLOT(enemy_six_bullet_strip),
        SLOT(enemy_seven_bullet_strip), SLOT(enemy_eight_bullet_strip), SLOT(enemy_ten_bullet_strip),
        SLOT(enemy_eleven_bullet_strip), SLOT(enemy_twelve_bullet_strip), SLOT(kv1_enemy_one_strip),
        SLOT(kv1_enemy_two_strip), SLOT(kv1_enemy_three_strip), SLOT(kv1_enemy_four_strip),
        SLOT(kv1_enemy_one_bullet_strip), SLOT(kv1_enemy_two_bullet_strip), SLOT(kv1_enemy_three_bullet_strip),
        SLOT(kv1_enemy_four_bullet_strip), SLOT(statue_bitmap), SLOT(stage_star), SLOT(mouse_pointer),
        SLOT(paused_platform), SLOT(shield_icon), SLOT(yes_button), SLOT(no_button), SLOT(yes_button_lit),
        SLOT(no_button_lit), SLOT(fonts_datafile), SLOT(faces_datafile), SLOT(font0), SLOT(font1), SLOT(font4),
        SLOT(font5), SLOT(font6), SLOT(font7), SLOT(font8), SLOT(font9), SLOT(overlay_buffer), SLOT(stage1_stars),
        SLOT(stage1_small_stars), SLOT(stage1_earth), SLOT(stage1_moon), SLOT(stage1_b), SLOT(stage1_p),
        SLOT(stage1_b_g), SLOT(stage1_r_y), SLOT(dialog_back), SLOT(dialog_bars), SLOT(menu_words_void),
        SLOT(menu_background), SLOT(menu_words_marchers), SLOT(menu_words_kelvorn), SLOT(menu_start_button),
        SLOT(menu_exit_button), SLOT(menu_options_button), SLOT(menu_hover), SLOT(menu_box),
        SLOT(menu_box_background),
        STREAM(tune_main_menu), STREAM(tune_story), STREAM(tune_character_select), STREAM(tune_upgrade_store),
        STREAM(tune_stage1), STREAM(tune_stage2), STREAM(tune_stage3), STREAM(tune_stage4), STREAM(tune_stage5),
        STREAM(tune_stage6), STREAM(tune_stage7), STREAM(tune_stage8), STREAM(tune_stage9), STREAM(tune_stage10),
        STREAM(tune_continue), STREAM(tune_dialog), STREAM(tune_outro), STREAM(tune_boss), STREAM(tune_boss_2),
        STREAM(tune_challenge_stage), STREAM(tune_kv_main), STREAM(tune_kv1_bgm), STREAM(tune_stage_intro),
        STREAM(tune_kv2_ending), STREAM(tune_kv1_ending), STREAM(sfx_error), STREAM(sfx_start), STREAM(sfx_cheat_powerup),
    };
    add_array(slots, "cloud_bitmaps", cloud_bitmaps);
    add_array(slots, "island_bitmaps", island_bitmaps);
    add_array(slots, "debris_bitmaps", debris_bitmaps);
    add_array(slots, "meteor_bitmaps", meteor_bitmaps);
    add_array(slots, "button_pictures", button_pictures);
    add_array(slots, "helper_icons", helper_icons);
    add_array(slots, "bomb_icons", bomb_icons);
    add_array(slots, "dialog_panes", dialog_panes);
    add_array(slots, "menu_animation_frames", menu_animation_frames);
    for (int kind = 1; kind <= 10; ++kind)
        if (kind != 9) slots.push_back({"enemy_datafiles[" + std::to_string(kind - 1) + "]", enemy_datafiles[kind - 1]});
    return slots;
}

TEST_F(Loader, FillsEverySlotButKindNinesDatafileAndSharesKindOnesBulletWithKv1) {
    for (const Slot& slot : every_slot_but_kind_nines_datafile()) EXPECT_NE(slot.value, nullptr) << slot.name;
    EXPECT_EQ(enemy_datafiles[8], nullptr);  // kind nine's art is a plain picture
    EXPECT_EQ(kv1_enemy_one_bullet_strip, enemy_one_bullet_strip);
    EXPECT_EQ(overlay_buffer->w, 640);
    EXPECT_EQ(overlay_buffer->h, 480);
}

// Pixels of the w x h area at (ax, ay) in a that differ from the same area at (bx, by) in b.
int differing_pixels(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by, int w, int h) {
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) count += getpixel(a, ax + x, ay + y) != getpixel(b, bx + x, by + y);
    return count;
}

TEST_F(Loader, LitButtonsArePlainBlueBoxesOfTheirButtonsSize) {
    for (auto [lit, button] : {std::pair{yes_button_lit, yes_button}, std::pair{no_button_lit, no_button}}) {
        ASSERT_EQ(lit->w, button->w);
        ASSERT_EQ(lit->h, button->h);
        BITMAP* blue = create_bitmap(lit->w, lit->h);
        clear_to_color(blue, makecol(0, 143, 225));
        EXPECT_EQ(differing_pixels(lit, 0, 0, blue, 0, 0, lit->w, lit->h), 0);
        destroy_bitmap(blue);
    }
}

TEST_F(Loader, MenuAnimationFramesAreTheSheetsSixFramesFromLeftToRight) {
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    BITMAP* sheet = load_bitmap("gfx/main_menu/2_animation.gif", nullptr);
    ASSERT_NE(sheet, nullptr);
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(menu_animation_frames[i]->w, 256);
        ASSERT_EQ(menu_animation_frames[i]->h, 270);
        EXPECT_EQ(differing_pixels(menu_animation_frames[i], 0, 0, sheet, 256 * i, 0, 256, 270), 0) << "frame " << i;
    }
    destroy_bitmap(sheet);
}

TEST_F(Loader, BothTemplatesAreEquippedInTheMenuPose) {
    for (auto [ship, character] : {std::pair<const Player*, int>{&adam_ship, 1}, {&kim_ship, 2}}) {
        SCOPED_TRACE(character);
        EXPECT_EQ(ship->character, character);
        EXPECT_TRUE(ship->side_guns);
        EXPECT_EQ(ship->gun_level, 4);
        EXPECT_EQ(ship->side_level, 3);
        EXPECT_EQ(ship->shield_count, 5);
        EXPECT_EQ(ship->three_shot_count, 1);
        EXPECT_TRUE(ship->three_shot_selected);
        EXPECT_EQ(ship->state, 55);  // the menu pose, taken up on the next update
        EXPECT_EQ(ship->x, 500.0f);
        EXPECT_EQ(ship->y, 410.0f);
    }
}

template <class Kind, std::size_t n>
std::vector<const Enemy*> records(const Kind (&pool)[n]) {
    std::vector<const Enemy*> all;
    for (const Kind& record : pool) all.push_back(&record);
    return all;
}

TEST_F(Loader, BuildsEveryPoolRecordWithItsKindsFramesAndHitPoints) {
    const struct {
        std::vector<const Enemy*> records;
        BITMAP* strip;
        int frames, frame_w, hit_points;
    } pools[] = {
        {records(enemy_one_pool), enemy_one_strip, 1, 64, 3},
        {records(enemy_two_pool), enemy_two_strip, 1, 125, 23},
        {records(enemy_three_pool), enemy_three_strip, 1, 93, 6},
        {records(enemy_four_pool), enemy_four_strip, 5, 95, 7},
        {records(enemy_five_pool), enemy_five_strip, 5, 94, 3},
        {records(enemy_six_pool), enemy_six_strip, 5, 85, 3},
        {records(enemy_seven_pool), enemy_seven_strip, 1, 131, 1},
        {records(enemy_eight_pool), enemy_eight_strip, 5, 76, 5},
        {records(enemy_nine_pool), enemy_nine_strip, 5, 83, 4},
        {records(enemy_ten_pool), enemy_ten_strip, 1, 117, 4},
        {records(enemy_eleven_pool), enemy_eleven_strip, 1, 108, 2},
        {records(enemy_twelve_pool), enemy_twelve_strip, 1, 103, 3},
        {records(kv1_enemy_one_pool), kv1_enemy_one_strip, 3, 64, 0},
        {records(kv1_enemy_two_pool), kv1_enemy_two_strip, 1, 64, 0},
        {records(kv1_enemy_three_pool), kv1_enemy_three_strip, 1, 64, 0},
        {records(kv1_enemy_four_pool), kv1_enemy_four_strip, 1, 25, 0},
    };
    std::size_t records_built = 0;
    for (const auto& pool : pools) records_built += pool.records.size();
    EXPECT_EQ(records_built, 247u);
    for (const auto& pool : pools)
        for (const Enemy* record : pool.records) {
            EXPECT_EQ(record->strip, pool.strip);
            for (int i = 0; i < pool.frames; ++i) {
                ASSERT_NE(record->frames[i], nullptr) << "frame " << i;
                EXPECT_EQ(record->frames[i]->w, pool.frame_w);
            }
            EXPECT_EQ(record->frames[pool.frames], nullptr);
            EXPECT_EQ(record->hit_points, pool.hit_points);
        }
}

}  // namespace
