#include "engine/explosion.h"

#include <cassert>

#include "engine/loaders.h"

namespace {

constexpr int frame_count = 13;
constexpr int frame_w = 68;
constexpr int frame_h = 64;
constexpr int flash_size = 128;
constexpr int ring_end = 128;  // the flash is spent once its hole has grown this far

// Every record shows the same pictures and nothing draws into them, so one decoded copy of the
// art, cut into frames once, serves all of them for the whole run.
class ExplosionArt {
public:
    ExplosionArt() : datafile_(load_datafile_ex("explosions.dat")) {
        set_frames(frames, datafile_bitmap(datafile_[0]), frame_count, 0, 0, frame_w, frame_h);
        flash_picture = datafile_bitmap(datafile_[1]);
    }

    SpriteHead frames;
    BITMAP* flash_picture = nullptr;

private:
    DATAFILE* datafile_;
};

const ExplosionArt& explosion_art() {
    static const ExplosionArt art;
    return art;
}

}  // namespace

Explosion::~Explosion() {
    if (flash) destroy_bitmap_safely(flash);
}

void Explosion::init(float x0, float y0, int new_mode) {
    set_shared_frames(*this, explosion_art().frames, static_cast<int>(x0), static_cast<int>(y0));
    frame = 0;
    active = false;
    mode = new_mode;
    ring = 0;
    rounds = 0;
    alpha = 0.0f;
    scale = 1.0f;
    if (mode == explosion_flash && !flash) flash = create_bitmap(flash_size, flash_size);
}

void Explosion::start() {
    active = true;
    alpha = 0.0f;
    ring = 0;
    rounds = 0;
}

void Explosion::animate() {
    if (++tick > 1) {
        tick = 0;
        if (++frame > last_frame) {
            stop();
            frame = 0;
        }
    }
    if (mode == explosion_flash && rounds < 1) {
        alpha += 0.05f;
        if (alpha > 0.55f) ring += 4;
        if (alpha > 1.0f) alpha = 1.0f;
        if (ring > ring_end) {
            alpha = 0.0f;
            ring = 0;
            rounds += 1;
        }
    }
}

void Explosion::draw(BITMAP* dest) {
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    if (mode != explosion_flash) {
        pivot_sprite_anywhere(dest, current_frame(), left, top, frame_w / 2, frame_h / 2, 0, ftofix(scale));
        return;
    }
    if (rounds < 1) {
        assert(flash);
        const int mask = makecol(255, 0, 255);
        const int centre = flash_size / 2;
        clear_to_color(flash, mask);
        pivot_scaled_sprite(flash, explosion_art().flash_picture, centre, centre, centre, centre, 0, ftofix(alpha));
        circlefill(flash, flash->w / 2 - 1, flash->h / 2 - 1, ring + 10, mask);
        draw_sprite(dest, flash, left - frame_w / 2, top - frame_h / 2);
    }
    draw_sprite(dest, current_frame(), left, top);
}
