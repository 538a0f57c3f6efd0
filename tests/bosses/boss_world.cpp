#include "boss_world.h"

#include <loadpng.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/timing.h"
#include "player/player.h"
#include "support/pictures.h"

namespace boss_world {

namespace {

int removals = 0;
void count_removal(void (*)()) { removals += 1; }

}  // namespace

void prepare() {
    enemy_world::prepare();
    // As the game does at start-up: some boss parts are PNG pictures loaded by extension.
    register_png_file_type();
    timing_calls.remove_int = count_removal;
    removals = 0;
}

int shakes_stopped() { return removals; }

bool playing(FMOD_CHANNEL* channel) {
    FMOD_BOOL on = 0;
    FMOD_Channel_IsPlaying(channel, &on);
    return on;
}

BITMAP* scratch() {
    static BITMAP* frame = create_bitmap(playfield_width, playfield_height);
    return frame;
}

void draws_give(int skipped, std::initializer_list<Draw> draws) {
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        for (int i = 0; i < skipped; ++i) std::rand();
        bool all = true;
        for (const Draw& d : draws) all = all && std::rand() % d.modulus == d.remainder;
        if (all) return std::srand(seed);
    }
}

void hold(Sprite& shot, float x, float y) {
    shot.launch_from(x, y);
    shot.speed = 0.0f;
    shot.angle = 64.0f;
    enemy_world::place_bullet(shot, x, y);
}

void fly_ship() {
    player.set_position(288.0f, 400.0f);
    player.blinking = false;
}

float hull_x() { return player.hull_x() + static_cast<float>(player.hit_picture->w / 2); }
float hull_y() { return player.y + static_cast<float>(player.hit_picture->h / 2); }

void burn_beam() {
    player.bomb1.frame = 0;
    player.bomb1.idle = false;
}

void burn_laser(int i, float x, float y) {
    Bomb2Part& laser = player.bomb2_parts[i];
    laser.set_position(x, y);
    laser.frame = 0;
    laser.idle = false;
}

BITMAP* starry_frame() {
    BITMAP* frame = create_bitmap(playfield_width, playfield_height);
    clear_to_color(frame, makecol(8, 10, 36));
    for (int i = 0; i < 140; ++i) putpixel(frame, (i * 97) % 640, (i * 61) % 480, makecol(150, 160, 200));
    return frame;
}

int save_frame(BITMAP* frame, const char* name) {
    const std::string path = testing_support::picture_path(name);
    EXPECT_EQ(save_png(path.c_str(), frame, nullptr), 0);
    std::printf("frame saved to %s\n", path.c_str());
    const int white = enemy_world::bright_pixels(frame, 0, 0, frame->w, frame->h);
    destroy_bitmap(frame);
    return white;
}

}  // namespace boss_world
