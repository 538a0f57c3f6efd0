#pragma once
// The fixed pool of records of every enemy kind. The resource loader builds each record once with
// its kind's init; the stages only reset, place, release, update and draw them.
#include "enemies/enemy_eight.h"
#include "enemies/enemy_eleven.h"
#include "enemies/enemy_five.h"
#include "enemies/enemy_four.h"
#include "enemies/enemy_nine.h"
#include "enemies/enemy_one.h"
#include "enemies/enemy_seven.h"
#include "enemies/enemy_six.h"
#include "enemies/enemy_ten.h"
#include "enemies/enemy_three.h"
#include "enemies/enemy_twelve.h"
#include "enemies/enemy_two.h"
#include "enemies/kv1_enemy_four.h"
#include "enemies/kv1_enemy_one.h"
#include "enemies/kv1_enemy_three.h"
#include "enemies/kv1_enemy_two.h"

constexpr int enemy_one_pool_size = 36;
constexpr int enemy_two_pool_size = 16;
constexpr int enemy_three_pool_size = 15;
constexpr int enemy_four_pool_size = 15;

extern EnemyOne enemy_one_pool[enemy_one_pool_size];
extern EnemyTwo enemy_two_pool[enemy_two_pool_size];
extern EnemyThree enemy_three_pool[enemy_three_pool_size];
extern EnemyFour enemy_four_pool[enemy_four_pool_size];

// Trains, the ten trio and the tanks of stage five.
constexpr int enemy_train_pool_size = 5;
constexpr int enemy_ten_pool_size = 3;
constexpr int enemy_eleven_pool_size = 3;
constexpr int enemy_twelve_pool_size = 4;

extern EnemyFive enemy_five_pool[enemy_train_pool_size];
extern EnemySix enemy_six_pool[enemy_train_pool_size];
extern EnemySeven enemy_seven_pool[enemy_train_pool_size];
extern EnemyEight enemy_eight_pool[enemy_train_pool_size];
extern EnemyNine enemy_nine_pool[enemy_train_pool_size];
extern EnemyTen enemy_ten_pool[enemy_ten_pool_size];
extern EnemyEleven enemy_eleven_pool[enemy_eleven_pool_size];
extern EnemyTwelve enemy_twelve_pool[enemy_twelve_pool_size];

// The KV1 kinds.
constexpr int kv1_enemy_one_pool_size = 36;
constexpr int kv1_enemy_two_pool_size = 4;
constexpr int kv1_enemy_three_pool_size = 36;
constexpr int kv1_enemy_four_pool_size = 54;

extern Kv1EnemyOne kv1_enemy_one_pool[kv1_enemy_one_pool_size];
extern Kv1EnemyTwo kv1_enemy_two_pool[kv1_enemy_two_pool_size];
extern Kv1EnemyThree kv1_enemy_three_pool[kv1_enemy_three_pool_size];
extern Kv1EnemyFour kv1_enemy_four_pool[kv1_enemy_four_pool_size];
