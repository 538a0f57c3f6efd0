#include "player/kv1player.h"

#include "engine/gameengine.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/soundclip.h"
#include "engine/ui.h"
#include "player/flight.h"

Kv1Player kv1_player;

namespace {

constexpr int ground = 470;  // the ship's bottom edge
constexpr int hud_line = 475;

constexpr int start_money = 1500;
constexpr int start_lives = 3;
constexpr int hit_cost = 300;
constexpr int respawn_cost = 500;

// The ship pictures, datafile objects 3 and 4, and the speed each allows.
struct ShipPicture {
    int object, w, h;
    float max_speed;
};
constexpr ShipPicture small_ship = {3, 36, 35, 3.0f};
constexpr ShipPicture big_ship = {4, 52, 40, 4.0f};

// The bullets of gun levels 1 to 3: datafile objects 0 to 2.
struct Arming {
    int object;
    float speed;
    int damage;
};
constexpr Arming level_arming[] = {{0, 5.0f, 1}, {1, 5.5f, 1}, {2, 6.0f, 1}};

// Where each barrel's bullet leaves from, relative to the ship; barrel i fires from group i.
struct Muzzle {
    float dx, dy;
};
struct Volley {
    int count;
    Muzzle muzzles[Kv1Player::barrels];
};
constexpr Volley volleys[] = {
    {1, {{16, -9}}},
    {2, {{7, -5}, {24, -5}}},
    {3, {{9, -10}, {23, -13}, {36, -10}}},
};

bool key_down(int scancode) { return key[scancode] != 0; }

}  // namespace

Kv1Player::~Kv1Player() {
    if (frames[0]) destroy_bitmap_safely(frames[0]);
    // At exit Allegro has gone before the globals, and takes the datafile with the process.
    if (datafile && system_driver) unload_datafile(datafile);
}

void Kv1Player::cut_ship_frame(int object, int frame_w, int frame_h) {
    if (frames[0]) destroy_bitmap_safely(frames[0]);
    // The frames of the sheet lie one under another; only the first is used.
    frames[0] = grab_frame(datafile_bitmap(datafile[object]), frame_w, frame_h, 0, 0, 1, 0);
    width = frames[0]->w;
    height = frames[0]->h;
}

void Kv1Player::open_sounds() {
    if (!bullet_sound) bullet_sound = open_sound_stream("sfx/adam_bullet_1.ogg", false);
    if (!explosion_sound) explosion_sound = open_sound_stream("sfx/explosion.ogg", false);
    if (!take_off_sound) take_off_sound = open_sound_stream("sfx/take_off.ogg", false);
}

void Kv1Player::play_sound(FMOD_SOUND* sound) { play_on_free_channel(sound, channel); }

void Kv1Player::load() {
    channel = nullptr;
    bullet_limit = 1;
    open_sounds();
    if (!datafile) datafile = load_datafile_ex("kv1_adam_ship.dat");
    bullet_picture = datafile_bitmap(datafile[level_arming[0].object]);
    next_slot = 0;

    cut_ship_frame(small_ship.object, small_ship.w, small_ship.h);
    x = playfield_width / 2 - width / 2;
    fire_key_latch = 0;
    lives = start_lives;
    vx = vy = 0.0f;
    y = ground - height;
    frame = 0;
    hit_count = explosion_rounds = 0;
    state = request_stand;

    explosion.init(x, y, explosion_flash);
    money = start_money;
    for (auto& group : bullets)
        for (Sprite& bullet : group) bullet.init_bullet(bullet_picture, level_arming[0].speed, bullet_up, 1, 0, 0);

    exploding = false;
    alive = true;
    stage_cleared = false;
    max_speed = small_ship.max_speed;
    gun_level = 1;
}

void Kv1Player::set_gun_level(int level) {
    gun_level = level;
    if (level != 2 && level != 3) return;
    const Arming& arming = level_arming[level - 1];
    BITMAP* picture = datafile_bitmap(datafile[arming.object]);
    for (auto& group : bullets)
        for (Sprite& bullet : group) bullet.rearm(picture, arming.speed, arming.damage, 1, 0, 0);
}

void Kv1Player::setup_sprite() {
    cut_ship_frame(big_ship.object, big_ship.w, big_ship.h);
    y = ground - height;
    max_speed = big_ship.max_speed;
}

// What a stage start, a respawn and a continue all do.
void Kv1Player::place_at_start() {
    x = playfield_width / 2 - width / 2;
    y = ground - height;
    hit_count = 0;
    vx = vy = 0.0f;
    state = request_stand;
    explosion_rounds = 0;
    explosion.rounds = 0;
    exploding = false;
}

