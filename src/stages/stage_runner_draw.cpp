// The stage runner's frame: the layers, the boss, the ship, the HUD and the title, the panes, the
// panel and "Continue?" over them, faded onto the page.
#include "stages/stage_runner.h"

#include "enemies/scenery_art.h"
#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"
#include "stages/hud.h"
#include "stages/playfield.h"

namespace {

int white() { return makecol(255, 255, 255); }

// A row of the approach: see-through while it fades, washed by the boss's alpha when whole.
void draw_approach_row(BITMAP* picture, int row, int alpha, int boss_alpha) {
    if (row < -last_row || row > last_row) return;
    if (alpha > 0 && alpha < 255) trans_blit(picture, buffer, 0, row, alpha);
    if (alpha == 255) fade_blit(picture, buffer, 0, row, white(), boss_alpha);
}

}  // namespace

void StageRunner::draw() {
    draw_layers();
    boss->draw(buffer);
    draw_ship();
    draw_over_ship();
    draw_hud(money_text, gun_text, side_text);
    draw_title();
    shake_blit(buffer, overlay_buffer, 0, 0, 0, 0, screen_w, screen_h);
    if (boss_pane_x < 640.0f && pilot_pane_x > -640.0f) draw_panes();
    if (continue_shown) draw_continue();
    if (pause_y > static_cast<float>(1 - pause_panel->h)) draw_pause_panel();
    if (continue_shown || paused) draw_masked(mouse_pointer, overlay_buffer, mouse_x, mouse_y);
    fade_onto_page(overlay_buffer, data.white_fades ? white() : makecol(0, 0, 0), fade_level);
}

void StageRunner::draw_backdrops() const {
    for (std::size_t i = 0; i < data.marks.size(); ++i) {
        const ScrollMark& mark = data.marks[i];
        if (mark.layer == ScrollMark::backdrop && mark.shown_above < marks[i] && marks[i] <= last_row)
            fade_blit(*mark.picture, buffer, mark.x, marks[i], white(), boss->alpha());
    }
}

void StageRunner::draw_overlays() const {
    for (std::size_t i = 0; i < data.marks.size(); ++i) {
        const ScrollMark& mark = data.marks[i];
        if (mark.layer == ScrollMark::overlay && mark.shown_above < marks[i] && marks[i] <= last_row)
            draw_masked(*mark.picture, buffer, mark.x, marks[i]);
    }
}

void StageRunner::draw_ship() { player.draw(buffer); }

void StageRunner::draw_approach_stars() const {
    for (int row : backdrop_y) draw_approach_row(stage1_small_stars, row, backdrop_alpha, boss->alpha());
}

void StageRunner::draw_ground() const {
    for (int i = 0; i < 2; ++i) {
        BITMAP* picture = data.approach->ground[data.approach->grounds > 1 ? ground_pick[i] : 0];
        draw_approach_row(picture, ground_y[i], ground_alpha, boss->alpha());
    }
}

void StageRunner::draw_planet() const {
    if (planet_alpha <= 0) return;
    BITMAP* target = planet_alpha < 255 ? planet_layer : buffer;
    pivot_scaled(target, *data.approach->planet, screen_w / 2, screen_h / 2, data.approach->pivot_x, planet_y, 0,
                 ftofix(planet_scale));
    if (planet_alpha < 255) trans_blit(planet_layer, buffer, 0, 0, planet_alpha);
}

void StageRunner::draw_title() const {
    const int y = screen_h / 2 - text_height(font7) / 2;
    if (title_x > static_cast<float>(-text_length(font7, data.title) - text_length(font7, " ")))
        textout_ex(buffer, font7, data.title, static_cast<int>(title_x), y, -1, -1);
    if (title_number_x >= 640.0f) return;
    if (data.title_second)
        textout_ex(buffer, font7, data.title_second, static_cast<int>(title_number_x), y, -1, -1);
    else
        textprintf_ex(buffer, font7, static_cast<int>(title_number_x), y, -1, -1, "%d", current_stage);
}
