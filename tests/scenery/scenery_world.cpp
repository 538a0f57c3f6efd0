#include "scenery_world.h"

#include <cstdlib>
#include <new>
#include <string>

#include "enemies/scenery.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "player/player.h"

namespace scenery_world {

namespace {

void load_slots() {
    statue_bitmap = load_png_ex("gfx/tenth_stage/statue.png");
    const char* clouds[] = {"cloud_small", "cloud_medium_1", "cloud_medium_2", "cloud_big"};
    for (int i = 0; i < 4; ++i)
        cloud_bitmaps[i] = load_png_ex(("gfx/third_stage/" + std::string(clouds[i]) + ".png").c_str());
    for (int i = 0; i < 3; ++i)
        island_bitmaps[i] = load_png_ex(("gfx/third_stage/island_" + std::to_string(i + 1) + ".png").c_str());
    for (int i = 0; i < 12; ++i)
        debris_bitmaps[i] = load_png_ex(("gfx/objects/debris/" + std::to_string(i + 1) + ".png").c_str());
    for (int i = 0; i < 2; ++i)
        meteor_bitmaps[i] = load_bitmap_ex(("gfx/objects/meteors/" + std::to_string(i + 1) + ".gif").c_str());
}

// The ship cuts its frames from Allegro bitmaps, released here while Allegro runs.
class ReleaseShip : public ::testing::Environment {
public:
    void TearDown() override {
        player.~Player();
        new (&player) Player();
    }
};

const auto* const release_ship = ::testing::AddGlobalTestEnvironment(new ReleaseShip);

}  // namespace

void SceneryTest::SetUpTestSuite() {
    static const bool loaded = [] {
        testing_support::prepare_game_loading();
        testing_support::WorkingDirectory in_data(testing_support::data_dir());
        load_slots();
        player.load(1);
        return true;
    }();
    (void)loaded;
}

void SceneryTest::SetUp() {
    in_data_ = std::make_unique<testing_support::WorkingDirectory>(testing_support::data_dir());
    for (SceneryMarker& marker : scenery_markers) marker.clear();
    player.set_position(300.0f, 2000.0f);
    player.money = 0;
    std::srand(3);
}

int background() { return makecol(10, 14, 40); }

testing_support::Picture blank_screen() {
    testing_support::Picture canvas(create_bitmap(640, 480), &destroy_bitmap);
    clear_to_color(canvas.get(), background());
    return canvas;
}

int drawn_pixels(BITMAP* canvas) {
    int n = 0;
    for (int y = 0; y < canvas->h; ++y)
        for (int x = 0; x < canvas->w; ++x) n += getpixel(canvas, x, y) != background();
    return n;
}

int used_markers() {
    int n = 0;
    for (const SceneryMarker& marker : scenery_markers) n += marker.is_used();
    return n;
}

}  // namespace scenery_world
