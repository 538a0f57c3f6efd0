#include "screens/stage_intro.h"

#include "engine/game_state.h"
#include "engine/slots.h"
#include "engine/text.h"

namespace {

constexpr int stage_count = 10;

struct Card {
    const char* adam;
    const char* kim;
};

// Stage 1's title stands for every pilot; the others only for Adam or Kim.
const Card cards[stage_count] = {
    {"Stage 1: THE JOURNEY BEGINS!! ", "Stage 1: THE JOURNEY BEGINS!! "},
    {"Adam, realizing that Art isn't messing around, takes off to Sector 3386, where his family supposedly is. "
     "\n \nStage 2: ASTEROID HEAVEN!! ",
     "Kim heads off to Sector 3386. On the way, she lifts her head in deep thought, harboring painful "
     "memories....But, she travels on! \n \nStage 2: ASTEROID HEAVEN!! "},
    {"Adam realizes that his fellow earthlings have turned against him as well. He doesn't know WHAT to expect "
     "now! He travels on to the distant planet. \n \nStage 3: PLANET HYDRA!! ",
     "Kim's excited to know what lies ahead at this new planet! Her head then begins to throb for some reason and "
     "the pain leaves. She travels on. \n \nStage 3: PLANET HYDRA!! "},
    {"Adam follows pursuit to the person responsible for taking his family.  \n \nStage 4: JUNK'S PARADISE !! ",
     " \n \nStage 4: JUNK'S PARADISE!! "},
    {" \n \nStage 5: PLANET DESTRONIA!! ", " \n \nStage 5: PLANET DESTRONIA!! "},
    {" \n \nStage 6: PATH OF ASTERIODS!! ", " \n \nStage 6: PATH OF ASTERIODS!! "},
    {" \n \nStage 7: PLANET FLORISHANAI!! ", " \n \nStage 7: PLANET FLORISHANAI!! "},
    {" \n \nStage 8: PATH OF ASTEROIDS!! ", " \n \nStage 8: PATH OF ASTEROIDS!! "},
    {" \n \nStage 9: GATE OF EPSILONIA!! ", " \n \nStage 9: GATE OF EPSILONIA!! "},
    {" \n \nStage 10: FORTRESS!! ", " \n \nStage 10: FORTRESS!! "},
};

}  // namespace

const char* stage_card_text(int stage, int character) {
    if (stage < 1 || stage > stage_count) return "";
    const Card& card = cards[stage - 1];
    if (stage == 1 || character == 1) return card.adam;
    return character == 2 ? card.kim : "";
}

StageIntro::StageIntro(int stage) : stage_(stage), fade_(FadeStyle{8, 16, false, true, &tune_stage_intro, 0.08f}) {
    tune_stage_intro.play_music();
}

void StageIntro::draw() {
    clear_to_color(buffer, makecol(0, 0, 0));
    draw_wrapped_text(buffer, font9, stage_card_text(stage_, selected_character), 50, 0, 540, 240, 0, -1);
    draw_continue_prompt(buffer);
    // Read here, once a drawn frame: a key held when the card opens leaves at once.
    if (continue_pressed(fade_.ready())) fade_.leave();
    fade_.present();
}

NextScreen StageIntro::leave() const {
    if (stage_ < 1 || stage_ > stage_count) return {Screen::main_menu};
    return {static_cast<Screen>(static_cast<int>(Screen::stage_one) + stage_ - 1)};
}

NextScreen stage_intro(int stage) { return run_screen<StageIntro>(stage); }
