#pragma once
// Where the pilot clicks and the ways into each episode that both runs take.
#include <allegro.h>

#include <vector>

#include "whole_game/pilot.h"

namespace whole_game {

constexpr Spot kv1_episode{150, 390}, kv2_episode{450, 390}, series_exit{305, 305};
constexpr Spot menu_start{300, 330}, menu_exit{300, 400}, adam{312, 213};
constexpr Spot shield{27, 382}, buy{140, 466}, store_exit{22, 466};
constexpr Spot pause_panel_exit{415, 438};
constexpr Spot kv1_start{280, 305}, kv1_exit{280, 365}, pause_box_exit{280, 275}, chooser_exit{280, 265};

// From the series menu to the card of stage 1, as Adam.
inline std::vector<Leg> into_kv2() {
    return {{Screen::series_menu, 0, {kv2_episode}},
            {Screen::instructions, 2, {}, {KEY_SPACE}},
            {Screen::story, 0, {}, {KEY_SPACE}},
            {Screen::main_menu, 0, {menu_start}},
            {Screen::character_select, 0, {adam}},
            {Screen::stage_intro, 1, {}, {KEY_SPACE}}};
}

// From the series menu to the first KV1 stage.
inline std::vector<Leg> into_kv1() {
    return {{Screen::series_menu, 0, {kv1_episode}},
            {Screen::instructions, 1, {}, {KEY_SPACE}},
            {Screen::kv1_menu, 0, {kv1_start}},
            {Screen::kv1_mission, 0, {}, {KEY_SPACE}}};
}

inline Leg store_visit(int next) { return {Screen::upgrade_store, next, {shield, buy, store_exit}}; }

inline void append(std::vector<Leg>& legs, const std::vector<Leg>& more) { legs.insert(legs.end(), more.begin(), more.end()); }

}  // namespace whole_game
