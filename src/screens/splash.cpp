#include "screens/splash.h"

#include "engine/loaders.h"
#include "engine/timing.h"

namespace {

constexpr int hold_steps = 300;

}  // namespace

void SplashFade::step() {
    fade_.step();
    if (++held_ > hold_steps && !fade_.fading_out()) fade_.leave();
}

void draw_splash(BITMAP* logo, int level) {
    blit(logo, buffer, 0, 0, 0, 0, logo->w, logo->h);
    fade_onto_page(buffer, makecol(0, 0, 0), level);
}

void splash_logo() {
    BITMAP* logo = load_png_ex("logo.png");
    SplashFade fade;
    FrameLoop loop;
    loop.run([&] { return fade.running(); }, [&] { fade.step(); }, [&] { draw_splash(logo, fade.level()); });
    destroy_bitmap(logo);
}
