#include "engine/sprite.h"

#include <cassert>

#include "engine/ui.h"

namespace {

// Records start at frame 2 of their strip; shorter strips have no frame 2.
int first_frame(int n) { return n >= 3 ? 2 : 0; }

// The heading a bullet of this type starts with; spread shots keep the one their owner set.
float heading_of(int type, float current) {
    switch (type) {
    case bullet_up: return 192.0f;
    case bullet_down: return 64.0f;
    case bullet_diagonal: return 32.0f;
    default: return current;
    }
}

// Bullet pictures of the player point up, those of enemies point down.
bool points_down(int type) { return type == bullet_down || type == bullet_diagonal || type == bullet_spread; }

void place_on_frames(SpriteHead& record, int n, int x, int y) {
    record.in_play = false;
    record.set_position(static_cast<float>(x), static_cast<float>(y));
    record.dx = record.dy = 0.0f;
    record.w = record.frames[0]->w;
    record.h = record.frames[0]->h;
    record.frame = first_frame(n);
    record.last_frame = n - 1;
    record.tick = 0;
    record.ticks_per_frame = 3;
    record.alive = true;
    record.visible = false;
}

fixed to_fixed(int v) { return v * 0x10000; }

}  // namespace

void rotate_sprite_anywhere(BITMAP* dest, BITMAP* sprite, int x, int y, fixed angle) {
    // About the picture's centre, half pixels kept, as Allegro's own.
    const fixed half_w = sprite->w * 0x10000 / 2, half_h = sprite->h * 0x10000 / 2;
    dest->vtable->pivot_scaled_sprite_flip(dest, sprite, to_fixed(x) + half_w, to_fixed(y) + half_h, half_w, half_h,
                                           angle, itofix(1), FALSE);
}

void pivot_sprite_anywhere(BITMAP* dest, BITMAP* sprite, int x, int y, int cx, int cy, fixed angle, fixed scale) {
    dest->vtable->pivot_scaled_sprite_flip(dest, sprite, to_fixed(x), to_fixed(y), to_fixed(cx), to_fixed(cy), angle,
                                           scale, FALSE);
}

void destroy_bitmap_safely(BITMAP* bitmap) {
    // Allegro's exit handler runs before the destructors of globals and takes the bitmaps' driver
    // with it; what is left then goes with the process.
    if (system_driver) destroy_bitmap(bitmap);
}

SpriteHead::~SpriteHead() { release_frames(); }

void SpriteHead::set_position(float new_x, float new_y) {
    x = new_x;
    y = new_y;
}

void SpriteHead::animate() {
    if (last_frame <= 0) return;
    if (++tick > 2) {
        tick = 0;
        if (++frame > last_frame) frame = 0;
    }
}

void SpriteHead::grab_frames(int n) {
    assert(n >= 1 && n <= max_frames);
    release_frames();
    for (int i = 0; i < n; ++i) frames[i] = grab_frame(strip, frame_w, frame_h, 0, 0, n, i);
    owned_frames_ = n;
}

void SpriteHead::share_frames(const SpriteHead& owner) {
    release_frames();
    strip = owner.strip;
    frame_w = owner.frame_w;
    frame_h = owner.frame_h;
    frames = owner.frames;
}

void SpriteHead::release_frames() {
    for (int i = 0; i < owned_frames_; ++i) destroy_bitmap_safely(frames[i]);
    owned_frames_ = 0;
    frames.fill(nullptr);
}

void set_frames(SpriteHead& record, BITMAP* strip, int n, int x, int y, int frame_w, int frame_h) {
    record.strip = strip;
    record.frame_w = frame_w;
    record.frame_h = frame_h;
    record.grab_frames(n);
    place_on_frames(record, n, x, y);
}

void set_shared_frames(SpriteHead& record, const SpriteHead& owner, int x, int y) {
    record.share_frames(owner);
    place_on_frames(record, owner.last_frame + 1, x, y);
}

void Sprite::cut_bullet_frames(int n, int frame_w, int frame_h) {
    if (n <= 1)
        set_frames(*this, picture, 1, 0, 0, picture->w, picture->h);
    else
        set_frames(*this, picture, n, 0, 0, frame_w, frame_h);
    margin_w = w;
    margin_h = h;
}

void Sprite::init_bullet(BITMAP* new_picture, float new_speed, int new_type, int n, int frame_w, int frame_h) {
    picture = new_picture;
    cut_bullet_frames(n, frame_w, frame_h);
    bitmap = current_frame();
    active = false;
    speed = new_speed;
    type = new_type;
    damage = 1;
    travelled = 5.0f;
    angle = heading_of(type, angle);
}

void Sprite::rearm(BITMAP* new_picture, float new_speed, int new_damage, int n, int frame_w, int frame_h) {
    picture = new_picture;
    cut_bullet_frames(n, frame_w, frame_h);
    frame = 0;
    bitmap = current_frame();
    speed = new_speed;
    damage = new_damage;
    angle = heading_of(type, angle);
}

void Sprite::set_angle(float new_angle, float new_travelled) {
    angle = new_angle;
    travelled = new_travelled;
}

void Sprite::launch_from(float x0, float y0) {
    origin_x = x0;
    origin_y = y0;
    travelled = 0.0f;
}

void Sprite::start() {
    frame = 0;
    active = true;
}

void Sprite::move_bullet() {
    if (active) {
        travelled += speed;
        // Recomputed from the launch point every step, so rounding never accumulates.
        const fixed heading = ftofix(angle);
        y = static_cast<float>(origin_y + travelled * fixtof(fixsin(heading)));
        x = static_cast<float>(origin_x + travelled * fixtof(fixcos(heading)));
        if (x > playfield_width || x < -margin_w || y > playfield_height || y < -margin_h) {
            active = false;
            travelled = 0.0f;
        }
        animate();
    }
    bitmap = current_frame();
}

void Sprite::draw_rotated(BITMAP* dest) const {
    fixed turn = ftofix(angle) + ftofix(64);
    if (points_down(type)) turn += ftofix(128);
    rotate_sprite_anywhere(dest, current_frame(), static_cast<int>(x), static_cast<int>(y), turn);
}
