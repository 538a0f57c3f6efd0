#pragma once
// The record every enemy kind starts with, and the operations all kinds share: reset, riding the
// scroll, difficulty bonuses, the step every in-play record runs (the two-step death, the rising
// reward popup, the escape at the bottom of the field, the hit test) and the common drawing.
#include <allegro.h>

#include <optional>

#include "audio/audio.h"
#include "engine/explosion.h"
#include "engine/sprite.h"

// Enemies of the current wave or phase still to be dealt with; the stage sets it, every kill and
// every escape lowers it by one.
extern int enemy_count;

// Every enemy of every kind plays through these two, so one enemy explosion and one enemy shot
// sound at a time.
extern FMOD_CHANNEL* enemy_explosion_channel;
extern FMOD_CHANNEL* enemy_bullet_channel;

// Every kind's explosion.
constexpr const char* enemy_explosion_path = "sfx/enemy_explosion.ogg";

// The one stream of an enemy sound file, opened on first use and shared by every record that
// plays it. A file that cannot be opened gives null and the game goes on without the sound.
FMOD_SOUND* enemy_sound(const char* path);

// The one copy of an enemy picture that records of a kind share (hit silhouettes, tank parts),
// loaded on first use and kept for the run.
BITMAP* enemy_picture(const char* path);

// Plays `sound` on `channel`, replacing whatever that channel played; with `at_master_volume`
// the channel is set to the master volume before and after the play.
void play_enemy_sound(FMOD_CHANNEL*& channel, FMOD_SOUND* sound, bool at_master_volume);

// Whom a kill pays: the KV2 ship the kind's reward under a rising popup, or the KV1 ship a flat
// sum with no popup.
enum class Payee { ship, kv1_ship };

// How a kind's records die and get away.
struct DeathRules {
    int escape_cost;                  // dollars the ship loses when a record gets past the bottom
    bool explosion_at_master_volume;  // the explosion's channel is set to the master volume
    bool escape_before_kill;          // the escape is tested right after the death start
    Payee payee = Payee::ship;
};

// How a formation kind sweeps: the columns of its frame that turn it at the field's edges, how
// it drops a row and what each turn gains.
struct Formation {
    float left_edge;   // it turns once x + left_edge < 0
    float right_edge;  // or once x + right_edge > 640
    float drop_step;   // added to the drop speed while that is below 0.2
    float turn_gain;   // speed limit gained at each turn
    int bank_period;   // steps between bank poses, for kinds that have them
};

// What a kind gives every record it builds.
struct EnemyKind {
    BITMAP* const* strip;  // the picture slot holding the kind's frames
    int frames;
    int frame_w, frame_h;
    int first_frame;  // frame after construction
    int hit_points;
    float speed;
    int reward;
    DeathRules death;
};

class Enemy : public SpriteHead {
public:
    static constexpr float field_right = 640.0f;
    static constexpr float escape_line = 480.0f;

    // `state` of the kinds that steer by it; the kinds that never drop fly straight on in `dropping`.
    enum State { sweeping_left = 50, sweeping_right = 51, dropping = 52 };
    // `direction`: the way the record steered last.
    enum Direction { went_left = 2, went_right = 3 };
    // `steering` of the wrapping kinds, as the stage sets it; any other value holds the record still.
    enum Steering { wrapping_left = 1, wrapping_right = 2 };

    int hit_points = 0;      // it dies once damage exceeds this
    int max_hit_points = 0;  // the kind's starting hit points
    int direction = 0;       // a Direction
    bool hit_flash = false;  // the next draw shows a white silhouette
    bool at_edge = false;    // a formation kind has reached its edge
    int damage = 0;
    int state = 0;  // a State
    float anchor_y = 0.0f;       // where the current drop began
    float initial_speed = 0.0f;  // the kind's speed limit before bonuses
    int death_started = 0;
    bool dying = false;  // exploding or escaped: not drawn, does not fire, takes no hits
    Explosion explosion;
    float max_speed = 0.0f;  // steering speed limit, pixels per logic step
    bool reward_shown = false;
    int reward = 0;
    float reward_x = 0.0f, reward_y = 0.0f, reward_target_y = 0.0f;
    bool bullets_out = false;

