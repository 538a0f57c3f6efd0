#include "stages/enemy_groups.h"

void draw_groups(const Groups& groups, BITMAP* target) {
    for (const Group& group : groups) for_each_record(group, [&](auto& record) { record.draw(target); });
}

void retire_groups(const Groups& groups) {
    for (const Group& group : groups)
        for_each_record(group, [](Enemy& record) {
            record.hide();
            record.leave_play();
        });
}

void clear_remains(const Groups& groups) {
    for (const Group& group : groups) for_each_record(group, [](auto& record) { record.clear_remains(); });
}

const Groups every_kv2_pool{
    {PoolKind::one, 0, enemy_one_pool_size - 1},     {PoolKind::two, 0, enemy_two_pool_size - 1},
    {PoolKind::three, 0, enemy_three_pool_size - 1}, {PoolKind::four, 0, enemy_four_pool_size - 1},
    {PoolKind::five, 0, enemy_train_pool_size - 1},  {PoolKind::six, 0, enemy_train_pool_size - 1},
    {PoolKind::seven, 0, enemy_train_pool_size - 1}, {PoolKind::eight, 0, enemy_train_pool_size - 1},
    {PoolKind::nine, 0, enemy_train_pool_size - 1},  {PoolKind::ten, 0, enemy_ten_pool_size - 1},
    {PoolKind::eleven, 0, enemy_eleven_pool_size - 1}, {PoolKind::twelve, 0, enemy_twelve_pool_size - 1}};

void show_groups(const Groups& groups) {
    for (const Group& group : groups) for_each_record(group, [](Enemy& record) { record.show(); });
}

void add_groups_speed(const Groups& groups, float v) {
    for (const Group& group : groups) for_each_record(group, [&](Enemy& record) { record.add_speed(v); });
}

void draw_in_step(const Groups& groups, BITMAP* target) {
    for_each_in_step(groups, [&](auto& pool, int i) { pool[i].draw(target); });
}
