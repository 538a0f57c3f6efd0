#pragma once
// Stage 10: the fortress. Six earlier bosses in turn, each fought on a stopped floor and the
// floor running on to the next once its death is over; then Boss10, the only one that talks.
#include <array>
#include <memory>

#include "bosses/boss10.h"
#include "enemies/scenery.h"
#include "engine/screen_flow.h"
#include "stages/stage_runner.h"

// The frame's boss is Boss10; the six before it ride along and are stepped with it. Their
// blasters and Boss10's sounds hold and stop with the game.
class BossRush final : public StageBoss {
public:
    static constexpr int earlier_count = 6;

    BossRush();

    BossAdapter<Boss10> last;
    std::array<std::unique_ptr<StageBoss>, earlier_count> earlier;  // Boss1, 2, 4, 6, 8, 9

    // Every boss in turn: its scroll, its state, its update.
    void step_all(int dy);

    void load() override;
    void add_hit_points(int k) override { last.add_hit_points(k); }
    void set_position(float x, float y) override { last.set_position(x, y); }
    void show() override { last.show(); }
    void scroll(int dy) override { last.scroll(dy); }
    void activate() override { last.activate(); }
    void update_state() override { last.update_state(); }
    void update() override { last.update(); }
    void draw(BITMAP* dest) override { last.draw(dest); }
    void start_death() override { last.start_death(); }

    bool beaten() const override { return last.beaten(); }
    DialogueLines lines() const override { return last.lines(); }
    bool dead() const override { return last.dead(); }
    int alpha() const override { return last.alpha(); }
    FMOD_CHANNEL* blaster() const override { return nullptr; }
    void pause_blaster(bool pause) override;
    void stop_blaster() override;
    void hold_for_continue() override;

private:
    std::array<FMOD_CHANNEL*, 3> last_channels() const;
};

class StageTen : public StageRunner {
public:
    StageTen();
    ~StageTen() override;

    BossRush& rush() const { return static_cast<BossRush&>(*boss); }

    std::array<Statue, 4> statues;
    BITMAP* side = nullptr;
    BITMAP* floor = nullptr;
    std::array<int, 2> wall_y{0, -480};
    std::array<int, 2> floor_y{0, -480};
    int fight_count = 0;    // bosses activated; 7 once Boss10's talk has begun
    int death_handled = 0;  // the current boss's death, or Boss10's last talk, has been started
    int fly_off_done = 0;

protected:
    void set_up_stage() override;
    void play() override;
    void draw_layers() override;
    void draw_ship() override;

private:
    void activate_at_marks();
    void show_next_on_death();
    void final_fight();
    void kill_current();
    void move_rows();
    bool ship_under_walls() const;
};

// The stage as a screen: it returns the ending, or the main menu after a quit.
NextScreen stage_ten(const ScreenArgs& args);
