#pragma once
// The three fans of six that Boss8 and Boss9 choose from, left to right across the screen.
#include "bosses/boss_moves.h"

inline constexpr FanRows<6> six_shot_fans{{
    {124, 112, 100, 88, 76, 64},
    {88, 76, 64, 52, 40, 28},
    {64, 52, 40, 28, 16, 4},
}};
