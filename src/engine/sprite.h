#pragma once
// Everything that moves. `SpriteHead` is the part every moving record starts with (position,
// frame strip, animation, flags); `Sprite` adds the tail that makes it a bullet.
#include <allegro.h>

#include <array>

// The field everything moves on: the whole screen.
constexpr int playfield_width = 640;
constexpr int playfield_height = 480;

// destroy_bitmap that is safe to call from the destructors of globals, which run after Allegro's
// exit handler.
void destroy_bitmap_safely(BITMAP* bitmap);

// Allegro's rotate_sprite and pivot_sprite for pictures that may lie partly off the top or left:
// the inline forms shift negative coordinates, which C++ leaves undefined.
void rotate_sprite_anywhere(BITMAP* dest, BITMAP* sprite, int x, int y, fixed angle);
void pivot_sprite_anywhere(BITMAP* dest, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle,
                           fixed scale = itofix(1));

class SpriteHead {
public:
    static constexpr int max_frames = 256;

    SpriteHead() = default;
    ~SpriteHead();
    // A record owns the frames it cut; copies would release them twice.
    SpriteHead(const SpriteHead&) = delete;
    SpriteHead& operator=(const SpriteHead&) = delete;

    float x = 0.0f, y = 0.0f;    // top-left corner, pixels
    float dx = 0.0f, dy = 0.0f;  // velocity, pixels per logic step (the owner's to use)
    int w = 0, h = 0;            // size of frame 0
    int frame = 0;
    int last_frame = 0;
    int tick = 0;
    int ticks_per_frame = 0;
    bool alive = false;
    int frame_h = 0, frame_w = 0;
    int status = 0;  // state code, meaning per owner
    bool in_play = false;
    bool visible = false;
    std::array<BITMAP*, max_frames> frames{};
    BITMAP* strip = nullptr;  // the picture the frames come from, not owned

    void set_position(float new_x, float new_y);
    BITMAP* current_frame() const { return frames[frame]; }
    // A new frame every third call, wrapping after the last; one-frame records never change.
    void animate();
    void set_status(int v) { status = v; }
    bool has_status(int v) const { return status == v; }
    void enter_play() { in_play = true; }
    void leave_play() { in_play = false; }
    void show() { visible = true; }
    void hide() { visible = false; }

    // Cuts n frames of frame_w x frame_h from the top row of `strip`, releasing any this record
    // cut before.
    void grab_frames(int n);
    // Shows the frames another record cut, without owning them (records that share one art).
    void share_frames(const SpriteHead& owner);

private:
    void release_frames();

    int owned_frames_ = 0;  // frames[0 .. owned_frames_) were cut by this record
};

// Set-up of any record: cuts n frames (1 to 256) from the strip's top row and puts the record at
// (x, y), out of play and hidden. Records with three or more frames start at frame 2, others at 0.
void set_frames(SpriteHead& record, BITMAP* strip, int n, int x, int y, int frame_w, int frame_h);
// The same set-up over the frames that `owner` cut.
void set_shared_frames(SpriteHead& record, const SpriteHead& owner, int x, int y);

// Bullet kinds; each flies at its own angle unless the owner aims it.
enum BulletType { bullet_up = 1, bullet_down = 2, bullet_diagonal = 3, bullet_spread = 4 };

class Sprite : public SpriteHead {
public:
    bool active = false;        // in flight
    BITMAP* picture = nullptr;  // the bullet's strip, not owned
    BITMAP* bitmap = nullptr;   // the current frame, refreshed by every move
    float speed = 0.0f;         // pixels per logic step
    float angle = 0.0f;         // Allegro angle units: 0 right, 64 down, 192 up
    float travelled = 0.0f;     // distance from the launch point
    float origin_x = 0.0f, origin_y = 0.0f;
    int type = 0;  // a BulletType
    int margin_w = 0, margin_h = 0;  // how far off the top and left edges a bullet may go
    int damage = 0;

    void init_bullet(BITMAP* new_picture, float new_speed, int new_type, int n, int frame_w, int frame_h);
    // New picture, speed and damage for a bullet that may be in flight (gun upgrades).
    void rearm(BITMAP* new_picture, float new_speed, int new_damage, int n, int frame_w, int frame_h);
    void set_damage(int v) { damage = v; }
    void set_angle(float new_angle, float new_travelled);
    void launch_from(float x0, float y0);
    void start();
    void deactivate() { active = false; }
    void move_bullet();
    // The current frame turned to the flight direction; the owner draws only active bullets.
    void draw_rotated(BITMAP* dest) const;

private:
    void cut_bullet_frames(int n, int frame_w, int frame_h);
};
