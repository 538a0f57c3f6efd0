#pragma once
// The ship of the earlier episode: one gun of three levels with one live bullet per barrel, three
// lives, and money that every hit and every lost life costs. Moves along the bottom of the screen,
// stopping at its edges.
#include <allegro.h>

#include <array>

#include "audio/audio.h"
#include "engine/explosion.h"
#include "engine/sprite.h"

class Kv1Player {
public:
    static constexpr int barrels = 3;
    static constexpr int pool_size = 256;

    // Requests (50 to 54) become their running state (57 to 61) on the next step.
    enum State {
        request_left = 50,
        request_right = 51,
        request_stand = 52,
        request_fly_off = 54,
        moving_left = 57,
        moving_right = 58,
        standing = 59,
        flying_off = 61,
    };

    Kv1Player() = default;
    ~Kv1Player();
    Kv1Player(const Kv1Player&) = delete;
    Kv1Player& operator=(const Kv1Player&) = delete;

    float x = 0.0f, y = 0.0f;  // top-left corner
    int state = 0;
    int fire_key_latch = 0;  // 1 when the fire key was down at the last poll_fire_key
    float vx = 0.0f, vy = 0.0f;
    float max_speed = 0.0f;
    int width = 0, height = 0;  // of the ship picture
    int frame = 0;
    bool blinking = false;  // drawing only: the ship can be hit while it blinks
    int blink_timer = 0;
    std::array<BITMAP*, 1> frames{};  // the ship picture, owned
    BITMAP* bullet_picture = nullptr;
    std::array<std::array<Sprite, pool_size>, barrels> bullets;  // one group per barrel
    int next_slot = 0;
    int bullet_limit = 0;
    int gun_level = 0;  // 1 to 3
    bool exploding = false;
    bool alive = false;
    int hit_count = 0;         // hits since the last (re)start
    int explosion_rounds = 0;  // explosions started since the last (re)start
    Explosion explosion;
    int money = 0;  // may go below 0
    FMOD_SOUND* explosion_sound = nullptr;
    FMOD_SOUND* bullet_sound = nullptr;
    FMOD_SOUND* take_off_sound = nullptr;
    FMOD_CHANNEL* channel = nullptr;  // of the last sound played
    bool stage_cleared = false;
    int lives = 0;
    DATAFILE* datafile = nullptr;

    // Reads "kv1_adam_ship.dat" and the sounds (once; a later load reuses them) and makes a new
    // ship: 3 lives, $1500, gun level 1, standing.
    void load();
    void set_gun_level(int level);
    // Fits the bigger level-3 ship.
    void setup_sprite();

    // Stage start: the ship centred at the bottom, counters cleared, every bullet off.
    void reset();
    // After a lost life; with no life left it only clears `alive`.
    void respawn();
    // After an accepted continue: $1500 and 3 lives.
    void reset_ship();

    // One logic step; the stage polls the fire key after it.
    void update();
    void poll_fire_key();
    void draw(BITMAP* dest);
    // Half-size ship icon, lives and money along the bottom; hy is not used.
    void draw_hud(BITMAP* dest, int hx, int hy, FONT* hud_font);

    void fly_off();
    void hit();

private:
    void cut_ship_frame(int object, int frame_w, int frame_h);
    void open_sounds();
    void play_sound(FMOD_SOUND* sound);
    void place_at_start();
    void run_state();
    void start_blink();
    void move_left();
    void move_right();
    void move_idle();
    void fire();
    bool barrels_ready(int count) const;
    void move_bullets();
    void start_explosion_once_hit();
};

extern Kv1Player kv1_player;
