#include "manifest.h"

namespace manifest {

namespace {

Object gif(Size size = any_size, Fill fill = Fill::masked) { return {Object::gif, size, fill}; }
Object font(int max_height) { return {Object::font, {1, INT_MAX, 1, max_height}}; }
Object file(std::vector<Object> children) { return {Object::file, any_size, Fill::masked, std::move(children)}; }
Size below_480{1, INT_MAX, 1, 480};

std::vector<Object> ship_objects() {
    std::vector<Object> objects(14, gif());
    objects[6] = objects[7] = gif(exact(1, 1));
    objects[11] = gif(exact(576, 66));
    objects[12] = gif(exact(320, 64));
    return objects;
}

Datafile enemy(const char* path, Size strip) { return {path, {gif(strip), gif()}}; }

}  // namespace

const std::vector<Picture>& pictures() {
    static const std::vector<Picture> all = {
        // Engine and shared
        {"logo.png", exact(640, 480), Fill::opaque},
        {"gfx/loader/back.gif", exact(640, 480)},
        {"gfx/loader/bar.gif", at_most(7, 30), Fill::opaque},
        {"gfx/loader/kv2_options_background.gif", exact(640, 480), Fill::opaque},
        {"gfx/gui/left_btn.gif", at_most(25, 31)},
        {"gfx/gui/right_btn.gif", at_most(25, 31)},
        {"gfx/gui/play_btn.gif", at_most(30, 31)},
        {"gfx/gui/stop_btn.gif", at_most(30, 31)},
        {"gfx/gui/mouse.gif", exact(16, 16)},
        {"kv2_yes.gif", at_most(160, 90)},
        {"kv2_no.gif", at_most(280, 90)},
        {"paused_platform.png", at_most(640, 480)},
        {"shield_bar.png", at_most(11, 480)},
        {"gfx/helpers/one_shot_frame.png", at_most(21, 20)},
        {"gfx/helpers/three_shot_frame.png", at_most(21, 20)},
        {"gfx/bombs/bomb1_frame.png", at_most(21, 20)},
        {"gfx/bombs/bomb2_frame.png", at_most(21, 20)},
        {"gfx/dialog/dialog_back.gif", at_most(640, 238), Fill::opaque},
        {"gfx/dialog/dialog_bars.gif", at_most(640, 238)},
        // Ships, helpers and bombs
        {"hit_pic.png", any_size},
        {"gfx/helpers/one_shot.gif", exact(56, 16)},
        {"gfx/helpers/3_shot.png", exact(84, 15)},
        {"gfx/helpers/one_shot_bullet.png", any_size},
        {"gfx/helpers/three_shot_bullet.png", any_size},
        {"gfx/player_bombs/bomb_charge.png", exact(2788, 164)},
        {"gfx/player_bombs/charge_middle.png", any_size},
        {"gfx/player_bombs/bomb_1.png", exact(1606, 480)},
        {"gfx/player_bombs/bomb_2_laser_2.png", exact(400, 640)},
        // Enemies
        {"gfx/enemies/enemy_five/bullet.gif", any_size},
        {"gfx/enemies/enemy_seven/hit.png", any_size},
        {"gfx/enemies/enemy_nine/enemy.png", exact(415, 83)},
        {"gfx/enemies/enemy_eleven/enemy.png", exact(108, 139)},
        {"gfx/enemies/enemy_eleven/bullet.gif", any_size},
        {"gfx/enemies/enemy_eleven/hit.png", any_size},
        {"gfx/enemies/enemy_eleven/turret.png", any_size},
        {"gfx/enemies/enemy_eleven/wheels.png", exact(30, 29)},
        {"gfx/enemies/enemy_twelve/enemy.png", exact(103, 130)},
        {"gfx/enemies/enemy_twelve/bullet.gif", any_size},
        {"gfx/enemies/enemy_twelve/hit.png", any_size},
        {"gfx/enemies/enemy_twelve/turret.png", any_size},
        {"gfx/enemies/enemy_twelve/wheels.png", exact(60, 28)},
        {"gfx/kv1/enemies/enemy_one/rocketship.gif", exact(192, 64)},
        {"gfx/kv1/enemies/enemy_one/rocketship_thrusters.gif", exact(192, 64)},
        {"gfx/kv1/enemies/enemy_one/frame.png", at_most(64, 480)},
        {"gfx/kv1/enemies/enemy_two/enemytwo.gif", exact(64, 64)},
        {"gfx/kv1/enemies/enemy_two/bullet.png", any_size},
        {"gfx/kv1/enemies/enemy_three/enemythree.png", exact(64, 64)},
        {"gfx/kv1/enemies/enemy_three/bullet.png", any_size},
        {"gfx/kv1/enemies/enemy_four/enemy_four.png", exact(25, 28)},
        {"gfx/kv1/enemies/enemy_four/bullet.png", any_size},
        {"gfx/kv1/enemies/enemy_four/frame.png", any_size},
        // Scenery, stars, meteors
        {"gfx/third_stage/cloud_small.png", any_size},
        {"gfx/third_stage/cloud_medium_1.png", any_size},
        {"gfx/third_stage/cloud_medium_2.png", any_size},
        {"gfx/third_stage/cloud_big.png", any_size},
        {"gfx/third_stage/island_1.png", below_480},
        {"gfx/third_stage/island_2.png", below_480},
        {"gfx/third_stage/island_3.png", below_480},
        {"gfx/tenth_stage/statue.png", below_480},
        {"gfx/objects/debris/1.png", below_480},
        {"gfx/objects/debris/2.png", below_480},
        {"gfx/objects/debris/3.png", below_480},
        {"gfx/objects/debris/4.png", below_480},
        {"gfx/objects/debris/5.png", below_480},
        {"gfx/objects/debris/6.png", below_480},
        {"gfx/objects/debris/7.png", below_480},
        {"gfx/objects/debris/8.png", below_480},
        {"gfx/objects/debris/9.png", below_480},
        {"gfx/objects/debris/10.png", below_480},
        {"gfx/objects/debris/11.png", below_480},
        {"gfx/objects/debris/12.png", below_480},
        {"gfx/objects/meteors/1.gif", below_480},
        {"gfx/objects/meteors/2.gif", below_480},
        {"gfx/stars/stage/star.gif", any_size},
        {"gfx/stars/menu/star.gif", any_size},
        {"gfx/stars/story/star.gif", any_size},
        {"gfx/stars/character_select/star.gif", any_size},
        // Stage backdrops, stage scenery and boss faces
        {"stage1_stars.png", exact(640, 1440), Fill::opaque},
        {"stage1_small_stars.png", exact(640, 480), Fill::opaque},
        {"gfx/first_stage/kv2_earth_3.gif", any_size},
        {"gfx/first_stage/kv2_moon.gif", at_most(630, 300)},
        {"gfx/first_stage/stage1_b.gif", exact(640, 480), Fill::opaque},
        {"gfx/first_stage/stage1_p.gif", exact(640, 480), Fill::opaque},
        {"gfx/first_stage/stage1_b_g.gif", exact(640, 480), Fill::opaque},
        {"gfx/first_stage/stage1_r_y.gif", exact(640, 480), Fill::opaque},
        {"gfx/first_stage/debris_level_1_1.gif", exact(640, 480)},
        {"gfx/third_stage/planet.gif", exact(634, 634)},
        {"gfx/third_stage/water.png", exact(640, 480), Fill::opaque},
        {"gfx/fourth_stage/planet.png", at_most(640, 480)},
        {"gfx/fifth_stage/planet.png", exact(650, 650)},
        {"gfx/fifth_stage/desert.png", exact(640, 480), Fill::opaque},
        {"gfx/seventh_stage/forest1_2.gif", exact(640, 480), Fill::opaque},
        {"gfx/seventh_stage/forest2_2.gif", exact(640, 480), Fill::opaque},
        {"gfx/seventh_stage/forest3_2.gif", exact(640, 480), Fill::opaque},
        {"gfx/seventh_stage/planet.png", exact(650, 650)},
        {"gfx/ninth_stage/top.png", at_most(640, 480)},
        {"gfx/ninth_stage/bottom.png", at_most(640, 480)},
        {"gfx/tenth_stage/side.png", {1, 320, 480, 480}},
        {"gfx/tenth_stage/floor.png", exact(640, 480), Fill::opaque},
        {"gfx/kv1/background.png", exact(640, 480), Fill::opaque},
        {"gfx/faces/boss_1_face.gif", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_2_face.png", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_3_face.png", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_4_face.png", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_5_face.gif", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_6_face.png", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_7_face.png", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_8_face.png", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_9_face.png", exact(238, 238), Fill::opaque},
        {"gfx/faces/boss_10_face.png", exact(238, 238), Fill::opaque},
        // Screens and menus
        {"gfx/kv_main_menu/background.png", exact(640, 480), Fill::opaque},
        {"gfx/kv_main_menu/kv1.png", exact(160, 120), Fill::opaque},
        {"gfx/kv_main_menu/kv2.png", exact(160, 120), Fill::opaque},
        {"gfx/main_menu/series.png", at_most(390, 117)},
        {"gfx/main_menu/kv2_words_void.gif", at_most(351, 107)},
        {"gfx/main_menu/menu_background.gif", {1135, INT_MAX, 1135, INT_MAX}, Fill::opaque},
        {"gfx/main_menu/kv2_words_marchers.gif", at_most(640, 83)},
        {"gfx/main_menu/kv2_words_kelvorn.png", at_most(640, 60)},
        {"gfx/main_menu/kv_main_start.gif", at_most(640, 35)},
        {"gfx/main_menu/kv2_main_exit.gif", at_most(640, 35)},
        {"gfx/main_menu/kv2_main_options.gif", at_most(640, 35)},
        {"gfx/main_menu/kv2_main_hover.gif", at_most(640, 35)},
        {"gfx/main_menu/kv2_main_box.gif", {1, 640, 130, 480}},
        {"gfx/main_menu/kv2_main_box_background.gif", at_most(640, 480)},
        {"gfx/main_menu/2_animation.gif", exact(1536, 270)},
        {"gfx/character_select/kv2_select_adam.gif", at_most(309, 383)},
        {"gfx/character_select/kv2_select_adam_plane.gif", exact(64, 64)},
        {"gfx/character_select/kv2_select_stars.gif", exact(640, 480), Fill::opaque},
        {"gfx/character_select/select.gif", at_most(640, 115)},
        {"gfx/character_select/kv2_select_kim.gif", at_most(302, 388)},
        {"gfx/character_select/kv2_select_kim_plane.gif", exact(64, 64)},
        {"gfx/character_select/kv2_select_box.gif", at_most(640, 174)},
        {"gfx/character_select/kv2_select_box_background.gif", at_most(640, 174)},
        {"gfx/upgrade_store/background.png", exact(640, 480), Fill::opaque},
        {"gfx/upgrade_store/left_side.png", at_most(640, 480)},
        {"gfx/upgrade_store/right_side.png", at_most(640, 480)},
        {"gfx/helpers/shield_frame.png", at_most(21, 20)},
        {"gfx/options/option_back.png", exact(640, 480), Fill::opaque},
        {"gfx/options/option_platform_back.png", {480, 640, 1, 480}},
        {"gfx/options/option_platform_bars.png", {480, 640, 1, 480}},
        {"gfx/kv2_ending/planet_pic.png", exact(640, 480), Fill::opaque},
        {"gfx/kv2_ending/planet_pic_kim.png", exact(640, 480), Fill::opaque},
        {"gfx/kv2_ending/adam_kim.png", exact(640, 480), Fill::opaque},
    };
    return all;
}

const std::vector<Datafile>& datafiles() {
    static const std::vector<Datafile> all = {
        {"explosions.dat", {gif(exact(884, 64)), gif(exact(128, 128))}},
        {"gfx/faces/faces.dat", {gif(exact(238, 238), Fill::opaque), gif(exact(238, 238), Fill::opaque)}},
        {"adam_ship.dat", ship_objects()},
        {"kim_ship.dat", ship_objects()},
        {"kv1_adam_ship.dat", {gif(), gif(), gif(), gif({36, 36, 35, INT_MAX}), gif(exact(52, 40))}},
        enemy("enemy_one.dat", exact(64, 64)),
        enemy("enemy_two.dat", exact(125, 125)),
        enemy("enemy_three.dat", exact(93, 93)),
        enemy("enemy_four.dat", exact(475, 95)),
        enemy("enemy_five.dat", exact(470, 94)),
        enemy("enemy_six.dat", exact(425, 85)),
        enemy("enemy_seven.dat", exact(131, 111)),
        enemy("enemy_eight.dat", exact(380, 105)),
        enemy("enemy_ten.dat", exact(117, 117)),
        {"meteor.dat", {file({gif()}), file({gif({28, INT_MAX, 23, INT_MAX})})}},
        {"powerups.dat", {file({gif(at_most(45, 480))}), file({gif()})}},
        // Text heights the screen layouts allow: small text 16, labels and lit labels under 30,
        // story text about 20.
        {"fonts/fonts.dat",
         {font(200), font(200), font(16), font(16), font(16), font(16), font(29), font(200), font(29), font(20)}},
    };
    return all;
}

const std::vector<Sound>& sounds() {
    using L = Loop;
    static const std::vector<Sound> all = {
        {"bgm/loading/tune.ogg", L::whole},
        {"bgm/main_menu/tune.mp3", L::whole},
        {"bgm/story/tune.ogg", L::from_half_51},
        {"bgm/character_select/kv2_characterselect.ogg", L::from_half_51},
        {"bgm/upgrade_store/tune.ogg", L::from_half_51},
        {"bgm/first_stage/tune.ogg", L::whole},
        {"bgm/second_stage/tune.ogg", L::whole},
        {"bgm/third_stage/tune.ogg", L::whole},
        {"bgm/fourth_stage/tune.ogg", L::whole},
        {"bgm/fifth_stage/tune.ogg", L::whole},
        {"bgm/sixth_stage/tune.ogg", L::whole},
        {"bgm/seventh_stage/tune.ogg", L::whole},
        {"bgm/eigth_stage/tune.ogg", L::whole},
        {"bgm/ninth_stage/tune.ogg", L::whole},
        {"bgm/tenth_stage/tune.ogg", L::whole},
        {"bgm/continue/kv2_continue.ogg", L::from_half_51},
        {"bgm/dialog/tune.ogg", L::whole},
        {"bgm/outro/tune.ogg", L::once},
        {"bgm/boss/tune.ogg", L::whole},
        {"bgm/boss_2/tune.ogg", L::from_half_51},
        {"bgm/challenge_stage/tune.ogg", L::from_half_48},
        {"bgm/kv_main/tune.ogg", L::from_half_51},
        {"bgm/kv1_bgm/tune.ogg", L::from_half_51},
        {"bgm/stage_intro/tune.ogg", L::from_half_51},
        {"bgm/kv2_ending/tune.ogg", L::from_half_51},
        {"bgm/kv1_ending/tune.ogg", L::from_half_51},
        {"sfx/error.ogg", L::once},
        {"sfx/start.ogg", L::once, 250},  // the menu waits to see it playing
        {"sfx/cheat_powerup.ogg", L::once},
        {"sfx/adam_bullet_1.ogg", L::once},
        {"sfx/explosion.ogg", L::once},
        {"sfx/take_off.ogg", L::once},
        {"sfx/bomb_start.ogg", L::once},
        {"sfx/bomb_one.ogg", L::once},
        {"sfx/bomb_two.ogg", L::effect_from_half},
        {"sfx/enemy_explosion.ogg", L::once},
        {"sfx/enemy_one_bullet.ogg", L::once},
        {"sfx/enemy_three_bullet.ogg", L::once},
        {"sfx/enemy_four_bullet.ogg", L::once},
        {"sfx/powerup.ogg", L::once},
        {"sfx/blaster.ogg", L::effect_from_half},
    };
    return all;
}

}  // namespace manifest
