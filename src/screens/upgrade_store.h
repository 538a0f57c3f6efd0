#pragma once
// The shop between KV2 stages. Left clicks add to one order, right clicks take back, BUY pays for
// the whole order; the pilot's template ship flies below and previews what the pointer rests on.
// EXIT leads to the card of the next stage, dropping an order not bought.
#include <array>

#include "enemies/stars.h"
#include "player/player.h"
#include "engine/screen_frame.h"

NextScreen upgrade_store(int next);

class UpgradeStore {
public:
    enum Item { one_shot, three_shot, bomb_one, bomb_two, shield, item_count };
    static constexpr int star_count = 100;

    struct Order {
        int total = 0;
        int gun_level = 1;
        int side_level = 0;
        int bullet_limit = 50;
        std::array<int, item_count> items{};
    };

    explicit UpgradeStore(int next);
    void step();
    void draw();
    bool running() const { return fade_.running(); }
    // Puts the template's bombs away and silences them.
    NextScreen leave();

    const Order& order() const { return order_; }
    const ScreenFade& fade() const { return fade_; }
    Player& ship_template() const { return template_; }

private:
    void order_from_player();
    void arrows();
    void order_gun_level(int level);
    void order_side_level(int level);
    void buy();
    void clear_order();
    void count_clicks(Item item);
    void preview_helpers();
    void preview_bomb(Item item);
    void close_demo(int kind);
    void preview_shield();
    bool hovered(Item item) const;
    BITMAP* icon(Item item) const;
    void draw_panels();
    void draw_order();
    void draw_ship_state();

    int next_;
    Player& template_;
    ScreenFade fade_;
    ScreenBitmap background_, left_panel_, right_panel_, shield_frame_;
    Order order_;
    std::array<bool, 2> bomb_demo_{};
    int background_y_[2] = {0, -480};
    ColorStar stars_[star_count];
};
