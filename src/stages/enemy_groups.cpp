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

void show_groups(const Groups& groups) {
    for (const Group& group : groups) for_each_record(group, [](Enemy& record) { record.show(); });
}

void add_groups_speed(const Groups& groups, float v) {
    for (const Group& group : groups) for_each_record(group, [&](Enemy& record) { record.add_speed(v); });
}
