#include "stages/enemy_groups.h"

#include <algorithm>

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

void show_groups(const Groups& groups) {
    for (const Group& group : groups) for_each_record(group, [](Enemy& record) { record.show(); });
}

void add_groups_speed(const Groups& groups, float v) {
    for (const Group& group : groups) for_each_record(group, [&](Enemy& record) { record.add_speed(v); });
}

void draw_in_step(const Groups& groups, BITMAP* target) {
    int longest = 0;
    for (const Group& group : groups) longest = std::max(longest, group.last - group.first + 1);
    for (int k = 0; k < longest; ++k)
        for (const Group& group : groups) {
            const int i = group.first + k;
            if (i <= group.last) for_each_record({group.pool, i, i}, [&](auto& record) { record.draw(target); });
        }
}
