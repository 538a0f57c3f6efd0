#pragma once
// The frame every KV2 stage runs: the fades, the pause panel with its music duck, "Continue?",
// the title, the scroll, the wave phases, the boss dialogues, the boss phase and the clear,
// quitting, the drawing of the frame and the next screen. A stage gives its data (StageData) and
// three hooks: its set-up, its play step and its own layers; everything else is here, once.
#include <allegro.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

#include "engine/screen_flow.h"
#include "engine/soundclip.h"
#include "stages/enemy_groups.h"
#include "stages/stage_boss.h"

enum class Speaker { boss, pilot };

// One line of a dialogue: who says it and at which index of that speaker's lines. A row without
// text ends the dialogue when a turn reaches it.
struct DialogueRow {
    Speaker speaker;
    int index;
    const char* text;
};

// In the order shown: the first row's speaker opens, the last row ends it.
using Dialogue = std::vector<DialogueRow>;

struct PilotDialogues {
    Dialogue before, after;  // the boss fight
};

// A row of the stage's long backdrop: it comes down the screen with the scroll.
struct ScrollMark {
    enum Layer {
        backdrop,  // a full picture, washed toward white by the boss's alpha
        overlay,   // a masked picture over the stars, drawn by the stage's own layers
        none,      // a row with no picture
    };
    int start;
    BITMAP* const* picture;  // the slot holding it
    Layer layer;
    int x;
    int shown_above;  // drawn while shown_above < row <= 479
};

// Lets go of pictures a stage loaded at its entry, leaving their slots empty.
void release_pictures(std::initializer_list<BITMAP**> slots);

// The star-field rows that stages share (four tall, six full-screen), four full-screen rows of the
// stage's `pictures` (at -3360, -8160, -4320 and -7200), then the stage's own.
std::vector<ScrollMark> star_field_marks(const std::array<BITMAP* const*, 4>& pictures,
                                         std::vector<ScrollMark> own = {});

// A train pool that a phase relaunches whenever it is wholly spent, up to `cap` times.
struct TrainLaunch {
    Group pool;
    int cap;
};

// Where records stand in rows below a mark: record k (counted from the group's first) at
// (x0 + dx * (k mod columns), row + y0 + dy * (k div columns)).
struct Placement {
    Group records;
    int columns;
    int x0, dx, y0, dy;
};

// Hit points and speed a record gains at set-up.
struct Bonus {
    int hit_points;
    float speed;
};

// A group waiting in rows below its phase's mark at set-up.
struct StartRow {
    Placement at;
    int mark;
    const Bonus* bonus;  // by difficulty
    int steering = 0;    // for the sweeping kinds
    bool shown = false;
};

struct WavePhase {
    int mark;  // index in StageData::marks
    int quota;
    Groups in_play;             // put in play when the phase starts
    bool shown_at_start;        // and shown then, else they were shown before
    std::vector<TrainLaunch> trains;
    Groups hurried;             // sped up once the quota falls to 10
    bool rearms_formation;      // at its end the formation comes back at the next phase's mark
    Groups shown_at_end;        // the next phase's records, shown when this one ends
    Groups trains_rearmed_in_step = {};  // train pools set back to their start when this one ends,
                                         // record k of each in turn
    Groups trains_rearmed = {};          // then these, pool by pool
    Groups trains_sent = {};     // train pools whose first record is sent off when this one ends
    bool shows_boss = false;    // the boss is shown at its end (always after the last phase)
    int count_left = 0;         // a count left standing at its end keeps the scroll braked
};

// A planet that grows as the stage nears it, then gives way to the ground below.
struct PlanetApproach {
    BITMAP* const* planet;
    BITMAP* const* ground;  // the first of `grounds` pictures
    int pivot_x;  // the planet's column drawn at the screen's centre
    int grounds = 1;  // with more, each ground row draws a new one at random as it wraps
};

struct StageData {
    int number;
    SoundClip* tune;
    SoundClip* fight_tune;
    const char* face_path;  // null in a stage nobody talks in
    bool white_fades;  // a 32-step fade-in from white and a fade-out to white, else through black
    std::vector<ScrollMark> marks;  // in drawing order
    Placement formation;
    std::array<float, 4> rearm_speed;  // the re-armed formation's bonus, by difficulty
    std::vector<WavePhase> phases;
    int boss_mark;
    // Rows that jump back at the boss mark and then loop 480 apart behind the fight.
    std::vector<std::array<int, 2>> boss_mark_rows;  // mark index, row
    bool fight_scroll;              // the fight speeds the scroll up to 5
    bool fight_start_ends_spawning;
    bool beaten_silences_blaster;   // the blaster stops as the boss is beaten
    bool fade_out_fight_tune;       // after the fight starts the fade-out lowers the fight tune
    bool scroll_stops_at_end;       // the scroll is left at 0 for the next screen
    bool phase_end_clears_hurry;    // every phase end sets `wave_hurry` back to 0
    bool boss_mark_keeps_trio_count;  // the boss mark zeroes the trains' launch counts only
    std::array<PilotDialogues, 2> dialogues;  // Adam's, Kim's
    NextScreen next;
    const PlanetApproach* approach = nullptr;
    const char* title = "Stage";
    const char* title_second = nullptr;  // the title's second word, else the stage's number
    bool continue_by_key = true;         // KEY_S accepts "Continue?" as well as YES
};

class StageRunner {
public:
    static constexpr int title_steps = 100;
    static constexpr int continue_start = 10;

