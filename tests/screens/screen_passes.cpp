#include "screen_passes.h"

#include <loadpng.h>

#include "audio/audio_testing.h"
#include "engine/gameengine.h"
#include "engine/text.h"
#include "support/pictures.h"

namespace screen_testing {

const auto* const release_records = ::testing::AddGlobalTestEnvironment(new testing_support::ReleaseLoadedRecords);

// Allegro names keys only with its keyboard driver installed.
const char* space_name(int) { return "space"; }

void release_input() {
    key_name_source = space_name;
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
    point(0, 0, false);
}

void ScreenPasses::save(const std::string& name) {
    EXPECT_EQ(save_png(testing_support::picture_path(name).c_str(), page(), nullptr), 0);
}

void point(int x, int y, bool button) {
    mouse_x = x;
    mouse_y = y;
    mouse_b = button ? 1 : 0;
}

bool sounding(FMOD_SOUND* sound, unsigned* position) {
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.sound == sound) {
            if (position) *position = voice.position_ms;
            return true;
        }
    return false;
}

bool whitish(int pixel) { return getr(pixel) > 240 && getg(pixel) > 240 && getb(pixel) > 240; }

int brightness(int pixel) { return getr(pixel) + getg(pixel) + getb(pixel); }

}  // namespace screen_testing
