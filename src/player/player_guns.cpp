// The main gun and the side guns, fired under the key in play and by themselves in the menu
// pose, and the bomb keys that come before them. No fire-rate timer: a bullet leaves only when
// the one before it has climbed far enough.
#include "engine/settings.h"
#include "engine/soundclip.h"
#include "player/player.h"
#include "player/resources.h"

namespace {

// The muzzle puts the bullet at (x + dx, y - dy); the bullet before it must be above
// y - gap - its height (half its height where marked) - 5. The menu pose uses its own dx and gap.
struct MainGun {
    int dx, dy, gap;
    bool half_height;
    int menu_dx, menu_gap;
};

constexpr MainGun main_guns[2][4] = {
    {{30, 16, 66, false, 30, 66}, {29, 18, 58, false, 29, 58}, {30, 20, 50, false, 29, 50}, {28, 26, 46, true, 28, 36}},
    {{29, 15, 65, false, 29, 65}, {26, 16, 56, false, 26, 56}, {25, 23, 47, false, 25, 47}, {28, 23, 33, true, 28, 33}},
};

// Left and right muzzles at x + left_dx and x + right_dx, y - dy; the threshold sits `gap`
// above the new bullet's top.
struct SideGun {
    int left_dx, right_dx, dy, gap;
};

constexpr SideGun side_gun_rows[3] = {{20, 39, 2, 60}, {18, 37, 4, 50}, {16, 37, 5, 40}};

constexpr int beam_blocks_guns_up_to = 8;  // the beam frame at or below which no gun fires

const MainGun* main_gun_of(int character, int level) {
    if (character < 1 || character > 2 || level < 1 || level > 4) return nullptr;
    return &main_guns[character - 1][level - 1];
}

const SideGun* side_gun_of(bool owned, int level) {
    if (!owned || level < 1 || level > 3) return nullptr;
    return &side_gun_rows[level - 1];
}

// Slot s - 1 of a ring, or null at slot 0, which has no bullet before it.
Sprite* previous_in(std::array<Sprite, Player::pool_size>& ring, int s) { return s > 0 ? &ring[s - 1] : nullptr; }

}  // namespace

void Player::fire_and_bomb() {
    trigger_bomb(key_bomb1, bomb1_count, 1);
    trigger_bomb(key_bomb2, bomb2_count, 2);
    if (!key[key_shoot] || bomb1.frame <= beam_blocks_guns_up_to) return;
    if (const MainGun* gun = main_gun_of(character, gun_level)) fire_main_gun(gun->dx, gun->dy, gun->gap, gun->half_height);
    fire_side_guns();
}

void Player::auto_fire() {
    if (bomb1.frame <= beam_blocks_guns_up_to) return;
    if (const MainGun* gun = main_gun_of(character, gun_level))
        fire_main_gun(gun->menu_dx, gun->dy, gun->menu_gap, gun->half_height);
    fire_side_pair();
}

// A bomb leaves only on the step on which its key goes down. The bullets are cleared even when
// a bomb still burns and no new one can start.
void Player::trigger_bomb(int scancode, int& count, int kind) {
    if (!key[scancode] || bomb_key_latch != 0 || count <= 0) return;
    switch_bullets_off();
    if (bomb_burning()) return;
    bomb_kind = kind;
    play_on_free_channel(bomb_start_sound, channel);
    charge.start();
    count -= 1;
}

bool Player::bomb_burning() const {
    if (bomb1.is_running()) return true;
    for (const Bomb2Part& part : bomb2_parts)
        if (part.is_running()) return true;
    return false;
}

void Player::fire_main_gun(int dx, int dy, int gap, bool half_height) {
    auto& ring = bullets[main_group];
    Sprite& bullet = ring[next_slot];
    if (bullet.active) return;
    if (const Sprite* before = previous_in(ring, next_slot); before && before->active) {
        const int height_term = half_height ? before->margin_h / 2 : before->margin_h;
        if (!(before->y < y - gap - height_term - 5)) return;
    }
    bullet.launch_from(x + dx, y - dy);
    bullet.active = true;
    play_on_free_channel(bullet_sound, channel);
    next_slot += 1;
    main_fired = true;
}

// The left gun sets the pace; the right fires with it whenever its own last bullet is clear,
// and its ring index moves only when it fires.
void Player::fire_side_guns() {
    const SideGun* gun = side_gun_of(side_guns, side_level);
    if (!gun) return;
    auto& left = bullets[left_side_group];
    Sprite& left_bullet = left[side_next_left];
    if (left_bullet.active) return;
    if (const Sprite* before = previous_in(left, side_next_left); before && before->active && !(before->y < side_threshold_left))
        return;
    left_bullet.launch_from(x + gun->left_dx, y - gun->dy);
    left_bullet.active = true;
    side_threshold_left = y - left_bullet.margin_h - gun->gap;

    auto& right = bullets[right_side_group];
    Sprite& right_bullet = right[side_next_right];
    const Sprite* right_before = previous_in(right, side_next_right);
    const bool right_blocked =
        right_bullet.active || (right_before && right_before->active && !(right_before->y < side_threshold_right));
    if (!right_blocked) {
        right_bullet.launch_from(x + gun->right_dx, y - gun->dy);
        right_bullet.active = true;
        side_threshold_right = y - right_bullet.margin_h - gun->gap;
        side_next_right += 1;
    }
    play_on_free_channel(bullet_sound, channel);
    side_next_left += 1;
    side_fired = true;
}

// The menu pose fires both sides as one pair on the left ring index and threshold.
void Player::fire_side_pair() {
    const SideGun* gun = side_gun_of(side_guns, side_level);
    if (!gun) return;
    const int s = side_next_left;
    Sprite& left = bullets[left_side_group][s];
    Sprite& right = bullets[right_side_group][s];
    const Sprite* left_before = previous_in(bullets[left_side_group], s);
    const Sprite* right_before = previous_in(bullets[right_side_group], s);
    const bool left_before_active = left_before && left_before->active;
    const bool right_before_active = right_before && right_before->active;
    const bool all_idle = !left.active && !right.active && !left_before_active && !right_before_active;
    const bool both_clear = left_before_active && right_before_active && !left.active && !right.active &&
                            left_before->y < side_threshold_left && right_before->y < side_threshold_left;
    if (!all_idle && !both_clear) return;
    left.launch_from(x + gun->left_dx, y - gun->dy);
    right.launch_from(x + gun->right_dx, y - gun->dy);
    left.active = right.active = true;
    side_threshold_left = y - left.margin_h - gun->gap;
    play_on_free_channel(bullet_sound, channel);
    side_next_left += 1;
    side_fired = true;
}
