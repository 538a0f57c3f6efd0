// The whole loader over the generated data tree, once per process as in the game.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "audio/system.h"

#include "enemies/pools.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/ui.h"
#include "game/resource_loader.h"
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

// A picture slot and the file the loader's table puts in it: a picture, or an object of a datafile.
struct PictureSlot {
    std::string name;
    BITMAP* slot;
    std::string path;
    int object = -1;  // the datafile object, -1 for a picture file
};

#define PICTURE(s, path) PictureSlot{#s, s, path}
#define OBJECT(s, path, object) PictureSlot{#s, s, path, object}

// Slots s[0], s[1], ... filled from the pattern's files numbered from 1.
template <std::size_t n>
void numbered(std::vector<PictureSlot>& rows, const char* name, BITMAP* const (&s)[n], const char* pattern) {
    for (std::size_t i = 0; i < n; ++i) {
        char path[64];
        std::snprintf(path, sizeof path, pattern, static_cast<int>(i + 1));
        rows.push_back({std::string(name) + "[" + std::to_string(i) + "]", s[i], path});
    }
}

std::vector<PictureSlot> picture_slots() {
    std::vector<PictureSlot> rows{
        OBJECT(enemy_one_strip, "enemy_one.dat", 0),
        OBJECT(enemy_one_bullet_strip, "enemy_one.dat", 1),
        PICTURE(kv1_enemy_four_strip, "gfx/kv1/enemies/enemy_four/enemy_four.png"),
        PICTURE(kv1_enemy_four_bullet_strip, "gfx/kv1/enemies/enemy_four/bullet.png"),
        PICTURE(kv1_enemy_one_strip, "gfx/kv1/enemies/enemy_one/rocketship.gif"),
        OBJECT(kv1_enemy_one_bullet_strip, "enemy_one.dat", 1),
        PICTURE(kv1_enemy_three_strip, "gfx/kv1/enemies/enemy_three/enemythree.png"),
        PICTURE(kv1_enemy_three_bullet_strip, "gfx/kv1/enemies/enemy_three/bullet.png"),
        PICTURE(kv1_enemy_two_strip, "gfx/kv1/enemies/enemy_two/enemytwo.gif"),
        PICTURE(kv1_enemy_two_bullet_strip, "gfx/kv1/enemies/enemy_two/bullet.png"),
        PICTURE(statue_bitmap, "gfx/tenth_stage/statue.png"),
        OBJECT(enemy_two_strip, "enemy_two.dat", 0),
        OBJECT(enemy_two_bullet_strip, "enemy_two.dat", 1),
        OBJECT(enemy_three_strip, "enemy_three.dat", 0),
        OBJECT(enemy_three_bullet_strip, "enemy_three.dat", 1),
        OBJECT(enemy_four_strip, "enemy_four.dat", 0),
        OBJECT(enemy_four_bullet_strip, "enemy_four.dat", 1),
        PICTURE(cloud_bitmaps[0], "gfx/third_stage/cloud_small.png"),
        PICTURE(cloud_bitmaps[1], "gfx/third_stage/cloud_medium_1.png"),
        PICTURE(cloud_bitmaps[2], "gfx/third_stage/cloud_medium_2.png"),
        PICTURE(cloud_bitmaps[3], "gfx/third_stage/cloud_big.png"),
        PICTURE(button_pictures[0], "gfx/gui/left_btn.gif"),
        PICTURE(button_pictures[1], "gfx/gui/right_btn.gif"),
        PICTURE(button_pictures[2], "gfx/gui/play_btn.gif"),
        PICTURE(button_pictures[3], "gfx/gui/stop_btn.gif"),
        PICTURE(mouse_pointer, "gfx/gui/mouse.gif"),
        PICTURE(paused_platform, "paused_platform.png"),
        PICTURE(helper_icons[0], "gfx/helpers/one_shot_frame.png"),
        PICTURE(helper_icons[1], "gfx/helpers/three_shot_frame.png"),
        PICTURE(bomb_icons[0], "gfx/bombs/bomb1_frame.png"),
        PICTURE(bomb_icons[1], "gfx/bombs/bomb2_frame.png"),
        OBJECT(enemy_five_strip, "enemy_five.dat", 0),
        OBJECT(enemy_five_bullet_strip, "enemy_five.dat", 1),
        OBJECT(enemy_six_strip, "enemy_six.dat", 0),
        OBJECT(enemy_six_bullet_strip, "enemy_six.dat", 1),
        OBJECT(enemy_seven_strip, "enemy_seven.dat", 0),
        OBJECT(enemy_seven_bullet_strip, "enemy_seven.dat", 1),
        PICTURE(yes_button, "kv2_yes.gif"),
        OBJECT(enemy_eight_strip, "enemy_eight.dat", 0),
        OBJECT(enemy_eight_bullet_strip, "enemy_eight.dat", 1),
        PICTURE(no_button, "kv2_no.gif"),
        PICTURE(enemy_nine_strip, "gfx/enemies/enemy_nine/enemy.png"),
        PICTURE(stage_star, "gfx/stars/stage/star.gif"),
        OBJECT(enemy_ten_strip, "enemy_ten.dat", 0),
        OBJECT(enemy_ten_bullet_strip, "enemy_ten.dat", 1),
        PICTURE(enemy_eleven_strip, "gfx/enemies/enemy_eleven/enemy.png"),
        PICTURE(enemy_eleven_bullet_strip, "gfx/enemies/enemy_eleven/bullet.gif"),
        PICTURE(enemy_twelve_strip, "gfx/enemies/enemy_twelve/enemy.png"),
        PICTURE(enemy_twelve_bullet_strip, "gfx/enemies/enemy_twelve/bullet.gif"),
        PICTURE(shield_icon, "shield_bar.png"),
        PICTURE(stage1_stars, "stage1_stars.png"),
        PICTURE(stage1_small_stars, "stage1_small_stars.png"),
        PICTURE(stage1_earth, "gfx/first_stage/kv2_earth_3.gif"),
        PICTURE(stage1_moon, "gfx/first_stage/kv2_moon.gif"),
        PICTURE(stage1_b, "gfx/first_stage/stage1_b.gif"),
        PICTURE(stage1_p, "gfx/first_stage/stage1_p.gif"),
        PICTURE(stage1_b_g, "gfx/first_stage/stage1_b_g.gif"),
        PICTURE(stage1_r_y, "gfx/first_stage/stage1_r_y.gif"),
        PICTURE(dialog_back, "gfx/dialog/dialog_back.gif"),
        PICTURE(dialog_bars, "gfx/dialog/dialog_bars.gif"),
        PICTURE(menu_words_void, "gfx/main_menu/kv2_words_void.gif"),
        PICTURE(menu_background, "gfx/main_menu/menu_background.gif"),
        PICTURE(menu_words_marchers, "gfx/main_menu/kv2_words_marchers.gif"),
        PICTURE(menu_words_kelvorn, "gfx/main_menu/kv2_words_kelvorn.png"),
        PICTURE(menu_start_button, "gfx/main_menu/kv_main_start.gif"),
        PICTURE(menu_exit_button, "gfx/main_menu/kv2_main_exit.gif"),
        PICTURE(menu_options_button, "gfx/main_menu/kv2_main_options.gif"),
        PICTURE(menu_hover, "gfx/main_menu/kv2_main_hover.gif"),
        PICTURE(menu_box, "gfx/main_menu/kv2_main_box.gif"),
        PICTURE(menu_box_background, "gfx/main_menu/kv2_main_box_background.gif"),
    };
    numbered(rows, "island_bitmaps", island_bitmaps, "gfx/third_stage/island_%d.png");
    numbered(rows, "debris_bitmaps", debris_bitmaps, "gfx/objects/debris/%d.png");
    numbered(rows, "meteor_bitmaps", meteor_bitmaps, "gfx/objects/meteors/%d.gif");
    return rows;
}

