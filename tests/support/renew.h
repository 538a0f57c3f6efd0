#pragma once
// Building a global object afresh in place: records loaded from Allegro bitmaps release them only
// while Allegro runs, so tests renew them before exit rather than leave it to their destructors.
#include <cstddef>
#include <new>

#include "enemies/pools.h"

namespace testing_support {

template <class T>
void renew(T& object) {
    object.~T();
    new (&object) T();
}

template <class Kind, std::size_t n>
void renew_pool(Kind (&pool)[n]) {
    for (Kind& record : pool) renew(record);
}

inline void renew_kv2_pools() {
    renew_pool(enemy_one_pool);
    renew_pool(enemy_two_pool);
    renew_pool(enemy_three_pool);
    renew_pool(enemy_four_pool);
    renew_pool(enemy_five_pool);
    renew_pool(enemy_six_pool);
    renew_pool(enemy_seven_pool);
    renew_pool(enemy_eight_pool);
    renew_pool(enemy_nine_pool);
    renew_pool(enemy_ten_pool);
    renew_pool(enemy_eleven_pool);
    renew_pool(enemy_twelve_pool);
}

}  // namespace testing_support