    StageRunner(const StageData& data, std::unique_ptr<StageBoss> boss);
    virtual ~StageRunner();
    StageRunner(const StageRunner&) = delete;
    StageRunner& operator=(const StageRunner&) = delete;

    // The whole stage: set-up, the frame loop, the clean-up; returns the next screen.
    NextScreen run();
    // Set-up alone, then one logic step, one drawn frame and the clean-up with the next screen,
    // as run() strings them together.
    void set_up();
    void step();
    void draw();
    NextScreen finish();

    const StageData& data;
    std::unique_ptr<StageBoss> boss;

    bool running = true;
    int fade_level = 1;
    bool fading_in = true;
    bool fading_out = false;
    bool faded_in = false;
    BITMAP* pause_panel = nullptr;
    int pause_x = 0;
    float pause_y = 0.0f;
    int pause_rest_y = 0;
    bool continue_shown = false;
    int continue_count = continue_start;
    int continue_ticks = 0;
    char continue_text[16] = "";
    int death_count = 0;
    float title_x = 0.0f, title_number_x = 0.0f;
    int title_ticks = 0;
    int scroll_started = 0;
    bool spawning = true;
    bool speeding_up = false;
    int wave_phase = 0;
    std::array<int, 5> launch_counts{};
    std::vector<int> marks;
    bool dialog_active = false;
    bool pilot_turn = false, boss_turn = false;
    int pilot_line = 0, boss_line = 0;
    bool advance_latch = false;
    float boss_pane_x = 640.0f;
    float pilot_pane_x = -640.0f;
    const char* pilot_text = "";
    const char* boss_text = "";
    BITMAP* boss_face = nullptr;
    bool boss_fight = false;
    int post_dialog_started = 0;
    int post_death_ticks = 0;
    int outro_state = 0;
    char money_text[32] = "";
    char gun_text[16] = "";
    char side_text[16] = "";

    // The planet approach, in stages that have one.
    float planet_scale = 0.3f;
    int planet_y = 1297;
    int planet_alpha = 255;
    int backdrop_alpha = 255;
    int ground_alpha = 0;
    std::array<int, 2> backdrop_y{-480, 0};
    std::array<int, 2> ground_y{-480, 0};
    std::array<int, 2> ground_pick{0, 1};  // the picture of each ground row
    BITMAP* planet_layer = nullptr;

protected:
    // The stage's own set-up, after the frame's locals are in place.
    virtual void set_up_stage() = 0;
    // The play step, run while nothing holds the play.
    virtual void play() = 0;
    // The stage's layers under the boss and the ship, into `buffer`.
    virtual void draw_layers() = 0;
    // What a stage draws over the ship, if anything.
    virtual void draw_over_ship() {}
    virtual void draw_ship();

    // The boss loaded, placed `below_mark` under its mark, with its difficulty bonus.
    void set_up_boss(float x, int below_mark);
    // The row's records reset, placed, steered, shown if the row says so, and given their bonus.
    void place_start_row(const StartRow& row);

    // Pieces of the play step, for the stages to call in their own order.
    // The ship's moves at the head of the step; the title's count goes on with them.
    void fly_ship();
    void scroll_boss_and_step();
    // Scrolls and steps the records of the groups in order (a train record is released once the
    // one before it has come in); true if a record in play and not dying reached an edge.
    bool step_groups(const Groups& groups);
    // Every record of the groups in play, not dying and not already dropping turns with it.
    void turn_formation(const Groups& groups);
    void hurry();
    void relaunch_trains();
    void start_phases();
    // True on the step it ends a phase.
    bool end_phase_on_quota();
    void speed_up();
    // The star-field stages' step after their own moves: the phases, the fight and the scroll.
    void run_phases();
    // The end of every play step: the fight, the brake, the title and the scroll's bounds.
    void close_step();
    void boss_phase();
    // The outro tune once `due`, then the fly-off as it ends, then the fade-out.
    void outro(bool due);
    // The pool's records back at their start and in play, the first one sent off.
    void launch_train(const Group& pool);
    void brake();
    // The music gives way to the dialogue tune and the boss opens the talk; the scroll brakes.
    void open_fight_dialogue();
    void open_after_dialogue();
    void start_fade_out();
    void move_title();
    void clamp_scroll();
    void advance_marks();
    // The planet grows, then fades while the ground fades in; only then do the boss and the
    // marks move on.
    void approach();
    // The two star rows, the two ground rows and the planet's row move down with the scroll.
    void move_approach_rows();

    void place_in_formation(Enemy& record, const Placement& at, int k, int row) const;
    // Every backdrop row whose picture is on screen, in table order.
    void draw_backdrops() const;
    void draw_overlays() const;
    void draw_approach_stars() const;
    void draw_ground() const;
    void draw_planet() const;

private:
    static constexpr float tune_step = 0.08f;  // every tune's fade, out or in, a step

    bool play_allowed() const;
    void fade();
    void slide_pause_panel();
    void count_down_continue();
    void dialogue_step();
    void slide_panes(bool in);
    void advance_turn();
    void show_lines();
    void end_dialogue(DialogueLines lines);
    void raise_continue();
    void update_texts();

    void accept_continue();
    void decline_continue();
    void quit_to_menu();
    SoundClip& fading_tune() const;
    void duck_music(bool down);

    void start_boss_dialogue(const Dialogue& dialogue);
    const Dialogue& dialogue(DialogueLines lines) const;
    void fly_off_once_more();
    void rearm_formation(int mark);
    void rearm_trains(const WavePhase& phase);

    void draw_title() const;
    void draw_panes() const;
    void draw_continue();
    void draw_pause_panel();
};
