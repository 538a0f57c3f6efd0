#include "screens/splash.h"

#include "engine/loaders.h"
#include "engine/timing.h"

namespace {

constexpr int fade_speed = 4;
constexpr int hold_steps = 300;
constexpr int darkest = 1;
constexpr int brightest = 254;

}  // namespace

void SplashFade::step() {
    if (fading_in_) level_ += fade_speed;
    if (fading_out_) {
        level_ -= fade_speed;
        if (level_ <= darkest) {
            level_ = darkest;
            running_ = false;
        }
    }
    if (level_ > brightest) level_ = brightest;
    if (++held_ > hold_steps && fading_in_) {
        fading_in_ = false;
        fading_out_ = true;
    }
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
