#include "player/helper.h"

#include <cmath>

#include "engine/loaders.h"
#include "player/resources.h"

namespace {

constexpr float pi = 3.14159265358979f;
constexpr float full_turn = 2.0f * pi;
constexpr float orbit_radius = 45.0f;
constexpr float orbit_step = 0.07f;
constexpr float orbit_centre = 27.0f;  // from the ship's top-left corner
constexpr int one_shot_wait = 20;

struct HelperArt {
    const char* strip;
    bool strip_is_png;
    const char* bullet;
    int frame_w, frame_h;
    float bullet_speed;
    int bullet_count;
};

const HelperArt one_shot_art{"gfx/helpers/one_shot.gif", false, "gfx/helpers/one_shot_bullet.png", 14, 16, 5.0f, 1};
const HelperArt three_shot_art{"gfx/helpers/3_shot.png", true, "gfx/helpers/three_shot_bullet.png", 21, 15, 6.0f, 3};

// The fan: launch offsets from the helper's corner (y less the bullet's height) and headings.
struct FanShot {
    float dx, dy;
    float heading;
};
constexpr FanShot fan[3] = {{0.0f, 3.0f, 176.0f}, {9.0f, 0.0f, 192.0f}, {18.0f, 3.0f, 208.0f}};

}  // namespace

Helper::~Helper() { replace_picture(bullet_picture, nullptr); }

void Helper::load(int new_kind, int new_index) {
    kind = new_kind;
    const HelperArt& art = kind == three_shot ? three_shot_art : one_shot_art;
    set_frames_from(*this, art.strip_is_png ? load_png_ex(art.strip) : load_bitmap_ex(art.strip), 4, 0, 0, art.frame_w,
                    art.frame_h);
    replace_picture(bullet_picture, load_png_ex(art.bullet));
    for (int i = 0; i < art.bullet_count; ++i) bullets[i].init_bullet(bullet_picture, art.bullet_speed, bullet_up, 1, 0, 0);
    index = new_index;
    start_on_orbit();
    frame = 0;
    active = false;
    fire_counter = 0;
}

void Helper::start_on_orbit() {
    angle = index == 2 ? pi : 0.0f;
    fire_delay = index == 2 ? 40 : 20;
}

void Helper::reset() {
    for (Sprite& bullet : bullets) bullet.deactivate();
    start_on_orbit();
    set_position(-50.0f, -50.0f);
}

void Helper::update(float ship_x, float ship_y) {
    if (active) {
        if (++tick > 1) {
            tick = 0;
            if (++frame > 3) frame = 0;
        }
        x = std::cos(angle) * orbit_radius;
        y = std::sin(angle) * orbit_radius;
        angle += orbit_step;
        if (angle >= full_turn) angle -= full_turn;
        x += ship_x + orbit_centre;
        y += ship_y + orbit_centre;
        ++fire_counter;
        if (kind == one_shot)
            fire_one();
        else if (kind == three_shot)
            fire_fan();
    }
    for (Sprite& bullet : bullets)
        if (bullet.active) bullet.move_bullet();
}

// Both helpers of a pair wait the same 20 steps, whatever their index.
void Helper::fire_one() {
    Sprite& bullet = bullets[0];
    if (bullet.active || fire_counter <= one_shot_wait) return;
    fire_counter = 0;
    bullet.launch_from(x + 4.0f, y - bullet.margin_h);
    bullet.active = true;
}

// The counter is not reset: after the first volley the next leaves once all three are gone.
void Helper::fire_fan() {
    for (const Sprite& bullet : bullets)
        if (bullet.active) return;
    if (fire_counter <= fire_delay) return;
    for (int i = 0; i < 3; ++i) {
        Sprite& bullet = bullets[i];
        bullet.launch_from(x + fan[i].dx, y - bullet.margin_h + fan[i].dy);
        bullet.set_angle(fan[i].heading, 0.0f);
        bullet.active = true;
    }
}

void Helper::draw(BITMAP* dest) const {
    if (active) draw_sprite(dest, current_frame(), static_cast<int>(x), static_cast<int>(y));
    for (const Sprite& bullet : bullets)
        if (bullet.active) bullet.draw_rotated(dest);
}
