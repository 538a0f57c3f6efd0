// The ship's record, loading, equipment setters and its state machine.
#include "player/player.h"

#include <algorithm>

#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/soundclip.h"
#include "engine/ui.h"
#include "player/flight.h"
#include "player/resources.h"

Player player;
Player adam_ship;
Player kim_ship;

namespace {

constexpr float wrap_right = 642.0f;  // past this the ship re-enters at the other edge
constexpr float wrap_left = -66.0f;
constexpr float top_speed = 4.0f;
constexpr float take_off_speed = -20.0f;
constexpr float flight_line = 410.0f;
constexpr float blink_from = 475.0f;  // the blink starts once the rising ship shows
constexpr int item_cap = 99;
constexpr int frame_size = 64;
constexpr int shield_w = 72, shield_h = 66;

// Objects of the ship datafiles.
enum ShipObject {
    main_bullet_object = 0,  // one per gun level, 0 to 3
    muzzle_object = 4,
    spare_bullet_object = 5,
    side_bullet_object = 8,  // one per side level, 8 to 10
    shield_object = 11,
    ship_sheet_object = 12,
    side_muzzle_object = 13,
};

struct Arming {
    int object;
    float speed;
    int damage;
};
constexpr Arming main_gun_armings[4] = {{main_bullet_object, 9.0f, 1},
                                       {main_bullet_object + 1, 9.0f, 3},
                                       {main_bullet_object + 2, 9.0f, 5},
                                       {main_bullet_object + 3, 9.0f, 7}};
constexpr Arming side_gun_armings[3] = {
    {side_bullet_object, 5.5f, 1}, {side_bullet_object + 1, 6.0f, 3}, {side_bullet_object + 2, 6.5f, 5}};

// The arming of `level` (1-based) in the table, or null for a level outside it or a ship
// that is not one of the two characters'.
template <size_t N>
const Arming* arming_for(const Arming (&table)[N], int character, int level) {
    if (character != 1 && character != 2) return nullptr;
    if (level < 1 || level > static_cast<int>(N)) return nullptr;
    return &table[level - 1];
}

// Cuts frames of one row from a sheet, releasing the frames an earlier load cut.
template <size_t N>
void cut_frames(BITMAP* sheet, int w, int h, std::array<BITMAP*, N>& frames) {
    for (size_t i = 0; i < N; ++i) replace_picture(frames[i], grab_frame(sheet, w, h, 0, 0, N, i));
}

// The stored count after adding, capped; false when the cap was passed.
bool add_capped(int& count, int n) {
    count += n;
    if (count <= item_cap) return true;
    count = item_cap;
    return false;
}

}  // namespace

Player::~Player() {
    // At program exit the audio system may already be gone: nothing to check then.
    for (FMOD_SOUND* sound : {explosion_sound, bullet_sound, take_off_sound, bomb_start_sound, bomb_two_sound, bomb_one_sound})
        if (sound) FMOD_Sound_Release(sound);
    for (BITMAP*& picture : frames) replace_picture(picture, nullptr);
    for (BITMAP*& picture : shield_frames) replace_picture(picture, nullptr);
    replace_picture(hit_picture, nullptr);
    if (datafile && system_driver) unload_datafile(datafile);
}