// Pixels of the w x h area at (ax, ay) in a that differ from the same area at (bx, by) in b.
int differing_pixels(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by, int w, int h) {
    int count = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) count += getpixel(a, ax + x, ay + y) != getpixel(b, bx + x, by + y);
    return count;
}

TEST_F(Loader, EachPictureSlotHoldsItsOwnFile) {
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    std::map<std::string, DATAFILE*> datafiles;
    for (const PictureSlot& row : picture_slots()) {
        SCOPED_TRACE(row.name + " from " + row.path);
        ASSERT_NE(row.slot, nullptr);
        BITMAP* file = nullptr;
        if (row.object < 0) {
            file = load_picture_ex(row.path.c_str());
        } else {
            DATAFILE*& datafile = datafiles[row.path];
            if (!datafile) datafile = load_datafile_ex(row.path.c_str());
            file = datafile_bitmap(datafile[row.object]);
        }
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(row.slot->w, file->w);
        ASSERT_EQ(row.slot->h, file->h);
        EXPECT_EQ(differing_pixels(row.slot, 0, 0, file, 0, 0, file->w, file->h), 0);
        if (row.object < 0) destroy_bitmap(file);
    }
    for (auto& [path, datafile] : datafiles) unload_datafile(datafile);
}

TEST_F(Loader, EnemyDatafilesStayLoadedUnderTheirStripsAndKindNineHasNone) {
    const struct {
        int kind;
        BITMAP* strip;
        BITMAP* bullet_strip;
    } kinds[] = {
        {1, enemy_one_strip, enemy_one_bullet_strip},     {2, enemy_two_strip, enemy_two_bullet_strip},
        {3, enemy_three_strip, enemy_three_bullet_strip}, {4, enemy_four_strip, enemy_four_bullet_strip},
        {5, enemy_five_strip, enemy_five_bullet_strip},   {6, enemy_six_strip, enemy_six_bullet_strip},
        {7, enemy_seven_strip, enemy_seven_bullet_strip}, {8, enemy_eight_strip, enemy_eight_bullet_strip},
        {10, enemy_ten_strip, enemy_ten_bullet_strip},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        const DATAFILE* datafile = enemy_datafiles[k.kind - 1];
        ASSERT_NE(datafile, nullptr);
        EXPECT_EQ(datafile_bitmap(datafile[0]), k.strip);
        EXPECT_EQ(datafile_bitmap(datafile[1]), k.bullet_strip);
    }
    EXPECT_EQ(enemy_datafiles[8], nullptr);  // kind nine's art is a plain picture
    EXPECT_EQ(kv1_enemy_one_bullet_strip, enemy_one_bullet_strip);
}

