#include "game/loading_screen.h"

#include <initializer_list>

#include "enemies/scenery.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "game/resource_loader.h"
#include "engine/timing.h"
#include "screens/splash.h"

namespace {

constexpr float tune_fade_step = 0.08f;
constexpr int bar_x = 220;
constexpr int bar_y = 350;
constexpr int bar_step = 2;  // pixels per percent
constexpr int text_x = 270;
constexpr int text_y = 336;
constexpr const char* text_format = "Loading... %d%%";

}  // namespace

LoadingScreen::LoadingScreen(float (*load_step)())
    : load_step_(load_step),
      back_(load_bitmap_ex("gfx/loader/back.gif")),
      bar_(load_bitmap_ex("gfx/loader/bar.gif")),
      background_(load_bitmap_ex("gfx/loader/kv2_options_background.gif")) {
    tune_.load_music("bgm/loading/tune.ogg", 0, true);
    for (SceneryMarker& marker : scenery_markers) marker.clear();
    tune_.play_music();
}

// The tune's stream is kept: it goes on at volume 0 until the next tune replaces it.
LoadingScreen::~LoadingScreen() {
    for (BITMAP* picture : {back_, bar_, background_}) destroy_bitmap(picture);
}

void LoadingScreen::step() {
    if (frame_shown_) fraction_ = load_step_();
    if (fraction_ >= 1.0f && tune_.fade_out(0.0f, tune_fade_step)) running_ = false;
}

void LoadingScreen::draw() {
    blit(background_, buffer, 0, 0, 0, 0, background_->w, background_->h);
    rect(buffer, 215, 345, 425, 380, makecol(0, 41, 240));
    for (int k = 0; k < percent(); ++k) blit(bar_, buffer, 0, 0, bar_x + bar_step * k, bar_y, bar_->w, bar_->h);
    fade_onto_page(buffer, makecol(255, 255, 255), 254);
    // White on a dark shadow one pixel down and to the left.
    textprintf_ex(active_page, font, text_x - 1, text_y + 1, makecol(0, 0, 0), -1, text_format, percent());
    textprintf_ex(active_page, font, text_x, text_y, makecol(255, 255, 255), -1, text_format, percent());
    frame_shown_ = true;
}

void loading_screen() {
    paused = false;
    fade_buffer = create_bitmap(SCREEN_W, SCREEN_H);
    buffer = create_bitmap(SCREEN_W, SCREEN_H);
    splash_logo();
    LoadingScreen screen(load_resources_step);
    FrameLoop loop;
    loop.run([&] { return screen.running(); }, [&] { screen.step(); }, [&] { screen.draw(); });
}
