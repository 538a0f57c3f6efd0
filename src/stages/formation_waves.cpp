#include "stages/formation_waves.h"

#include "engine/game_state.h"
#include "engine/settings.h"
#include "player/player.h"
#include "engine/slots.h"
#include "engine/timing.h"

namespace formation_waves {

// Groups of records: {pool, first, last}.
const Group twos_first{PoolKind::two, 0, 3};
const Group twos_last{PoolKind::two, 4, 7};
const Group trio{PoolKind::ten, 0, 2};
const Group grid{PoolKind::one, 0, 35};
// {records, columns, x0, dx, y0, dy}
const Placement grid_rearmed{grid, 9, 10, 64, 10, 64};

namespace {

const Group threes{PoolKind::three, 0, 9};
const Group fours{PoolKind::four, 0, 9};

// {hit points, speed} added at set-up, by difficulty.
constexpr Bonus grid_bonus[4] = {{1, 0.3f}, {2, 0.4f}, {3, 0.5f}, {4, 0.6f}};
constexpr Bonus two_bonus[4] = {{0, 0.0f}, {5, 0.2f}, {6, 0.3f}, {7, 0.4f}};
constexpr Bonus sweeper_bonus[4] = {{0, 0.0f}, {1, 0.2f}, {2, 0.3f}, {4, 0.4f}};
constexpr int left = Enemy::wrapping_left, right = Enemy::wrapping_right;

// {{records, columns, x0, dx, y0, dy}, mark, bonus}
const StartRow grid_row{{grid, 9, 10, 64, 135, 64}, w1, grid_bonus};

}  // namespace

const Groups formations{{PoolKind::two, 0, 7}, threes, fours};
const Groups trains{fives, sevens, sixes, eights};
const std::array<StartRow, 6> start_rows{{
    // {{records, columns, x0, dx, y0, dy}, mark, bonus, steering, shown}
    {{twos_first, 4, 70, 125, 74, 0}, w1, two_bonus},
    {{twos_last, 4, 70, 125, 74, 0}, w2, two_bonus},
    {{{PoolKind::three, 0, 4}, 5, 25, 93, 10, 0}, w3, sweeper_bonus, left},
    {{{PoolKind::three, 5, 9}, 5, 25, 93, 103, 0}, w3, sweeper_bonus, right},
    {{{PoolKind::four, 0, 4}, 5, 25, 95, 10, 0}, w4, sweeper_bonus, right},
    {{{PoolKind::four, 5, 9}, 5, 25, 95, 105, 0}, w4, sweeper_bonus, left},
}};

std::vector<ScrollMark> star_marks(BITMAP* const* last) {
    return star_field_marks({&stage1_small_stars, last, &stage1_small_stars, &stage1_small_stars});
}

// Trains are relaunched five, six, seven, eight, then the trio; the quota counts every launch
// the caps allow.
std::vector<WavePhase> phases(Extras extras) {
    struct Row {
        int mark;
        Group formation;
        bool eights_launched;
        int cap;
        Groups next;
    };
    const Row rows[] = {
        {w1, twos_first, false, 3, {twos_last}},
        {w2, twos_last, true, 3, {threes}},
        {w3, threes, true, 4, {fours}},
        {w4, fours, true, 4, {}},
    };
    auto size = [](const Group& g) { return g.last - g.first + 1; };
    std::vector<WavePhase> result;
    for (const Row& row : rows) {
        const bool last = row.next.empty();
        Groups launched{fives, sixes, sevens};
        if (row.eights_launched) launched.push_back(eights);
        if (extras.trio) launched.push_back(trio);
        WavePhase phase{row.mark, size(row.formation), {row.formation}, true, {}, {}, false, row.next};
        if (extras.grid) {
            phase.in_play.insert(phase.in_play.begin(), grid);
            phase.quota += size(grid);
            phase.hurried = {grid};
            if (row.formation.pool != PoolKind::two) phase.hurried.push_back(row.formation);
            phase.rearms_formation = !last;
        }
        for (const Group& pool : launched) {
            phase.in_play.push_back(pool);
            phase.trains.push_back({pool, row.cap});
            phase.quota += size(pool) * (row.cap + 1);
        }
        if (!last) {
            phase.trains_rearmed =
                row.eights_launched ? Groups{sevens, sixes, fives, eights} : Groups{fives, sixes, sevens};
            if (extras.grid && !row.eights_launched) phase.trains_rearmed.push_back(eights);
            if (extras.trio) phase.trains_rearmed.push_back(trio);
            phase.trains_sent = {fives, sixes, sevens, eights};
        }
        phase.shows_boss = last;
        phase.count_left = last && (extras.grid || extras.holds_last_count) ? 1 : 0;
        result.push_back(phase);
    }
    return result;
}

}  // namespace formation_waves

using namespace formation_waves;

FormationStage::FormationStage(const StageData& data, std::unique_ptr<StageBoss> boss, Extras extras)
    : StageRunner(data, std::move(boss)), extras(extras) {}

void FormationStage::set_up_stage() {
    set_up_boss(extras.boss_x, extras.boss_below_mark);
    player.stage_reset();
    for (std::size_t i = 0; i < stars.size(); ++i) {
        stars[i].init(0, 639);
        set_up_with_star(i);
    }
    set_up_scenery();
    set_up_formations();
    enemy_count = 0;
    data.tune->play_music();
}

// Trains are relaunched, and the grid hurried, only while the phase still has enemies to come.
void FormationStage::play() {
    fly_ship();
    scroll_boss_and_step();
    step_formations();
    step_scenery();
    for (ColorStar& star : stars) star.update(scroll_speed);
    if (enemy_count >= 1) {
        if (extras.grid) hurry();
        relaunch_trains();
    }
    run_phases();
    after_scroll();
}

void FormationStage::draw_layers() {
    draw_backdrops();
    for (const ColorStar& star : stars) star.draw(buffer);
    draw_scenery();
    draw_formations();
}

void FormationStage::set_up_formations() {
    if (extras.grid) {
        show_groups({grid});
        place_start_row(grid_row);
    }
    for (const StartRow& row : start_rows) place_start_row(row);
    show_groups({twos_first, twos_last});
    Groups armed{fives, sixes, sevens, eights};
    if (extras.trio) armed.insert(armed.begin(), trio);
    arm_records(armed, difficulty);
    for (const Group& group : {fives, sixes, sevens}) send_first(group);
}

void FormationStage::step_formations() {
    step_groups(formations);
    step_groups(trains);
    if (extras.trio) step_groups({trio});
    if (extras.grid && step_groups({grid})) turn_formation({grid});
}

void FormationStage::draw_formations() const {
    draw_in_step({fives, sixes}, buffer);
    draw_in_step({sevens, eights}, buffer);
    if (extras.grid) draw_groups({grid}, buffer);
    draw_groups(formations, buffer);
    if (extras.trio) draw_groups({trio}, buffer);
}
