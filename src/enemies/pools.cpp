#include "enemies/pools.h"

EnemyOne enemy_one_pool[enemy_one_pool_size];
EnemyTwo enemy_two_pool[enemy_two_pool_size];
EnemyThree enemy_three_pool[enemy_three_pool_size];
EnemyFour enemy_four_pool[enemy_four_pool_size];

EnemyFive enemy_five_pool[enemy_train_pool_size];
EnemySix enemy_six_pool[enemy_train_pool_size];
EnemySeven enemy_seven_pool[enemy_train_pool_size];
EnemyEight enemy_eight_pool[enemy_train_pool_size];
EnemyNine enemy_nine_pool[enemy_train_pool_size];
EnemyTen enemy_ten_pool[enemy_ten_pool_size];
EnemyEleven enemy_eleven_pool[enemy_eleven_pool_size];
EnemyTwelve enemy_twelve_pool[enemy_twelve_pool_size];

Kv1EnemyOne kv1_enemy_one_pool[kv1_enemy_one_pool_size];
Kv1EnemyTwo kv1_enemy_two_pool[kv1_enemy_two_pool_size];
Kv1EnemyThree kv1_enemy_three_pool[kv1_enemy_three_pool_size];
Kv1EnemyFour kv1_enemy_four_pool[kv1_enemy_four_pool_size];
