#include "screens/instructions.h"

#include "engine/blit.h"
#include "engine/slots.h"
#include "engine/text.h"

namespace {

struct EpisodeText {
    const char* title;
    const char* body;
};

// They name the default keys, whatever the player has rebound.
const EpisodeText episode_texts[] = {
    {"KV 1 INSTRUCTIONS",
     "Changeable Keys:\n"
     "Move: Left / Right Keys\n"
     "Shoot: Voidbar\n"
     "\n"
     "Non-changeable:\n"
     "Pause: Esc / 'P' Keys\n"
     "Take Screenshots: 'Q' key "},
    {"KV 2 INSTRUCTIONS",
     "Changeable Keys:\n"
     "Move: Left / Right Keys\n"
     "Shoot: Voidbar\n"
     "Bombs 1 + 2: 'Z' / Left Control Keys\n"
     "Text-Advance: Voidbar\n"
     "\n"
     "Non-changeable:\n"
     "Pause: Esc / 'P' Keys\n"
     "Take Screenshots: 'Q' key\n"
     "Switch Between Helpers Shortcut: Helper #1 (1 shot) - 'A' Key / Helper #2 (3 shot) - 'S' Key\n"
     "\n"
     "Player loses $500 when destroyed. The game's over when you don't have $500 to lose.\n"
     "Tip: The green void invaders type enemies cause you to lose $100 if they get past you. "},
};

const EpisodeText& episode_text(int episode) { return episode_texts[episode == 1 ? 0 : 1]; }

}  // namespace

const char* instructions_body(int episode) { return episode_text(episode).body; }

Instructions::Instructions(int episode)
    : episode_(episode), fade_(FadeStyle{8, 16, false, true}), black_(black_bitmap()) {}

void Instructions::step() {
    fade_.step();
    if (continue_pressed(fade_.ready())) fade_.leave();
}

void Instructions::draw() {
    fade_blit(black_.get(), buffer, 0, 0, makecol(0, 0, 0), 127);
    draw_continue_prompt(buffer);
    textprintf_centre_ex(buffer, font8, 320, 10, -1, -1, "%s", episode_text(episode_).title);
    draw_wrapped_text(buffer, font5, episode_text(episode_).body, 10, -150, 620, 480, 0, -1);
    fade_.present();
}

NextScreen Instructions::leave() const {
    if (episode_ != 1) return {Screen::story};
    tune_kv1_bgm.play_music();
    return {Screen::kv1_menu};
}

NextScreen instructions(int episode) { return run_screen<Instructions>(episode); }
