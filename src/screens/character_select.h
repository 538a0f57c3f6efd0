#pragma once
// The KV2 pilot choice: two boxes, Adam above Kim. Hovering one slides the pilot's portrait in,
// grows the ship icon and shows that pilot's ship fully equipped and firing; a click loads the
// ship into `player` and leads to the card of the stage the game starts at.
#include "enemies/stars.h"
#include "player/player.h"
#include "engine/screen_frame.h"

NextScreen character_select();

// Set once a pilot has been chosen in this run: only then may Esc go on with the ship kept.
extern bool pilot_chosen;

class CharacterSelect {
public:
    enum Choice { none = 0, adam = 1, kim = 2 };
    static constexpr int star_count = 250;
    static constexpr int box_delay = 20;

    // Loads the pictures, starts the tune and equips both pilots' ships for the show.
    CharacterSelect();
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    // Loads the chosen pilot's ship (unless the game was completed), sets the face, and equips
    // the ship for a game that starts past stage 1.
    NextScreen leave() const;

    const ScreenFade& fade() const { return fade_; }
    bool boxes_shown() const { return box_delay_ == box_delay; }
    int portrait_x(int pilot) const { return pilots_[pilot - 1].portrait_x; }
    float icon_scale(int pilot) const { return pilots_[pilot - 1].icon_scale; }

private:
    struct Pilot {
        Player* ship;
        ScreenBitmap portrait;
        ScreenBitmap icon;
        int box_y;
        int portrait_y;
        int hidden_x;  // the portrait's x when slid out
        bool hovered = false;
        int portrait_x;
        float icon_scale = 1.0f;

        void slide();
    };

    void box(Pilot& pilot, Choice choice);

    ScreenFade fade_;
    ScreenBitmap backdrop_, title_, box_frame_, box_fill_;
    Pilot pilots_[2];
    MenuStar stars_[star_count];
    int backdrop_x_[2] = {0, 640};
    int box_delay_ = 0;
};
