// A thousand screen changes in one process: menus, stages started and quit, a stage cleared into
// the store. Memory and open files stay where they were.
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "whole_game/routes.h"

namespace {

using namespace whole_game;

constexpr std::size_t screen_changes = 1000;
constexpr std::size_t settled_after = 50;

// AddressSanitizer holds freed memory back in quarantine, so memory grows there whatever the
// game does; its leak checker speaks for memory instead.
#ifdef __SANITIZE_ADDRESS__
constexpr bool quarantined = true;
#else
constexpr bool quarantined = false;
#endif

// Into KV2 and its first stage, which is quit or cleared into the store, and back out.
void kv2_round(std::vector<Leg>& legs, bool cleared) {
    append(legs, into_kv2());
    if (cleared)
        append(legs, {{Screen::stage_one}, store_visit(2), {Screen::stage_intro, 2, {}, {KEY_SPACE}},
                      {Screen::stage_two, 0, {pause_panel_exit}, {KEY_P}}});
    else
        legs.push_back({Screen::stage_one, 0, {pause_panel_exit}, {KEY_P}});
    legs.push_back({Screen::main_menu, 0, {menu_exit}});
}

// Into KV1 and its first stage, quit through the pause box; or only through its menu and out.
void kv1_round(std::vector<Leg>& legs, bool stage) {
    if (stage) {
        append(legs, into_kv1());
        legs.push_back({Screen::kv1_stage, 1, {pause_box_exit}, {KEY_P}});
    } else {
        append(legs, {{Screen::series_menu, 0, {kv1_episode}}, {Screen::instructions, 1, {}, {KEY_SPACE}}});
    }
    legs.push_back({Screen::kv1_menu, 0, {kv1_exit}});
}

// Menus mostly, a stage of each episode started and quit every round, and every fifth round a
// stage cleared into the store.
std::vector<Leg> long_script() {
    constexpr int clear_every = 5, menu_rounds = 12;
    std::vector<Leg> legs;
    for (int round = 0; legs.size() < screen_changes; ++round) {
        kv2_round(legs, round % clear_every == 0);
        kv1_round(legs, true);
        for (int i = 0; i < menu_rounds; ++i) kv1_round(legs, false);
    }
    legs.push_back({Screen::series_menu, 0, {series_exit}});
    return legs;
}

long resident_kb() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int open_files() {
    int count = 0;
    if (DIR* fds = opendir("/proc/self/fd")) {
        while (readdir(fds)) ++count;
        closedir(fds);
    }
    return count;
}

TEST(LongRun, AThousandScreenChangesLeaveMemoryAndOpenFilesFlat) {
    whole_game::load_game();
    const std::vector<Leg> script = long_script();
    Pilot pilot(script, 1);
    long settled_kb = 0;
    int first_files = 0;
    // Both ends leave the series menu, whose tune plays on from its open file.
    pilot.after_visit = [&](std::size_t visits) {
        if (visits == 1) first_files = open_files();
        if (visits == settled_after) settled_kb = resident_kb();
    };
    pilot.fly(first_screen);

    ASSERT_FALSE(pilot.stalled()) << pilot.trail();
    ASSERT_EQ(pilot.visits().size(), script.size()) << pilot.trail();
    const long last_kb = resident_kb();
    const int last_files = open_files();
    std::printf("long run: %zu screens; RSS %ld kB after %zu, %ld kB after the last; %d open files, then %d\n",
                script.size(), settled_kb, settled_after, last_kb, first_files, last_files);
    if (!quarantined) {
        EXPECT_LE(last_kb, settled_kb * 105 / 100);
        EXPECT_GE(last_kb, settled_kb * 95 / 100);
    }
    EXPECT_EQ(last_files, first_files);
}

}  // namespace