void Kv1Player::reset() {
    place_at_start();
    stage_cleared = false;
    for (auto& group : bullets)
        for (Sprite& bullet : group) bullet.deactivate();
}

void Kv1Player::respawn() {
    if (lives < 1) {
        alive = false;
        return;
    }
    start_blink();
    money -= respawn_cost;
    place_at_start();
}

void Kv1Player::reset_ship() {
    money = start_money;
    lives = start_lives;
    place_at_start();
    start_blink();
    alive = true;
}

void Kv1Player::update() {
    if (!exploding) {
        count_down_blink(*this);
        run_state();
    }
    move_bullets();
    if (next_slot >= bullet_limit) next_slot = 0;
    start_explosion_once_hit();
    if (!exploding) explosion.set_position(x - 2, y);
    if (explosion.active) explosion.animate();
}

// The count is left alone: a blink cut short by a hit goes on from where it stopped.
void Kv1Player::start_blink() { blinking = true; }

void Kv1Player::run_state() {
    switch (state) {
    case request_left: state = moving_left; break;
    case request_right: state = moving_right; break;
    case request_stand: state = standing; break;
    case request_fly_off:
        vx = vy = 0.0f;
        state = flying_off;
        break;
    case moving_left: move_left(); break;
    case moving_right: move_right(); break;
    case standing: move_idle(); break;
    case flying_off: climb_off(*this); break;
    default: break;
    }
}

void Kv1Player::move_idle() {
    x += vx;
    if (key_down(key_left))
        state = request_left;
    else if (key_down(key_right))
        state = request_right;
    fire();
}

void Kv1Player::move_right() {
    if (vx < max_speed) vx += 1.0f;
    x += vx;
    if (x > playfield_width - width) x = playfield_width - width;
    stop_or_turn(*this, key_right, key_left, request_left);
    fire();
}

void Kv1Player::move_left() {
    if (vx > -max_speed) vx -= 1.0f;
    x += vx;
    if (x < 0) x = 0;
    stop_or_turn(*this, key_left, key_right, request_right);
    fire();
}

void Kv1Player::poll_fire_key() { fire_key_latch = key_down(key_shoot) ? 1 : 0; }

// Once per press, and only when every barrel of the level has its bullet back.
void Kv1Player::fire() {
    if (!key_down(key_shoot) || fire_key_latch != 0 || next_slot == bullet_limit) return;
    if (gun_level < 1 || gun_level > barrels) return;
    const Volley& volley = volleys[gun_level - 1];
    if (!barrels_ready(volley.count)) return;
    for (int barrel = 0; barrel < volley.count; ++barrel) {
        Sprite& bullet = bullets[barrel][next_slot];
        bullet.launch_from(x + volley.muzzles[barrel].dx, y + volley.muzzles[barrel].dy);
        bullet.active = true;
    }
    play_sound(bullet_sound);
    next_slot += 1;
}

bool Kv1Player::barrels_ready(int count) const {
    for (int barrel = 0; barrel < count; ++barrel)
        if (bullets[barrel][next_slot].active) return false;
    return true;
}

void Kv1Player::move_bullets() {
    for (auto& group : bullets)
        for (int slot = 0; slot < bullet_limit; ++slot)
            if (group[slot].active) group[slot].move_bullet();
}

// The hits of a life end in one explosion; the stage respawns the ship once it has played out.
void Kv1Player::start_explosion_once_hit() {
    if (hit_count <= 0 || explosion.active || explosion_rounds >= 1) return;
    exploding = true;
    lives -= 1;
    explosion.start();
    play_sound(explosion_sound);
    explosion_rounds += 1;
}

void Kv1Player::draw(BITMAP* dest) {
    if (!exploding && (!blinking || blink_timer % 2 == 0)) draw_sprite(dest, frames[frame], static_cast<int>(x), static_cast<int>(y));
    if (explosion.active) explosion.draw(dest);
    for (auto& group : bullets)
        for (int slot = 0; slot < bullet_limit; ++slot)
            if (group[slot].active) group[slot].draw_rotated(dest);
}

void Kv1Player::draw_hud(BITMAP* dest, int hx, int, FONT* hud_font) {
    const int w = width / 2;
    const int h = height / 2;
    const int line = hud_line - h;
    stretch_sprite(dest, frames[frame], hx, line, w, h);
    textprintf_ex(dest, hud_font, hx + w + 5, line, -1, -1, "%d", lives);
    textprintf_centre_ex(dest, hud_font, playfield_width / 2, line, -1, -1, "$ %d.00", money);
}

void Kv1Player::fly_off() {
    state = request_fly_off;
    play_sound(take_off_sound);
}

void Kv1Player::hit() {
    if (exploding) return;
    money -= hit_cost;
    hit_count += 1;
}
