#include "bosses/boss4.h"

#include "bosses/boss_moves.h"

namespace {

// {body, bullet, bullet speed, frames, w, h, bullets, hit points,
//  speeds {at load, below 300, below 150, warning, warning below}, death {x, y, circles, reward}}
constexpr FrameBossKind boss4_kind{"gfx/boss4/boss.png",
                                   "gfx/boss4/bullet.gif",
                                   6.0f,
                                   1,
                                   0,
                                   0,
                                   6,
                                   1200,
                                   {3.0f, 4.0f, 5.0f, 6.0f, 75},
                                   {170.0f, 5.0f, true, 4000}};

// {highest, lowest, step}
constexpr BobRow boss4_bob{5.0f, 160.0f, 0.1f};

constexpr float fans_above = 100.0f;
constexpr float left_fan_x = 74.0f, right_fan_x = 221.0f, fan_y = 173.0f;
constexpr std::array<float, 3> fan_headings{80, 64, 48};

}  // namespace

Boss4::Boss4() : FrameBoss(boss4_kind) {}

void Boss4::update() {
    if (active && state != dying) {
        set_speed_by_hit_points();
        // Beaten on an earlier step with no start_death yet: the rest of this step still runs.
        if (beaten()) start_death();
        take_weapon_hits({{body, static_cast<int>(x), static_cast<int>(y)}});
        bob(*this, boss4_bob);
        if (fan_due(*this, fans_above)) {
            launch_fan(&bullets[0], x + left_fan_x, y + fan_y, fan_headings);
            launch_fan(&bullets[3], x + right_fan_x, y + fan_y, fan_headings);
        }
    }
    fly_bullets();
    animate_explosions();
}

void Boss4::draw(BITMAP* dest) {
    if (!visible || dead) return;
    draw_body(dest);
    draw_explosions(dest);
    draw_bullets(dest);
}
