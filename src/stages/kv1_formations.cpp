#include "stages/kv1_formations.h"

namespace {

// x0 to x1 by step, all on row y.
void run(Slots& slots, int y, int x0, int x1, int step) {
    for (int x = x0; x <= x1; x += step) slots.push_back({x, y});
}

void each(Slots& slots, int y, std::initializer_list<int> xs) {
    for (int x : xs) slots.push_back({x, y});
}

// rows x columns from (10, 10), `gap` apart both ways.
Slots block(int count, int gap) {
    Slots slots;
    for (int i = 0; i < count; ++i) slots.push_back({10 + gap * (i % 9), 10 + gap * (i / 9)});
    return slots;
}

const Slots none{};
const Slots circle(4, Slot{0, 0});

std::array<Slots, 6> four_formations() {
    std::array<Slots, 6> f;
    each(f[1], 74, {130, 170, 210, 250});
    run(f[1], 114, 90, 290, 40);
    run(f[1], 154, 50, 330, 40);

    each(f[2], 74, {130, 170, 210, 250});
    each(f[2], 114, {90, 130, 170, 210});
    each(f[2], 154, {130, 250, 290, 330, 370, 410});

    run(f[3], 74, 130, 250, 40);
    for (int y : {114, 154, 194}) run(f[3], y, 90, 290, 40);
    run(f[3], 234, 130, 250, 40);
    each(f[3], 274, {170, 210});

    run(f[4], 74, 130, 250, 40);
    run(f[4], 114, 90, 290, 40);
    each(f[4], 154, {130, 250});
    each(f[4], 194, {170, 210});
    each(f[4], 234, {170, 210});

    run(f[5], 74, 130, 250, 40);
    each(f[5], 114, {90, 290});
    each(f[5], 154, {90, 290});
    each(f[5], 234, {130, 250});
    each(f[5], 274, {170, 210});
    each(f[5], 314, {170, 210});
    return f;
}

std::array<Slots, 6> one_formations() {
    std::array<Slots, 6> f;
    for (int y : {10, 138}) run(f[1], y, 10, 522, 64);
    for (int y : {10, 202}) run(f[2], y, 10, 522, 64);
    run(f[3], 10, 10, 522, 64);
    each(f[3], 74, {10, 522});
    each(f[3], 138, {10, 522});
    run(f[3], 202, 10, 522, 64);
    return f;
}

std::array<Slots, 6> three_formations() {
    std::array<Slots, 6> f;
    each(f[1], 30, {138, 394});
    each(f[1], 94, {10, 266, 522});
    each(f[1], 158, {138, 394});

    each(f[2], 30, {138, 394});
    each(f[2], 94, {266});
    each(f[2], 158, {138, 394});

    each(f[3], 30, {138, 394});
    each(f[3], 94, {138, 266, 394});
    each(f[3], 158, {138, 394});

    run(f[4], 30, 138, 330, 64);
    each(f[4], 94, {74, 394});
    run(f[4], 158, 138, 330, 64);

    run(f[5], 30, 10, 522, 64);
    each(f[5], 94, {74, 458});
    each(f[5], 158, {138, 394});
    each(f[5], 222, {202, 266, 330});
    return f;
}

}  // namespace

int formation_tier(int stage) {
    if (stage >= 70) return 5;
    if (stage >= 50) return 4;
    if (stage >= 30) return 3;
    return 2;
}

const Slots& formation_slots(Kv1Kind kind, int n) {
    static const std::array<Slots, 6> four = four_formations(), one = one_formations(), three = three_formations();
    if (n <= 0 || n > 5) return none;
    switch (kind) {
    case kv1_four: return four[n];
    case kv1_one: return one[n];
    case kv1_three: return three[n];
    case kv1_two: return n == 1 ? circle : none;
    default: return none;
    }
}

Kv1Layout fixed_layout(int stage) {
    Kv1Layout layout;
    if (stage == 1) layout[kv1_four] = block(54, 40);
    if (stage == 2) layout[kv1_one] = block(36, 64);
    if (stage == 3) {
        layout[kv1_three] = block(36, 64);
        layout[kv1_two] = circle;
    }
    return layout;
}

Kv1Layout random_layout(const std::array<int, kv1_kind_count>& formations) {
    Kv1Layout layout;
    for (int k = 0; k < kv1_kind_count; ++k) layout[k] = formation_slots(static_cast<Kv1Kind>(k), formations[k]);
    return layout;
}
