#include "enemies/power_up.h"

#include "enemies/scenery_art.h"
#include "engine/collision.h"
#include "engine/soundclip.h"
#include "player/player.h"

namespace {

constexpr int bonus = 20000;
constexpr const char* bonus_text = "Bonus! $20000";
constexpr int rest_steps = 50;
constexpr float banner_pace = 10.0f;
constexpr float text_pace = 8.0f;

FMOD_SOUND* pickup_sound() {
    static FMOD_SOUND* const sound = open_sound_stream("sfx/powerup.ogg", false);
    return sound;
}

}  // namespace

void PowerUp::init(int new_type, float x0, float y0) {
    type = new_type;
    x = x0;
    y = y0;
    hold_count = 0;
    taken = false;
    banner_shown = false;
    datafile = shared_datafile("powerups.dat");
    banner = nested_picture(datafile, 1);
    sound = pickup_sound();
    banner_x = static_cast<float>(-banner->w);
    banner_y = static_cast<float>(playfield_height / 2 - banner->h / 2);
    banner_target_x = static_cast<float>(playfield_width / 2 - banner->w / 2);
    text_y = static_cast<float>(-(text_height(font) + 1));
    picture = type == 1 ? nested_picture(datafile, 0) : nullptr;
}

void PowerUp::update(int dy) {
    y += static_cast<float>(dy);
    BITMAP* ship = player.frames[player.bank_frame];
    // Only a pick-up with a picture can be touched.
    if (!taken && picture &&
        pixel_collision(picture, static_cast<int>(x), static_cast<int>(y), ship, static_cast<int>(player.x),
                        static_cast<int>(player.y))) {
        play_on_free_channel(sound, channel);
        player.money += bonus;
        taken = true;
        banner_shown = true;
    }
    if (banner_shown) slide_banner();
}

// The banner slides in from the left while the text drops in from the top; both rest in the
// middle, then the banner slides out to the right and the text falls on until it has gone.
void PowerUp::slide_banner() {
    banner_x += banner_pace;
    text_y += text_pace;
    const float text_rest = banner_y - static_cast<float>(text_height(font) + 6);
    if (text_y > text_rest && hold_count < rest_steps) text_y = text_rest;
    if (banner_x > banner_target_x && hold_count < rest_steps) {
        banner_x = banner_target_x;
        hold_count += 1;
    }
    if (banner_x > playfield_width) {
        banner_x = playfield_width;
        banner_shown = false;
    }
}

void PowerUp::draw(BITMAP* target) const {
    if (!taken && picture)
        masked_blit(picture, target, 0, 0, static_cast<int>(x), static_cast<int>(y), picture->w, picture->h);
    if (!banner_shown) return;
    const int line = static_cast<int>(text_y);
    textprintf_centre_ex(target, font, 319, line + 1, makecol(0, 0, 150), -1, "%s", bonus_text);
    textprintf_centre_ex(target, font, 320, line, -1, -1, "%s", bonus_text);
    masked_blit(banner, target, 0, 0, static_cast<int>(banner_x), static_cast<int>(banner_y), banner->w, banner->h);
}
