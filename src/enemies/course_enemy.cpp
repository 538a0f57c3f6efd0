#include "enemies/course_enemy.h"

#include "engine/aiming.h"

template <std::size_t n>
void CourseEnemy<n>::start_from(float x0, float y0) {
    start_x = this->x = x0;
    start_y = this->y = y0;
    travelled = 0.0f;
}

template <std::size_t n>
void CourseEnemy<n>::fly_on() {
    travelled += this->max_speed;
    const fixed angle = ftofix(heading);
    const float down = static_cast<float>(fixtof(fixsin(angle)) * travelled);
    const float across = static_cast<float>(fixtof(fixcos(angle)) * travelled);
    this->y = down + start_y;
    this->x = across + start_x;
}

template <std::size_t n>
void CourseEnemy<n>::draw_hull(BITMAP* target) {
    BITMAP* picture = this->hit_flash ? hit_picture : this->current_frame();
    this->hit_flash = false;
    if (picture) draw_rotated(target, picture, this->x, this->y, heading);
}

template <std::size_t n>
void CourseEnemy<n>::draw(BITMAP* target) {
    if (this->visible && !this->dying) draw_hull(target);
    if (this->explosion.active) this->explosion.draw(target);
    this->draw_bullets(target);
    this->draw_reward(target);
}

template class CourseEnemy<1>;
template class CourseEnemy<2>;
template class CourseEnemy<3>;
template class CourseEnemy<4>;