TEST_F(Loader, FontsAreTheirObjectsOfTheFontDatafileAndFacesTheirOwnFile) {
    const struct {
        const char* name;
        FONT* slot;
        int object;
    } fonts[] = {{"font0", font0, 0}, {"font1", font1, 1}, {"font4", font4, 4}, {"font5", font5, 5},
                 {"font6", font6, 6}, {"font7", font7, 7}, {"font8", font8, 8}, {"font9", font9, 9}};
    for (const auto& f : fonts) {
        ASSERT_NE(f.slot, nullptr) << f.name;
        EXPECT_EQ(f.slot, fonts_datafile[f.object].dat) << f.name;
    }
    testing_support::WorkingDirectory in_tree(testing_support::data_dir());
    for (auto [slot, path] : {std::pair{fonts_datafile, "fonts/fonts.dat"}, std::pair{faces_datafile, "gfx/faces/faces.dat"}}) {
        SCOPED_TRACE(path);
        DATAFILE* file = load_datafile_ex(path);
        int n = 0;
        for (; file[n].type != DAT_END; ++n) {
            ASSERT_EQ(slot[n].type, file[n].type) << "object " << n;
            EXPECT_EQ(slot[n].size, file[n].size) << "object " << n;
        }
        EXPECT_EQ(slot[n].type, DAT_END);
        unload_datafile(file);
    }
}

TEST_F(Loader, MadeBitmapsHaveTheirSizes) {
    const struct {
        const char* name;
        BITMAP* slot;
        int w, h;
    } made[] = {
        {"overlay_buffer", overlay_buffer, 640, 480},
        {"dialog_panes[0]", dialog_panes[0], 640, 238},
        {"dialog_panes[1]", dialog_panes[1], 640, 238},
    };
    for (const auto& m : made) {
        ASSERT_NE(m.slot, nullptr) << m.name;
        EXPECT_EQ(m.slot->w, m.w) << m.name;
        EXPECT_EQ(m.slot->h, m.h) << m.name;
    }
}

// The stream's file and its loop in milliseconds, from the audio library's own record.
struct StreamFacts {
    std::string path;
    unsigned length_ms;
    bool looping;
    unsigned loop_start_ms, loop_end_ms;
};

