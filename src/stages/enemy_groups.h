#pragma once
// A run of records of one enemy pool, and what a stage does to every record of a run whatever
// its kind: the stage tables name their waves by these runs.
#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "enemies/pools.h"

enum class PoolKind { one, two, three, four, five, six, seven, eight, nine, ten, eleven, twelve };

struct Group {
    PoolKind pool;
    int first, last;  // record indexes, both included
};

// The train pools whole, as the stages that fly trains use them.
inline constexpr Group fives{PoolKind::five, 0, 4};
inline constexpr Group sixes{PoolKind::six, 0, 4};
inline constexpr Group sevens{PoolKind::seven, 0, 4};
inline constexpr Group eights{PoolKind::eight, 0, 4};

namespace groups_detail {

template <class Kind, std::size_t n, class F>
void visit(Kind (&pool)[n], const Group& group, F& f) {
    Kind* records = pool;
    for (int i = group.first; i <= group.last && i < static_cast<int>(n); ++i) f(records, i);
}

}  // namespace groups_detail

// Calls f(records, index) for every record of the group, with `records` the pool's first record
// as its own kind.
template <class F>
void for_each_in_pool(const Group& group, F&& f) {
    using groups_detail::visit;
    switch (group.pool) {
    case PoolKind::one: return visit(enemy_one_pool, group, f);
    case PoolKind::two: return visit(enemy_two_pool, group, f);
    case PoolKind::three: return visit(enemy_three_pool, group, f);
    case PoolKind::four: return visit(enemy_four_pool, group, f);
    case PoolKind::five: return visit(enemy_five_pool, group, f);
    case PoolKind::six: return visit(enemy_six_pool, group, f);
    case PoolKind::seven: return visit(enemy_seven_pool, group, f);
    case PoolKind::eight: return visit(enemy_eight_pool, group, f);
    case PoolKind::nine: return visit(enemy_nine_pool, group, f);
    case PoolKind::ten: return visit(enemy_ten_pool, group, f);
    case PoolKind::eleven: return visit(enemy_eleven_pool, group, f);
    case PoolKind::twelve: return visit(enemy_twelve_pool, group, f);
    }
}

// Calls f(record) for every record of the group, as its own kind.
template <class F>
void for_each_record(const Group& group, F&& f) {
    for_each_in_pool(group, [&](auto& pool, int i) { f(pool[i]); });
}

// Kinds that fly in trains: each record moves only once released.
template <class Kind>
constexpr bool is_train_kind = std::is_same_v<Kind, EnemyFive> || std::is_same_v<Kind, EnemySix> ||
                               std::is_same_v<Kind, EnemySeven> || std::is_same_v<Kind, EnemyEight> ||
                               std::is_same_v<Kind, EnemyNine>;

// The formation kinds ride the scroll while out of play; the others never do.
template <class Kind>
constexpr bool rides_scroll = std::is_same_v<Kind, EnemyOne> || std::is_same_v<Kind, EnemyTwo> ||
                              std::is_same_v<Kind, EnemyThree> || std::is_same_v<Kind, EnemyFour>;

// A new start for a relaunched record, for the kinds that pick their own.
template <class Kind>
void place_for_launch(Kind&) {}
inline void place_for_launch(EnemyFive& record) { record.place(0.0f, 0.0f); }
inline void place_for_launch(EnemySix& record) { record.place(0.0f, 0.0f); }
inline void place_for_launch(EnemyEight& record) { record.place(); }
inline void place_for_launch(EnemyNine& record) { record.place(); }

// After its reset: the kind-ten trio takes lanes 1 to 3 by index.
template <class Kind>
void take_lane(Kind&, int) {}
inline void take_lane(EnemyTen& record, int i) { record.set_lane(i + 1); }

namespace groups_detail {

// A start for a train or trio record, its extra hit points and the trio's lane. The eighth kind
// picks its place after its reset.
template <class Kind>
void arm(Kind& record, int i, int hit_points) {
    if constexpr (!std::is_same_v<Kind, EnemyEight>) place_for_launch(record);
    record.reset();
    record.add_hit_points(hit_points);
    if constexpr (std::is_same_v<Kind, EnemyEight>) place_for_launch(record);
    take_lane(record, i);
}

}  // namespace groups_detail

// Every record of the groups: a group given nothing but a draw is still drawn by its own flags.
using Groups = std::vector<Group>;

// Calls f(records, index) for record k of each group in turn, for each k: the kinds in step.
template <class F>
void for_each_in_step(const Groups& groups, F&& f) {
    int longest = 0;
    for (const Group& group : groups) longest = std::max(longest, group.last - group.first + 1);
    for (int k = 0; k < longest; ++k)
        for (const Group& group : groups)
            if (group.first + k <= group.last) for_each_in_pool({group.pool, group.first + k, group.first + k}, f);
}

// Record by record, each group in turn: every record armed.
inline void arm_records(const Groups& groups, int hit_points) {
    for_each_in_step(groups, [&](auto& pool, int i) { groups_detail::arm(pool[i], i, hit_points); });
}

// The group's first record sets off; the rest of a train follow it one by one.
inline void send_first(const Group& group) {
    for_each_in_pool(group, [&](auto& pool, int i) {
        if constexpr (is_train_kind<std::remove_reference_t<decltype(pool[0])>>)
            if (i == group.first) pool[i].released = true;
    });
}

// Every record of the groups, in order; each record's draw goes by its own visible flag.
void draw_groups(const Groups& groups, BITMAP* target);
// Record k of each group in turn, for each k: kinds drawn in step.
void draw_in_step(const Groups& groups, BITMAP* target);
// Hidden and out of play, so a record a stage draws without setting it up leaves no frozen
// ghost of an earlier stage.
void retire_groups(const Groups& groups);
// No explosion, reward popup or shot left from an earlier game on the records.
void clear_remains(const Groups& groups);
// Every KV2 pool, whole.
extern const Groups every_kv2_pool;
void show_groups(const Groups& groups);
void add_groups_speed(const Groups& groups, float v);
