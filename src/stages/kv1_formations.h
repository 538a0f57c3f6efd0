#pragma once
// Where the KV1 enemies stand when a stage starts: the fixed blocks of stages 1 to 3 and the
// formations that random stages draw from, per kind, in record order.
#include <array>
#include <vector>

// The marching kinds in the order a stage places, updates and draws them.
enum Kv1Kind { kv1_four, kv1_one, kv1_three, kv1_two, kv1_kind_count };

struct Slot {
    int x, y;
};

// One kind's slots; the circling kind's slots only count its records, which sit on the circle.
using Slots = std::vector<Slot>;
using Kv1Layout = std::array<Slots, kv1_kind_count>;

constexpr int first_random_stage = 4;
constexpr int last_kv1_stage = 99;

// The highest formation of kinds four and three a stage may draw.
int formation_tier(int stage);

// Formation n (1 to 5, 0 for none) of a kind.
const Slots& formation_slots(Kv1Kind kind, int n);

// The layout of stages 1 to 3.
Kv1Layout fixed_layout(int stage);
// The layout of a random stage from its four formations (four, one, three, two).
Kv1Layout random_layout(const std::array<int, kv1_kind_count>& formations);
