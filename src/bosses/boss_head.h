#pragma once
// What every boss is built on: the head record, the calls every stage makes, the side-to-side
// states, the fade, and the death: ten explosions one after another while the body circles, the
// fade to nothing and the reward. `FrameBoss` adds the hit points, bullets and speeds of the
// bosses that are one body rather than a set of parts.
#include <allegro.h>

#include <array>
#include <vector>

#include "audio/audio.h"
#include "bosses/boss_hits.h"
#include "engine/explosion.h"
#include "engine/sprite.h"

// Allegro's fixed-point cosine and sine of an angle in 256ths of a turn.
float cos_turn(float angle);
float sin_turn(float angle);

// Washes out by 12 a step while fading, down to 1, true on the step it is gone; comes back by 10
// a step, up to 255, otherwise.
bool fade_alpha(int& alpha, bool fading);

// How a boss dies: where its body circles (the frame bosses are moved there first), whether it
// circles at all, and what it pays.
struct DeathRow {
    float x, y;
    bool circles;
    int reward;
};

class BossHead {
public:
    enum State { moving_left = 50, moving_right = 51, dying = 75 };
    enum Direction { at_load = 1, went_left = 2, went_right = 3 };

    static constexpr int explosion_count = 10;
    static constexpr int death_shake = 25;
    static constexpr std::array<float, explosion_count> explosion_scales{1, 3, 1, 4, 2, 1, 4, 3, 1, 11};

    BossHead() = default;
    ~BossHead();
    // A boss owns what its load made.
    BossHead(const BossHead&) = delete;
    BossHead& operator=(const BossHead&) = delete;

    float x = -1.0f, y = 0.0f;  // top-left corner of the body
    int direction = at_load;
    int state = moving_right;
    float vx = 0.0f;
    float speed = 0.0f;  // for bosses that follow a path of their own
    int width = 0, height = 0;
    int explosion_started = 0;
    FMOD_SOUND* explosion_sound = nullptr;
    int explosion_index = 0;
    BITMAP* body = nullptr;
    int alpha = 255;  // the stage washes its backdrop out to white by it
    int fading = 0;
    float shake_angle = 0.0f;
    bool visible = false;
    bool dead = false;
    bool active = false;
    int reward_paid = 0;
    std::array<Explosion, explosion_count> explosions;

    void set_position(float new_x, float new_y) {
        x = new_x;
        y = new_y;
    }
    void show() { visible = true; }
    // Until the fight starts the boss rides down with the scenery.
    void scroll(int dy) {
        if (!active) y += static_cast<float>(dy);
    }

protected:
    // Keeps a picture or stream that the boss loaded, to release with the boss.
    BITMAP* own(BITMAP* picture);
    FMOD_SOUND* own(FMOD_SOUND* sound);
    void set_body(BITMAP* picture);
    // Where every load starts: at (x0, 0) in `first_state`, at rest, hidden, waiting for the fight,
    // no death under way.
    void start_over(float x0, int first_state);
    void open_explosion_sound();

    // Moving left or right (states 50 and 51) along `coordinate`: the speed gathers by 0.1 a
    // step while strictly below `limit`; past an edge the boss turns at once with `turn_speed`.
    void move_sideways(float& coordinate, float limit, float left_edge, float right_edge, float turn_speed);
    // Washes out once `fading` is set, till the boss is gone; comes back otherwise.
    void fade();

    // The ten death explosions at random over the body with their scales, or in a row across the
    // screen.
    void scatter_explosions();
    void line_up_explosions(const std::array<float, explosion_count>& scales);
    // At the start of the death: the body moved to (dx, dy), nine explosions at random over it,
    // the last at its middle.
    void place_for_death(float dx, float dy);
    // One step of the death: the circle, the explosions one by one with their sound on
    // `channel`, the fade started by the ninth and the reward once the fade has ended.
    void death_step(const DeathRow& row, FMOD_CHANNEL*& channel);
    void animate_explosions();
    void draw_explosions(BITMAP* dest);

private:
    std::vector<BITMAP*> pictures_;
    std::vector<FMOD_SOUND*> sounds_;
};

// What a one-body boss gives its record.
struct FrameBossKind {
    const char* body_path;
    const char* bullet_path;
    float bullet_speed;
    int bullet_frames, bullet_w, bullet_h;
    int bullet_count;  // 3 or 6
    int hit_points;
    SpeedBands speeds;
    DeathRow death;
};

class FrameBoss : public BossHead, public HitPoints {
public:
    static constexpr int max_bullets = 6;

    explicit FrameBoss(const FrameBossKind& kind) : kind_(kind) {}

    FMOD_CHANNEL* explosion_channel = nullptr;
    BITMAP* bullet_picture = nullptr;
    bool bob_up = false, bob_down = true;
    float max_speed = 0.0f;
    std::array<Sprite, max_bullets> bullets;

    void load();
    void add_hit_points(int k) { hit_points += k; }
    // The fight starts with no bullet in flight.
    void activate();
    // Sideways along x, or the death; then the fade.
    void update_state() { step_state(&x); }
    void start_death();
    bool beaten() const { return HitPoints::beaten(); }
    const FrameBossKind& kind() const { return kind_; }

protected:
    // Sideways along `*coordinate` (not at all when null), or the death; then the fade.
    void step_state(float* coordinate);
    bool fighting() const { return active && state != dying && !dead; }
    // While the fight is on: the top speed by the hit points left, and the ship's weapons
    // against the body's pictures.
    void set_speed_by_hit_points();
    void take_hits(std::initializer_list<Placed> vulnerable, std::initializer_list<Placed> armour = {});
    void fly_bullets();
    // The body, white after a hit or red in the warning, ending the flash.
    void draw_body(BITMAP* dest);
    void draw_bullets(BITMAP* dest) const;

private:
    const FrameBossKind& kind_;
};