    // Ready for a new appearance; position, visibility and hit points stay.
    void reset();
    // Records waiting outside play ride down with the scenery.
    void scroll(int dy);
    void add_speed(float v) { max_speed += v; }
    float get_speed() const { return max_speed; }
    void add_hit_points(int k) { hit_points += k; }
    // Takes away every hit-point bonus.
    void object_reset() { hit_points = max_hit_points; }
    // Halts the sideways flight and starts a drop from the present row.
    void stop();
    // The pose of a record flying level: the middle of its bank poses.
    int level_pose() const { return last_frame / 2; }
    void show_reward();
    void hide_reward() { reward_shown = false; }
    void draw_reward(BITMAP* target) const;
    // Damage from every weapon of the ship that touches the record this step.
    void check_hits();

protected:
    // The construction every kind starts with: frames, explosion and the kind's values.
    void set_up(const EnemyKind& kind, float x0, float y0);

    // The part of an in-play record's step that every kind runs between its steering and its
    // firing, in this order: death start, kill, popup rise, the explosion following the record,
    // escape, hit test, explosion animation. With `escape_before_kill` the escape comes right
    // after the death start.
    void common_step(const DeathRules& rules, FMOD_SOUND* explosion_sound);
    // The same steps in the order of the kinds that leave play at any edge of the field: death
    // start, kill, popup rise, the explosion following the record, the exit, the hit test when
    // `hittable`, explosion animation. True in the step the death starts.
    bool leaving_step(const DeathRules& rules, FMOD_SOUND* explosion_sound, bool over_top, bool hittable);
    // Out of play: a reward popup the record took out of play rises on to its end (its 26th
    // update, as in play), and a waiting record swallows the ship's and helpers' shots that touch it.
    void out_of_play_step();

    // Death, first step: damage beyond the hit points starts the explosion, the popup and the
    // sound. An escaped record never starts one. True when it started.
    bool start_death(const DeathRules& rules, FMOD_SOUND* explosion_sound);
    // Death, second step, once the explosion has run out, then the popup's rise and the explosion
    // keeping to the record until it dies.
    void continue_death(Payee payee);
    // Past the bottom or a side of the field (with `over_top` also the top) the record leaves
    // play for good; nothing is paid or charged.
    void leave_field(bool over_top);
    void animate_explosion();

    // The part of a KV1 record's step that follows its movement: death start and kill, the
    // explosion following the record, the wrap to the top once past the line y + wrap_offset >
    // 480 (a drop in progress goes on), the meeting with the KV1 ship, the explosion's animation.
    void kv1_step(const DeathRules& rules, FMOD_SOUND* explosion_sound, std::optional<float> wrap_offset);

    // One formation step by `state`: the sweep toward the speed limit until the body meets the
    // field's edge, then the drop of a row and the turn back.
    void sweep(const Formation& formation);
    void steer_left(const Formation& formation);
    void steer_right(const Formation& formation);
    void drop(const Formation& formation);

    // Sideways acceleration toward the speed limit, then the move.
    void accelerate_left(float gain = steering_gain);
    void accelerate_right(float gain = steering_gain);
    // Turns one bank pose toward `step` (-1 left, +1 right) once `period` steps have passed.
    void bank(int step, int period);

    // The body, white after a hit, and the explosion.
    void draw_body(BITMAP* target);
    // The current frame, or once after a hit a white silhouette.
    void draw_figure(BITMAP* target);

private:
    static constexpr float steering_gain = 0.1f;

    void place_explosion();
    // Death, second step: once the explosion has run out the record leaves the game and the kill
    // is paid.
    void finish_death(Payee payee);
    void rise_reward();
    void block_shots();
    // Keeps the explosion centred on the record until it dies.
    void follow_with_explosion();
    // Below the field the record is lost: it stays in play, hidden, and costs the ship money.
    void escape_below(int cost);
    void reach_edge();
    // Rams the KV1 ship, and takes its shots.
    void meet_kv1_ship();
};

// An enemy bullet that has moved this step meets the ship: helpers and bombs stop it, the shield
// absorbs it, otherwise it hits the ship. Only active bullets take part.
void enemy_bullet_meets_ship(Sprite& bullet);
// One step of an active bullet: the move, then the meeting with the ship.
void fly_enemy_bullet(Sprite& bullet);
// The same against the KV1 ship, which shots pass while it flies off a cleared stage.
void fly_kv1_enemy_bullet(Sprite& bullet);
