#pragma once
// Building a global object afresh in place: records loaded from Allegro bitmaps release them only
// while Allegro runs, so tests renew them before exit rather than leave it to their destructors.
#include <cstddef>
#include <new>

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

}  // namespace testing_support