StreamFacts facts_of(FMOD_SOUND* sound) {
    const auto* stream = static_cast<const audio::Sound*>(sound);
    const int rate = stream->track->format.rate;
    unsigned length = 0;
    EXPECT_EQ(FMOD_Sound_GetLength(sound, &length, FMOD_TIMEUNIT_MS), FMOD_OK);
    return {stream->track->path, length, stream->loop.on, static_cast<unsigned>(stream->loop.start * 1000 / rate),
            static_cast<unsigned>(stream->loop.end * 1000 / rate)};
}

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

constexpr int once = -1;  // a tune that plays through and stops

TEST_F(Loader, EveryTuneAndEffectIsItsFileWithItsLoopPoints) {
    const struct {
        const char* name;
        FMOD_SOUND* sound;
        const char* path;
        int loop_back;  // 0: all but 12 ms at each end; else from that far before the middle to 51 ms before the end
    } tunes[] = {
        {"tune_main_menu", tune_main_menu.sound, "bgm/main_menu/tune.mp3", 0},
        {"tune_story", tune_story.sound, "bgm/story/tune.ogg", 51},
        {"tune_character_select", tune_character_select.sound, "bgm/character_select/kv2_characterselect.ogg", 51},
        {"tune_upgrade_store", tune_upgrade_store.sound, "bgm/upgrade_store/tune.ogg", 51},
        {"tune_stage1", tune_stage1.sound, "bgm/first_stage/tune.ogg", 0},
        {"tune_stage2", tune_stage2.sound, "bgm/second_stage/tune.ogg", 0},
        {"tune_stage3", tune_stage3.sound, "bgm/third_stage/tune.ogg", 0},
        {"tune_stage4", tune_stage4.sound, "bgm/fourth_stage/tune.ogg", 0},
        {"tune_stage5", tune_stage5.sound, "bgm/fifth_stage/tune.ogg", 0},
        {"tune_stage6", tune_stage6.sound, "bgm/sixth_stage/tune.ogg", 0},
        {"tune_stage7", tune_stage7.sound, "bgm/seventh_stage/tune.ogg", 0},
        {"tune_stage8", tune_stage8.sound, "bgm/eigth_stage/tune.ogg", 0},
        {"tune_stage9", tune_stage9.sound, "bgm/ninth_stage/tune.ogg", 0},
        {"tune_stage10", tune_stage10.sound, "bgm/tenth_stage/tune.ogg", 0},
        {"tune_continue", tune_continue.sound, "bgm/continue/kv2_continue.ogg", 51},
        {"tune_dialog", tune_dialog.sound, "bgm/dialog/tune.ogg", 0},
        {"tune_outro", tune_outro.sound, "bgm/outro/tune.ogg", once},
        {"tune_boss", tune_boss.sound, "bgm/boss/tune.ogg", 0},
        {"tune_boss_2", tune_boss_2.sound, "bgm/boss_2/tune.ogg", 51},
        {"tune_challenge_stage", tune_challenge_stage.sound, "bgm/challenge_stage/tune.ogg", 48},
        {"tune_kv_main", tune_kv_main.sound, "bgm/kv_main/tune.ogg", 51},
        {"tune_kv1_bgm", tune_kv1_bgm.sound, "bgm/kv1_bgm/tune.ogg", 51},
        {"tune_stage_intro", tune_stage_intro.sound, "bgm/stage_intro/tune.ogg", 51},
        {"tune_kv2_ending", tune_kv2_ending.sound, "bgm/kv2_ending/tune.ogg", 51},
        {"tune_kv1_ending", tune_kv1_ending.sound, "bgm/kv1_ending/tune.ogg", 51},
        {"sfx_error", sfx_error.sound, "sfx/error.ogg", once},
        {"sfx_start", sfx_start.sound, "sfx/start.ogg", once},
        {"sfx_cheat_powerup", sfx_cheat_powerup.sound, "sfx/cheat_powerup.ogg", once},
    };
    for (const auto& t : tunes) {
        SCOPED_TRACE(t.name);
        ASSERT_NE(t.sound, nullptr);
        const StreamFacts facts = facts_of(t.sound);
        EXPECT_TRUE(ends_with(facts.path, std::string("/") + t.path)) << facts.path;
        EXPECT_EQ(facts.looping, t.loop_back != once);
        if (t.loop_back == once) continue;
        const unsigned length = facts.length_ms;
        EXPECT_EQ(facts.loop_start_ms, t.loop_back == 0 ? 12 : length / 2 - t.loop_back);
        EXPECT_EQ(facts.loop_end_ms, t.loop_back == 0 ? length - 12 : length - 51);
    }
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