void Player::load(int kind) {
    DATAFILE* previous = datafile;
    channel = nullptr;
    bullet_limit = 50;
    respawn_delay = 0;
    side_threshold_left = side_threshold_right = 0.0f;
    main_fired = side_fired = false;
    main_flash_draws = side_flash_draws = 0;
    replace_stream(bullet_sound, "sfx/adam_bullet_1.ogg", false);
    load_pictures(kind);
    x = centred_x();
    y = 480.0f;
    bomb_key_latch = 0;
    vx = vy = 0.0f;
    width = frames[0]->w;
    height = frames[0]->h;
    bank_frame = 2;
    bank_tick = 0;
    bank_ticks_per_frame = 3;
    shield_tick = 0;
    hit_count = 0;
    blinking = false;
    explosion_rounds = 0;
    state = request_take_off;
    explosion.init(x, y, explosion_flash);
    money = 1500;
    arm_bullets();
    // Bullets keep a pointer to the picture they were cut from: the earlier datafile goes once
    // they are re-armed from the new one.
    if (previous) unload_datafile(previous);
    exploding = false;
    shield_count = 0;
    shield_on = false;
    alive = true;
    stage_cleared = false;
    side_guns = false;
    side_level = 0;
    gun_level = 1;
    character = kind;
    load_sounds();
    shield_frame = 0;
    helpers[0].load(Helper::one_shot, 1);
    helpers[1].load(Helper::one_shot, 2);
    helpers[2].load(Helper::three_shot, 1);
    helpers[3].load(Helper::three_shot, 2);
    bomb1.init();
    bomb2_parts[0].init();
    for (int i = 1; i < 5; ++i) bomb2_parts[i].init_shared(bomb2_parts[0]);
    charge.init();
    one_shot_count = three_shot_count = 0;
    bomb1_count = bomb2_count = 0;
    one_shot_selected = three_shot_selected = false;
    bomb_kind = 0;
}

void Player::load_pictures(int kind) {
    datafile = load_datafile_ex(kind == 2 ? "kim_ship.dat" : "adam_ship.dat");
    main_bullet_picture = ship_picture(main_bullet_object);
    side_bullet_picture = ship_picture(side_bullet_object);
    spare_bullet_picture = ship_picture(spare_bullet_object);
    muzzle_picture = ship_picture(muzzle_object);
    side_muzzle_picture = ship_picture(side_muzzle_object);
    next_slot = 0;
    cut_frames(ship_picture(shield_object), shield_w, shield_h, shield_frames);
    replace_picture(hit_picture, load_png_ex("hit_pic.png"));
    cut_frames(ship_picture(ship_sheet_object), frame_size, frame_size, frames);
}

void Player::load_sounds() {
    replace_stream(explosion_sound, "sfx/explosion.ogg", false);
    replace_stream(take_off_sound, "sfx/take_off.ogg", false);
    replace_stream(bomb_start_sound, "sfx/bomb_start.ogg", false);
    replace_stream(bomb_one_sound, "sfx/bomb_one.ogg", false);
    replace_stream(bomb_two_sound, "sfx/bomb_two.ogg", true);
}

void Player::arm_bullets() {
    struct GroupArming {
        int group;
        BITMAP* picture;
        float speed;
    };
    const GroupArming armings[] = {{spare_group_low, spare_bullet_picture, 9.0f},
                              {left_side_group, side_bullet_picture, 10.5f},
                              {main_group, main_bullet_picture, 9.0f},
                              {right_side_group, side_bullet_picture, 10.5f},
                              {spare_group_high, spare_bullet_picture, 9.0f}};
    for (const GroupArming& arming : armings)
        for (Sprite& bullet : bullets[arming.group]) bullet.init_bullet(arming.picture, arming.speed, bullet_up, 1, 0, 0);
}

BITMAP* Player::ship_picture(int object) const { return datafile_bitmap(datafile[object]); }

float Player::centred_x() const { return static_cast<float>(playfield_width / 2 - frames[0]->w / 2); }

void Player::set_position(float new_x, float new_y) {
    x = new_x;
    y = new_y;
}

void Player::show_in_menu() {
    y = flight_line;
    state = request_menu_pose;
}

void Player::set_bullet_limit(int n) {
    bullet_limit = std::clamp(n, 1, pool_size);
    next_slot = side_next_left = side_next_right = 0;
}

void Player::add_side_bullets() {
    if (side_guns) return;
    side_guns = true;
    side_level = 1;
}

void Player::add_shields(int n) {
    shield_on = true;
    if (shield_count < 1) shield_count = 0;
    shield_count += n;
}

void Player::set_gun_level(int level) {
    gun_level = level;
    const Arming* arming = arming_for(main_gun_armings, character, level);
    if (!arming) return;
    for (Sprite& bullet : bullets[main_group])
        bullet.rearm(ship_picture(arming->object), arming->speed, arming->damage, 1, 0, 0);
}

