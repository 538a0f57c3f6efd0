// The stage runner's waves: the start rows, the phases and their quotas, the hurry, the trains
// relaunched and re-armed, and the formation re-armed at a phase end.
#include "stages/stage_runner.h"

#include <algorithm>
#include <type_traits>

#include "engine/game_state.h"
#include "engine/settings.h"

namespace {

constexpr int mark_reached = -3;
constexpr int cruise_speed = 3;
constexpr int hurry_quota = 10;
constexpr float hurry_speed = 0.5f;

}  // namespace

void StageRunner::place_start_row(const StartRow& row) {
    const Bonus bonus = row.bonus[difficulty - 1];
    for_each_in_pool(row.at.records, [&](auto& pool, int i) {
        using Kind = std::remove_reference_t<decltype(pool[0])>;
        pool[i].reset();
        place_in_formation(pool[i], row.at, i - row.at.records.first, data.marks[row.mark].start);
        if constexpr (std::is_base_of_v<WrappingEnemy, Kind>) pool[i].set_direction(row.steering);
        if (row.shown) pool[i].show();
        pool[i].add_hit_points(bonus.hit_points);
        pool[i].add_speed(bonus.speed);
    });
}

bool StageRunner::step_groups(const Groups& groups) {
    bool edge = false;
    for (const Group& group : groups)
        for_each_in_pool(group, [&](auto& pool, int i) {
            using Kind = std::remove_reference_t<decltype(pool[0])>;
            auto& record = pool[i];
            if constexpr (is_train_kind<Kind>)
                if (i > 0 && pool[i - 1].entered) record.released = true;
            if constexpr (rides_scroll<Kind>) {
                record.scroll(scroll_speed);
                record.update();
            } else {
                record.update();
                record.update_bullets();
            }
            if (record.in_play && !record.dying && record.at_edge) edge = true;
        });
    return edge;
}

void StageRunner::turn_formation(const Groups& groups) {
    for (const Group& group : groups)
        for_each_record(group, [](Enemy& record) {
            if (record.in_play && !record.dying && record.state != Enemy::dropping) record.stop();
        });
}

// Once a phase, the last ten of its enemies speed up.
void StageRunner::hurry() {
    if (!spawning || wave_phase < 1 || wave_phase > static_cast<int>(data.phases.size())) return;
    if (enemy_count > hurry_quota || wave_hurry > 0) return;
    add_groups_speed(data.phases[wave_phase - 1].hurried, hurry_speed);
    wave_hurry += 1;
}

void StageRunner::relaunch_trains() {
    if (!spawning || wave_phase < 1 || wave_phase > static_cast<int>(data.phases.size())) return;
    const std::vector<TrainLaunch>& trains = data.phases[wave_phase - 1].trains;
    for (std::size_t j = 0; j < trains.size(); ++j) {
        if (launch_counts[j] >= trains[j].cap) continue;
        bool spent = true;
        for_each_record(trains[j].pool, [&](Enemy& record) { spent = spent && !record.alive; });
        if (!spent) continue;
        launch_train(trains[j].pool);
        launch_counts[j] += 1;
    }
}

void StageRunner::launch_train(const Group& pool) {
    for_each_in_pool(pool, [](auto& records, int i) {
        place_for_launch(records[i]);
        records[i].reset();
        records[i].show();
        records[i].enter_play();
        take_lane(records[i], i);
    });
    send_first(pool);
}

void StageRunner::start_phases() {
    const int phase_count = static_cast<int>(data.phases.size());
    for (int p = 1; p <= phase_count; ++p) {
        const WavePhase& phase = data.phases[p - 1];
        if (marks[phase.mark] < mark_reached || wave_phase != p - 1) continue;
        enemy_count = phase.quota;
        speeding_up = false;
        spawning = true;
        if (phase.shown_at_start) show_groups(phase.in_play);
        for (const Group& group : phase.in_play) for_each_record(group, [](Enemy& record) { record.enter_play(); });
        launch_counts.fill(0);
        wave_phase = p;
    }
    if (marks[data.boss_mark] < mark_reached || wave_phase != phase_count) return;
    wave_phase += 1;
    open_fight_dialogue();
    // The trio's count is the last.
    const std::size_t cleared = launch_counts.size() - (data.boss_mark_keeps_trio_count ? 1 : 0);
    std::fill_n(launch_counts.begin(), cleared, 0);
    for (const auto& [index, row] : data.boss_mark_rows) marks[index] = row;
}

bool StageRunner::end_phase_on_quota() {
    if (!spawning || enemy_count != 0 || scroll_started < 1) return false;
    spawning = false;
    speeding_up = true;
    const int phase_count = static_cast<int>(data.phases.size());
    if (wave_phase >= 1 && wave_phase <= phase_count) {
        const WavePhase& phase = data.phases[wave_phase - 1];
        if (phase.rearms_formation && wave_phase < phase_count) rearm_formation(data.phases[wave_phase].mark);
        show_groups(phase.shown_at_end);
        rearm_trains(phase);
        if (phase.shows_boss || wave_phase == phase_count) boss->show();
        enemy_count = phase.count_left;
    }
    if (data.phase_end_clears_hurry) wave_hurry = 0;
    return true;
}

void StageRunner::place_in_formation(Enemy& record, const Placement& at, int k, int row) const {
    record.set_position(static_cast<float>(at.x0 + at.dx * (k % at.columns)),
                        static_cast<float>(row + at.y0 + at.dy * (k / at.columns)));
}

// The reset takes each record out of play, so the new formation rides down with its mark.
void StageRunner::rearm_formation(int mark) {
    const Placement& at = data.formation;
    for_each_in_pool(at.records, [&](auto& pool, int i) {
        Enemy& record = pool[i];
        record.show();
        pool[i].reset();
        place_in_formation(record, at, i - at.records.first, marks[mark]);
        record.add_speed(data.rearm_speed[difficulty - 1]);
    });
}

void StageRunner::rearm_trains(const WavePhase& phase) {
    const auto rearm = [](auto& records, int i) {
        place_for_launch(records[i]);
        records[i].reset();
        take_lane(records[i], i);
    };
    for_each_in_step(phase.trains_rearmed_in_step, rearm);
    for (const Group& group : phase.trains_rearmed) for_each_in_pool(group, rearm);
    for (const Group& group : phase.trains_sent) send_first(group);
}

void StageRunner::speed_up() {
    if (speeding_up && scroll_speed < cruise_speed) scroll_speed += 1;
}

void StageRunner::run_phases() {
    start_phases();
    end_phase_on_quota();
    speed_up();
    close_step();
    advance_marks();
}
