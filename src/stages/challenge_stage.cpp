#include "stages/challenge_stage.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "enemies/enemy_nine.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/settings.h"
#include "engine/slots.h"
#include "engine/timing.h"
#include "player/player.h"

// What sets each challenge apart, by the stage cleared before it.
struct ChallengeRow {
    StageData data;
    std::vector<const char*> backdrops;  // one picture, or forests picked at random per row
    int train_limit;                     // relaunches after the first train
    bool stars_drawn;
};

namespace {

// Groups of records: {pool, first, last}.
const Group nines{PoolKind::nine, 0, 4};
constexpr int train_size = 5;
constexpr float later_speed = 0.3f;  // the first train's after the first challenge
constexpr int speed_cap = 5;
constexpr int outro_ticks = 225;
constexpr int mark_reached = -3;
constexpr int text_x = 70;

StageData challenge_data(int prev) {
    // No phases, no boss, no dialogue, so no face.
    // {number, tune, fight tune, face, white fades, marks, formation {records, columns, x0, dx, y0, dy},
    //  re-arm speed, phases, boss mark, looping rows, fight scroll, fight start ends spawning,
    //  beaten silences blaster, fade-out lowers fight tune, scroll stops at end, phase end clears hurry,
    //  boss mark keeps trio count, dialogues, next screen, planet approach, title, its second word}
    return {prev, &tune_challenge_stage, &tune_boss, nullptr, false, {}, {{PoolKind::nine, 0, -1}, 1, 0, 0, 0, 0},
            {}, {}, 0, {}, false, false, false, false, false, false, false, {}, {Screen::upgrade_store, {prev + 1}},
            nullptr, "Challenge", "Stage"};
}

const ChallengeRow challenge_rows[] = {
    // {data, backdrops, train limit, stars drawn}
    {challenge_data(3), {"gfx/third_stage/water.png"}, 3, true},
    {challenge_data(5), {"gfx/fifth_stage/desert.png"}, 4, false},
    {challenge_data(7),
     {"gfx/seventh_stage/forest1_2.gif", "gfx/seventh_stage/forest2_2.gif", "gfx/seventh_stage/forest3_2.gif"},
     5,
     false},
};

const ChallengeRow& row_after(int prev) {
    for (const ChallengeRow& row : challenge_rows)
        if (row.data.number == prev) return row;
    return challenge_rows[0];
}

bool none_alive() {
    for (const EnemyNine& record : enemy_nine_pool)
        if (record.alive) return false;
    return true;
}

}  // namespace

ChallengeStage::ChallengeStage(int prev)
    : StageRunner(row_after(prev).data, std::make_unique<NoBoss>()), row(row_after(prev)),
      entry_stage(current_stage) {}

ChallengeStage::~ChallengeStage() {
    for (BITMAP* picture : backdrops)
        if (picture) destroy_bitmap(picture);
}

// The ratio is kept single precision, then widened for the product.
int ChallengeStage::percent(float hit, float launched) {
    const float ratio = hit / launched;
    return static_cast<int>(static_cast<double>(ratio) * 100.0);
}

int ChallengeStage::bonus(int p) {
    if (p >= 50) return p * 100;
    return p >= 1 ? 1000 : 0;
}

void ChallengeStage::set_up_stage() {
    current_stage = entry_stage;
    for (EnemyNine& record : enemy_nine_pool) {
        record.place();
        record.reset();
        record.add_hit_points(difficulty);
        if (row.data.number > 3) record.add_speed(later_speed);
    }
    send_first(nines);
    title_x = static_cast<float>(640 / 2 - text_length(font7, "Challenge") + 40);
    title_number_x = title_x + static_cast<float>(text_length(font7, "Challenge "));
    player.stage_reset();
    for (Star& star : stars) star.init(0, 639);
    for (std::size_t i = 0; i < row.backdrops.size(); ++i) backdrops[i] = load_picture_ex(row.backdrops[i]);
    enemy_count = train_size * (1 + row.train_limit);
    enemies_hit = 0.0f;
    enemies_launched = static_cast<float>(enemy_count);
    tune_challenge_stage.play_music();
}

void ChallengeStage::play() {
    player.update();
    player.poll_bomb_keys();
    step_groups({nines});
    title_ticks += 1;
    for (Star& star : stars) star.update(scroll_speed, 255.0f);
    if (speeding_up && scroll_speed < speed_cap) scroll_speed += 1;
    if (train_launched > 0 && train_relaunches < row.train_limit && none_alive()) {
        launch_train(nines);
        train_relaunches += 1;
    }
    if (launch_mark >= mark_reached && train_launched == 0) {
        for_each_record(nines, [](Enemy& record) {
            record.enter_play();
            record.show();
        });
        train_relaunches = 0;
        train_launched += 1;
    }
    if (results_due()) {
        results_ticks += 1;
        outro(results_ticks > outro_ticks);
    }
    brake();
    move_title();
    clamp_scroll();
    move_rows();
}

bool ChallengeStage::results_due() const { return enemy_count == 0 && scroll_started >= 1 && train_launched >= 1; }

void ChallengeStage::move_rows() {
    launch_mark += scroll_speed;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] += scroll_speed;
        if (rows[i] <= 479) continue;
        rows[i] = -480;
        if (row.backdrops.size() > 1) ground_pick[i] = random_range(0, 2);
    }
}

void ChallengeStage::draw_layers() {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        BITMAP* picture = backdrops[row.backdrops.size() > 1 ? ground_pick[i] : 0];
        if (rows[i] >= -479 && rows[i] <= 479) blit(picture, buffer, 0, 0, 0, rows[i], picture->w, picture->h);
    }
    if (row.stars_drawn)
        for (Star& star : stars) star.draw(buffer);
    draw_groups({nines}, buffer);
}

void ChallengeStage::draw_over_ship() {
    if (results_due()) draw_results();
}

// The bonus is paid in the first frame that shows its line.
void ChallengeStage::draw_results() {
    if (results_ticks > first_line_ticks)
        textprintf_ex(buffer, font6, text_x, 150, -1, -1, "NUMBER OF ENEMIES LAUNCHED:     %d",
                      static_cast<int>(enemies_launched));
    if (results_ticks > second_line_ticks)
        textprintf_ex(buffer, font6, text_x, 200, -1, -1, "NUMBER OF ENEMIES HIT:     %d",
                      static_cast<int>(enemies_hit));
    if (results_ticks <= ratio_ticks) return;
    hit_ratio = enemies_hit / enemies_launched;
    hline(buffer, 49, 230, 589, makecol(0, 0, 0));
    hline(buffer, 50, 230, 590, makecol(100, 255, 100));
    const int p = percent(enemies_hit, enemies_launched);
    textprintf_ex(buffer, font6, text_x, 250, -1, -1, "RATIO OF HITS/LAUNCHED:     %d%%", p);
    const int paid = bonus(p);
    textprintf_ex(buffer, font6, text_x, 275, -1, -1, "BONUS POINTS:     %d", paid);
    if (paid > 0 && results_ticks <= paid_ticks - 2) {
        player.money += paid;
        results_ticks = paid_ticks;
    }
}

NextScreen challenge_stage(const ScreenArgs& args) { return std::make_unique<ChallengeStage>(args[0])->run(); }