int Player::set_side_level(int level) {
    side_level = level;
    const Arming* arming = arming_for(side_gun_armings, character, level);
    if (!arming) return 0;
    for (int group : {left_side_group, right_side_group})
        for (Sprite& bullet : bullets[group])
            bullet.rearm(ship_picture(arming->object), arming->speed, arming->damage, 1, 0, 0);
    return 1;
}

int Player::add_helper(int kind) {
    if (kind == Helper::one_shot) return add_capped(one_shot_count, 1);
    if (kind == Helper::three_shot) return add_capped(three_shot_count, 1);
    return 1;
}

int Player::add_bombs(int kind, int n) {
    const int added = n == 0 ? 1 : std::max(n, 0);
    if (kind == 1) return add_capped(bomb1_count, added);
    if (kind == 2) return add_capped(bomb2_count, added);
    return 1;
}

void Player::poll_bomb_keys() { bomb_key_latch = key[key_bomb1] || key[key_bomb2] ? 1 : 0; }

void Player::fly_off() {
    state = request_fly_off;
    play_on_free_channel(take_off_sound, channel);
}

void Player::update() {
    if (!exploding) {
        count_down_blink(*this);
        run_state();
    }
    update_helpers();
    if (shield_on && ++shield_tick > 1) {
        shield_tick = 0;
        if (++shield_frame > 7) shield_frame = 0;
    }
    for (auto& group : bullets)
        for (int i = 0; i < bullet_limit; ++i)
            if (group[i].active) group[i].move_bullet();
    for (int* slot : {&next_slot, &side_next_left, &side_next_right})
        if (*slot >= bullet_limit) *slot = 0;
    update_death();
    poll_helper_keys();
    if (!exploding) explosion.set_position(x - 2.0f, y);
    if (explosion.active) explosion.animate();
    update_bombs();
}

void Player::run_state() {
    switch (state) {
    case request_left:
        bank_ticks_per_frame = 3;
        state = moving_left;
        break;
    case request_right:
        bank_ticks_per_frame = 3;
        state = moving_right;
        break;
    case request_stand:
        bank_ticks_per_frame = 3;
        state = standing;
        break;
    case request_take_off:
        vy = take_off_speed;
        next_slot = side_next_left = side_next_right = 0;
        bank_frame = 2;
        state = taking_off;
        break;
    case request_fly_off:
    case request_menu_pose:
        vx = vy = 0.0f;
        bank_frame = 2;
        state = state == request_fly_off ? flying_off : menu_pose;
        break;
    case moving_left: move_left(); break;
    case moving_right: move_right(); break;
    case standing: move_idle(); break;
    case taking_off: take_off(); break;
    case flying_off: climb_off(*this); break;
    case menu_pose: auto_fire(); break;
    default: break;
    }
}

// One bank frame towards `target` every time the bank tick passes its limit.
void Player::bank_towards(int target) {
    if (++bank_tick > bank_ticks_per_frame) {
        bank_tick = 0;
        if (bank_frame != target) bank_frame += bank_frame < target ? 1 : -1;
    }
}

void Player::move_idle() {
    x += vx;
    if (bank_frame != 2) bank_towards(2);
    if (key[key_left])
        state = request_left;
    else if (key[key_right])
        state = request_right;
    fire_and_bomb();
}

void Player::move_right() {
    if (vx < top_speed) vx += 1.0f;
    x += vx;
    if (x > wrap_right) x = wrap_left;
    bank_towards(4);
    stop_or_turn(*this, key_right, key_left, request_left);
    fire_and_bomb();
}

void Player::move_left() {
    if (vx > -top_speed) vx -= 1.0f;
    x += vx;
    if (x < wrap_left) x = wrap_right;
    bank_towards(0);
    stop_or_turn(*this, key_left, key_right, request_right);
    fire_and_bomb();
}

void Player::take_off() {
    y += vy;
    if (y < blink_from) blinking = true;
    if (y < flight_line) {
        y = flight_line;
        vy = 0.0f;
        state = request_stand;
    }
}

