#include "enemies/meteor.h"

#include <algorithm>

#include "enemies/scenery_art.h"
#include "engine/loaders.h"

namespace {

constexpr int rock_w = 28, rock_h = 23;  // the strip's one frame
constexpr float class_scales[2] = {1.0f, 1.5f};  // speed classes 2 and 3

}  // namespace

void Meteor::init(int new_x_min, int new_x_max, int y_min, int y_max) {
    datafile = shared_datafile("meteor.dat");
    strip = nested_picture(datafile, 1);
    picture = nested_picture(datafile, 0);
    set_frames(*this, strip, 1, 0, 0, rock_w, rock_h);
    // Columns too few for the rock leave it at the first one.
    x = static_cast<float>(random_range(new_x_min, std::max(new_x_min, new_x_max - strip->w - 2)));
    y = static_cast<float>(random_range(y_min, y_max));
    speed_class = random_range(2, 3);
    scale = class_scales[speed_class - 2];
    x_min = new_x_min;
    x_max = new_x_max;
    state = 51;
    frame = 0;
    angle = 0;
}

void Meteor::scroll(int dy) {
    last_scroll = dy;
    y += static_cast<float>(dy);
}

void Meteor::draw(BITMAP* target) const {
    BITMAP* shown = speed_class == 2 ? picture : current_frame();
    pivot_scaled(target, shown, static_cast<int>(x), static_cast<int>(y), w / 2, h / 2, itofix(angle), ftofix(scale));
}
