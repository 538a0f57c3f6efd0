#include "kv1_field.h"

#include <cstdlib>
#include <new>

#include "engine/loaders.h"
#include "engine/slots.h"
#include "player/kv1player.h"
#include "support/test_support.h"

namespace kv1_field {

namespace {

void load_art() {
    testing_support::prepare_game_loading();
    kv1_enemy_one_strip = load_bitmap_ex("gfx/kv1/enemies/enemy_one/rocketship.gif");
    enemy_datafiles[0] = load_datafile_ex("enemy_one.dat");
    kv1_enemy_one_bullet_strip = datafile_bitmap(enemy_datafiles[0][1]);
    kv1_enemy_two_strip = load_bitmap_ex("gfx/kv1/enemies/enemy_two/enemytwo.gif");
    kv1_enemy_two_bullet_strip = load_bitmap_ex("gfx/kv1/enemies/enemy_two/bullet.png");
    kv1_enemy_three_strip = load_bitmap_ex("gfx/kv1/enemies/enemy_three/enemythree.png");
    kv1_enemy_three_bullet_strip = load_bitmap_ex("gfx/kv1/enemies/enemy_three/bullet.png");
    kv1_enemy_four_strip = load_bitmap_ex("gfx/kv1/enemies/enemy_four/enemy_four.png");
    kv1_enemy_four_bullet_strip = load_bitmap_ex("gfx/kv1/enemies/enemy_four/bullet.png");
    for (Kv1EnemyOne& record : kv1_enemy_one_pool) record.init(0.0f, 0.0f);
    for (Kv1EnemyTwo& record : kv1_enemy_two_pool) record.init(0.0f, 0.0f);
    for (Kv1EnemyThree& record : kv1_enemy_three_pool) record.init(0.0f, 0.0f);
    for (Kv1EnemyFour& record : kv1_enemy_four_pool) record.init(0.0f, 0.0f);
    kv1_player.load();
}

template <class T>
void renew(T& object) {
    object.~T();
    new (&object) T();
}

// The globals cut their frames from Allegro bitmaps, released here while Allegro runs.
class ReleaseGlobals : public ::testing::Environment {
public:
    void TearDown() override {
        renew(kv1_player);
        for (Kv1EnemyOne& record : kv1_enemy_one_pool) renew(record);
        for (Kv1EnemyTwo& record : kv1_enemy_two_pool) renew(record);
        for (Kv1EnemyThree& record : kv1_enemy_three_pool) renew(record);
        for (Kv1EnemyFour& record : kv1_enemy_four_pool) renew(record);
    }
};

const auto* const release_globals = ::testing::AddGlobalTestEnvironment(new ReleaseGlobals);

}  // namespace

void Kv1FieldTest::SetUpTestSuite() {
    static const bool loaded = [] {
        testing_support::WorkingDirectory in_data(testing_support::data_dir());
        load_art();
        return true;
    }();
    (void)loaded;
}

void Kv1FieldTest::SetUp() {
    kv1_player.reset();
    kv1_player.money = 1500;
    kv1_player.y = 2000.0f;  // out of reach until a test brings it in
    enemy_count = 0;
    std::srand(7);  // no test relies on a shot unless it asks for one
}

void fire_on_next_draw(int chance) {
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        if (std::rand() % chance == 0) {
            std::srand(seed);
            return;
        }
    }
}

}  // namespace kv1_field
