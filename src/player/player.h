#pragma once
// The KV2 ship: position and state, five bullet pools, helper ships, two bombs with their charge,
// shield, hits, death and respawn, sounds and the money of the run. Enemies, bosses, the stages
// and the screens read and change its fields directly.
#include <allegro.h>

#include <array>

#include "audio/audio.h"
#include "engine/explosion.h"
#include "engine/sprite.h"
#include "player/bombs.h"
#include "player/helper.h"

class Player {
public:
    // State codes: requests that the next step turns into the running states.
    enum State {
        request_left = 50,
        request_right = 51,
        request_stand = 52,
        request_take_off = 53,
        request_fly_off = 54,
        request_menu_pose = 55,
        moving_left = 57,
        moving_right = 58,
        standing = 59,
        taking_off = 60,
        flying_off = 61,
        menu_pose = 62,
    };

    // Bullet groups: the main gun in the middle, the side guns beside it, two spares that are
    // armed and never fired.
    enum BulletGroup { spare_group_low = 0, left_side_group = 1, main_group = 2, right_side_group = 3, spare_group_high = 4 };

    static constexpr int bullet_groups = 5;
    static constexpr int pool_size = 256;
    static constexpr int ship_frames = 5;
    static constexpr int shield_frame_count = 8;

    Player() = default;
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    int bomb_kind = 0;  // the bomb the running charge releases: 1 beam, 2 lasers
    float x = 0.0f, y = 0.0f;
    int state = request_take_off;
    int bomb_key_latch = 0;  // a bomb key was down at the last poll_bomb_keys
    float vx = 0.0f, vy = 0.0f;
    int width = 0, height = 0;
    int bank_frame = 2;  // 0 and 1 banked left, 2 level, 3 and 4 banked right
    int bank_tick = 0;
    int bank_ticks_per_frame = 3;
    bool blinking = false;  // cannot be hit
    int blink_timer = 0;
    std::array<BITMAP*, ship_frames> frames{};  // owned
    BITMAP* main_bullet_picture = nullptr;      // these four point into the datafile
    BITMAP* side_bullet_picture = nullptr;
    BITMAP* spare_bullet_picture = nullptr;
    BITMAP* muzzle_picture = nullptr;
    BITMAP* side_muzzle_picture = nullptr;
    std::array<std::array<Sprite, pool_size>, bullet_groups> bullets{};
    std::array<Helper, 4> helpers{};  // the one-shot pair, then the three-shot pair
    int next_slot = 0;
    int bullet_limit = 50;  // slots in use in every pool
    bool side_guns = false;
    int side_level = 0;
    int gun_level = 1;
    bool shield_on = false;
    int shield_count = 0;
    bool exploding = false;
    bool alive = true;
    int hit_count = 0;
    int explosion_rounds = 0;
    Explosion explosion;
    int respawn_delay = 0;
    int money = 1500;
    int character = 1;  // 1 Adam, 2 Kim
    int side_next_left = 0, side_next_right = 0;
    float side_threshold_left = 0.0f, side_threshold_right = 0.0f;
    FMOD_SOUND* explosion_sound = nullptr;
    FMOD_SOUND* bullet_sound = nullptr;
    FMOD_SOUND* take_off_sound = nullptr;
    FMOD_SOUND* bomb_start_sound = nullptr;
    FMOD_SOUND* bomb_two_sound = nullptr;
    FMOD_SOUND* bomb_one_sound = nullptr;
    FMOD_CHANNEL* channel = nullptr;
    FMOD_CHANNEL* bomb_two_channel = nullptr;
    FMOD_CHANNEL* bomb_one_channel = nullptr;
    int shield_frame = 0;
    std::array<BITMAP*, shield_frame_count> shield_frames{};  // owned
    BITMAP* hit_picture = nullptr;  // owned; tested at (hull_x(), y)
    int shield_tick = 0;
    bool stage_cleared = false;
    bool main_fired = false;
    int main_flash_draws = 0;
    bool side_fired = false;
    int side_flash_draws = 0;
    int one_shot_count = 0;
    bool one_shot_selected = false;
    int three_shot_count = 0;
    bool three_shot_selected = false;
    Bomb1 bomb1;
    std::array<Bomb2Part, 5> bomb2_parts{};
    BombCharge charge;
    int bomb1_count = 0, bomb2_count = 0;
    DATAFILE* datafile = nullptr;  // owned

    // Set-up and equipment.
    void load(int kind);
    void set_position(float new_x, float new_y);
    void show_in_menu();
    void stage_reset();
    void continue_reset();
    void set_bullet_limit(int n);
    void add_side_bullets();
    void add_shields(int n);
    void set_gun_level(int level);
    int set_side_level(int level);
    void deselect_helpers();
    void set_helper_type(int kind);
    int add_helper(int kind);
    int add_bombs(int kind, int n);

    // Per logic step, per drawn frame, and from the outside.
    void update();
    void poll_bomb_keys();
    void fly_off();
    // Both bombs and the charge off at once, their sounds stopped: a stage leaves nothing humming.
    void put_bombs_away();
    void hit();
    void draw(BITMAP* dest);

    // Where the ship's parts stand for the attackers' tests: the bomb-1 beam (from the top of the
    // screen, also drawn there), the hull picture (at the ship's y) and the shield frame.
    float beam_x() const { return x - 42.0f; }
    float hull_x() const { return x + 13.0f; }
    float shield_test_x() const { return x - 18.0f; }
    float shield_test_y() const { return y - 18.0f; }

private:
    void load_pictures(int kind);
    BITMAP* ship_picture(int object) const;
    float centred_x() const;
    void load_sounds();
    void arm_bullets();
    void place_for_take_off();
    void switch_bullets_off();

    void run_state();
    void move_left();
    void move_right();
    void move_idle();
    void take_off();
    void bank_towards(int target);

    void fire_and_bomb();
    void auto_fire();
    void trigger_bomb(int scancode, int& count, int kind);
    void fire_main_gun(int dx, int dy, int gap, bool half_height);
    void fire_side_guns();
    void fire_side_pair();
    bool bomb_burning() const;

    void update_helpers();
    void poll_helper_keys();
    void update_death();
    void respawn();
    void update_bombs();
    void release_bomb();
};

// The ship of every KV2 stage, and the two characters' templates.
extern Player player;
extern Player adam_ship;
extern Player kim_ship;
