// The upgrade store: what an order costs and may hold, what BUY carries into the next stage, and
// that the template's bomb demos leave no sound behind.
#include "screens/upgrade_store.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "audio/audio_testing.h"
#include "engine/game_state.h"
#include "engine/gameengine.h"
#include "engine/slots.h"
#include "engine/ui.h"
#include "screen_passes.h"

namespace {

using screen_testing::ScreenPasses;
using screen_testing::sounding;
using Item = UpgradeStore::Item;

struct Spot {
    int x, y;
};

constexpr Spot gun_left{22, 207}, gun_right{67, 207}, side_left{22, 238}, side_right{67, 238};
constexpr Spot buy{140, 466}, exit_item{22, 466}, clear_item{212, 466}, nowhere{320, 10};
constexpr Spot item_spots[UpgradeStore::item_count] = {{27, 300}, {67, 300}, {27, 341}, {67, 341}, {27, 382}};
constexpr int item_prices[UpgradeStore::item_count] = {3000, 3500, 4000, 5000, 2000};
constexpr int gun_prices[5] = {0, 0, 3500, 7000, 10500};
constexpr int side_prices[4] = {0, 4000, 8000, 12000};

class StorePasses : public ScreenPasses {
protected:
    void SetUp() override {
        ScreenPasses::SetUp();
        selected_character = 1;
        player.load(1);
        player.one_shot_count = player.three_shot_count = player.bomb1_count = player.bomb2_count = 0;
        mouse_held = 0;
    }

    // A press of `buttons` (1 left, 2 right) over the spot for one step, then released.
    void click(UpgradeStore& store, Spot at, int buttons = 1) {
        mouse_x = at.x;
        mouse_y = at.y;
        mouse_b = buttons;
        pass(store);
        mouse_b = 0;
        pass(store);
    }
};

TEST_F(StorePasses, RandomOrdersCostEachOrderedLevelsOwnPriceAndEachItemsPrice) {
    srand(21);
    const Spot presses[] = {gun_left, gun_right, side_left, side_right};
    for (int gun = 1; gun <= 4; ++gun)
        for (int side = 0; side <= 3; ++side) {
            SCOPED_TRACE(testing::Message() << "ship at gun " << gun << ", side " << side);
            player.set_gun_level(gun);
            player.set_side_level(side);
            UpgradeStore store(2);
            for (int n = 0; n < 40; ++n) {
                const int pick = rand() % 9;
                if (pick < 4) click(store, presses[pick]);
                else click(store, item_spots[pick - 4], rand() % 3 == 0 ? 2 : 1);
                const UpgradeStore::Order& order = store.order();
                ASSERT_GE(order.gun_level, gun);
                ASSERT_LE(order.gun_level, 4);
                ASSERT_GE(order.side_level, side);
                ASSERT_LE(order.side_level, 3);
                int expected = (order.gun_level == gun ? 0 : gun_prices[order.gun_level]) +
                               (order.side_level == side ? 0 : side_prices[order.side_level]);
                for (int i = 0; i < UpgradeStore::item_count; ++i) expected += order.items[i] * item_prices[i];
                ASSERT_EQ(order.total, expected) << "after press " << n;
            }
        }
}

// The font6 text drawn with its left end at (x, y), or "" when none is.
std::string text_at(const screen_testing::TextLog& log, int x, int y) {
    for (const auto& line : log.lines())
        if (line.font == "font6" && line.x == x && line.y == y) return line.text;
    return "";
}

TEST_F(StorePasses, ArrowsOrderEachLevelAtItsOwnPriceAndShowItOnTheTemplate) {
    const struct {
        const char* what;
        int gun, side;  // the ship's
        std::vector<Spot> presses;
        void (*meanwhile)(Player& ship_template);  // after the presses, before the last one
        Spot last;
        int total, ordered_gun, ordered_side, template_gun, template_side;
        bool side_guns;  // the template's
        const char* gun_price;  // shown beside the ordered gun level, "" for none
        const char* side_price;
    } cases[] = {
        {"gun 1 up one", 1, 0, {}, nullptr, gun_right, 3500, 2, 0, 2, 0, false, "$3500", ""},
        {"gun 1 up three", 1, 0, {gun_right, gun_right}, nullptr, gun_right, 10500, 4, 0, 4, 0, false, "$10500", ""},
        {"gun 1 up three, down three", 1, 0, {gun_right, gun_right, gun_right, gun_left, gun_left}, nullptr, gun_left,
         0, 1, 0, 1, 0, false, "", ""},
        {"gun 2 up one", 2, 0, {}, nullptr, gun_right, 7000, 3, 0, 3, 0, false, "$7000", ""},
        {"gun 4 up: nothing changes, the template neither", 4, 0, {},
         [](Player& t) { t.set_gun_level(2); }, gun_right, 0, 4, 0, 2, 0, false, "", ""},
        {"gun 1 down: the template goes back to the ship's level", 1, 0, {},
         [](Player& t) { t.set_gun_level(4); }, gun_left, 0, 1, 0, 1, 0, false, "", ""},
        {"side 0 up one switches the side guns on", 1, 0, {}, nullptr, side_right, 4000, 1, 1, 1, 1, true, "",
         "$4000"},
        {"side 0 up and down switches them off", 1, 0, {side_right}, nullptr, side_left, 0, 1, 0, 1, 0, false, "",
         ""},
        {"side 1 up two", 1, 1, {side_right}, nullptr, side_right, 12000, 1, 3, 1, 3, true, "", "$12000"},
        {"side 0 up two, down one: a step above 0 leaves the side guns", 1, 0, {side_right, side_right},
         [](Player& t) { t.side_guns = false; }, side_left, 4000, 1, 1, 1, 1, false, "", "$4000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        player.set_gun_level(c.gun);
        player.set_side_level(c.side);
        player.side_guns = c.side > 0;
        UpgradeStore store(2);
        for (const Spot& at : c.presses) click(store, at);
        if (c.meanwhile) c.meanwhile(store.ship_template());
        screen_testing::TextLog log;
        click(store, c.last);
        const UpgradeStore::Order& order = store.order();
        EXPECT_EQ(order.total, c.total);
        EXPECT_EQ(order.gun_level, c.ordered_gun);
        EXPECT_EQ(order.side_level, c.ordered_side);
        const Player& ship = store.ship_template();
        EXPECT_EQ(ship.gun_level, c.template_gun);
        EXPECT_EQ(ship.side_level, c.template_side);
        EXPECT_EQ(ship.side_guns, c.side_guns);
        log.clear();
        pass(store);
        EXPECT_EQ(text_at(log, 80, 200), c.gun_price);
        EXPECT_EQ(text_at(log, 80, 232), c.side_price);
        EXPECT_EQ(text_at(log, 40, 199), std::to_string(c.ordered_gun));
        EXPECT_EQ(text_at(log, 40, 230), std::to_string(c.ordered_side));
    }
}

TEST_F(StorePasses, HoveringAnIconShowsItsPriceBesideIt) {
    const struct {
        Item item;
        int x, y;
        const char* price;
    } cases[] = {
        {UpgradeStore::one_shot, 90, 293, "$3000"}, {UpgradeStore::three_shot, 90, 293, "$3500"},
        {UpgradeStore::bomb_one, 90, 334, "$4000"}, {UpgradeStore::bomb_two, 90, 334, "$5000"},
        {UpgradeStore::shield, 70, 375, "$2000"},
    };
    UpgradeStore store(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.price);
        mouse_x = item_spots[c.item].x;
        mouse_y = item_spots[c.item].y;
        screen_testing::TextLog log;
        pass(store);
        EXPECT_EQ(text_at(log, c.x, c.y), c.price);
    }
    passes_to_end(store, 0);
    store.leave();
}

TEST_F(StorePasses, EveryLabelCountAndSumStandsInItsPlace) {
    player.money = 1000;
    player.set_gun_level(2);
    player.set_side_level(1);
    player.one_shot_count = 3;
    player.three_shot_count = 5;
    player.set_helper_type(2);
    player.bomb1_count = 7;
    player.bomb2_count = 8;
    player.add_shields(2);
    UpgradeStore store(2);
    click(store, gun_right);
    click(store, item_spots[UpgradeStore::bomb_one]);
    click(store, item_spots[UpgradeStore::bomb_one]);
    mouse_x = nowhere.x;
    mouse_y = nowhere.y;
    screen_testing::TextLog log;
    pass(store);
    const struct {
        const char* font;
        int x, y;
        std::string text;
    } texts[] = {
        {"font6", 15, 10, "UPGRADE STORE"},
        {"font6", 5, 40, "INSTRUCTIONS:"},
        {"font6", 5, 115, "ORDER QUANTITY:"},
        {"font6", 40, 400, "TOTAL"},
        {"font6", 15, 420, "$15000.00"},
        {"font", 15, 440, "(Not enough money.)"},
        {"font6", 15, 185, "GUN LEVEL"},
        {"font6", 40, 199, "3"},
        {"font6", 15, 216, "SIDE LEVEL"},
        {"font6", 40, 230, "1"},
        {"font6", 15, 278, "HELPERS"},
        {"font6", 15, 319, "BOMBS"},
        {"font6", 15, 360, "SHIELDS"},
        {"font8", 26, 143, "0"},
        {"font8", 81, 143, "0"},
        {"font8", 127, 143, "2"},
        {"font8", 176, 143, "0"},
        {"font8", 224, 143, "0"},
        {"font6", 133, 460, "BUY"},
        {"font6", 15, 460, "EXIT"},
        {"font6", 205, 460, "CLEAR"},
        {"font8", 500, 50, "G-lvl: 2"},
        {"font8", 500, 70, "S-lvl: 1"},
        {"font8", 500 + helper_icons[0]->w, 90, " - 3"},
        {"font8", 500 + helper_icons[1]->w, 110, " - 5 *"},
        {"font8", 500 + bomb_icons[0]->w, 130, " - 7"},
        {"font8", 500 + bomb_icons[1]->w, 150, " - 8"},
        {"font8", 500, 180, "SHIELD:"},
        {"font8", 500, 400, "Money:"},
        {"font8", 500, 416, "$1000.00"},
    };
    for (const auto& t : texts) EXPECT_TRUE(log.drew(t.font, t.x, t.y, t.text)) << t.font << " \"" << t.text << "\"";
    std::vector<std::string> instructions;
    for (const auto& line : log.lines())
        if (line.font == "font" && line.x == 5) instructions.push_back(line.text);
    EXPECT_TRUE(screen_testing::wraps_whole(
        instructions,
        "Hover over each icon to view item and price. Use mouse to add/subtract items.\n\nL-click: + / R-click: - "));
    passes_to_end(store, 0);
    store.leave();
}

TEST_F(StorePasses, ClearEmptiesTheOrderAndSetsBothTemplatesToTheShip) {
    player.money = 100000;
    player.set_gun_level(2);
    player.add_shields(2);
    UpgradeStore store(2);
    click(store, gun_right);
    click(store, side_right);
    click(store, item_spots[UpgradeStore::one_shot]);
    click(store, item_spots[UpgradeStore::bomb_two]);
    click(store, item_spots[UpgradeStore::shield]);
    kim_ship.set_gun_level(4);
    kim_ship.set_side_level(3);
    kim_ship.shield_count = 9;
    const int bullet_limit = adam_ship.bullet_limit;
    screen_testing::TextLog log;
    click(store, clear_item);
    const UpgradeStore::Order& order = store.order();
    EXPECT_EQ(order.total, 0);
    for (int count : order.items) EXPECT_EQ(count, 0);
    EXPECT_EQ(order.gun_level, 2);
    EXPECT_EQ(order.side_level, 0);
    for (const Player* ship : {&adam_ship, &kim_ship}) {
        EXPECT_EQ(ship->gun_level, 2);
        EXPECT_EQ(ship->side_level, 0);
        EXPECT_TRUE(ship->shield_on);
        EXPECT_EQ(ship->shield_count, 2);
    }
    EXPECT_TRUE(adam_ship.side_guns);  // as the side arrow left them
    EXPECT_EQ(adam_ship.bullet_limit, bullet_limit);
    EXPECT_EQ(text_at(log, 15, 420), "$0.00");
    click(store, buy);
    EXPECT_EQ(player.money, 100000);
    passes_to_end(store, 0);
    store.leave();
}

TEST_F(StorePasses, BothPanelsStandFramedBeforeAnythingIsWrittenOnThem) {
    UpgradeStore store(2);
    pass(store);
    screen_testing::TextLog log;
    int framed_when_total_drawn = -1;
    log.on_line = [&](const screen_testing::TextLog::Line& line) {
        if (line.text != "TOTAL") return;
        framed_when_total_drawn = 0;
        for (int x = 491; x < 630; ++x) framed_when_total_drawn += screen_testing::whitish(getpixel(buffer, x, 40));
    };
    pass(store);
    EXPECT_EQ(framed_when_total_drawn, 630 - 491);  // the right panel's top edge
    passes_to_end(store, 0);
    store.leave();
}

TEST_F(StorePasses, CountsStopAtTheirCapsWithTheErrorSound) {
    const struct {
        Item item;
        int Player::*owned;
        int start;  // owned before; one more is allowed, the next refused
    } cases[] = {
        {UpgradeStore::one_shot, &Player::one_shot_count, 98},
        {UpgradeStore::three_shot, &Player::three_shot_count, 98},
        {UpgradeStore::bomb_one, &Player::bomb1_count, 98},
        {UpgradeStore::bomb_two, &Player::bomb2_count, 98},
        {UpgradeStore::shield, &Player::shield_count, 11},
        {UpgradeStore::shield, &Player::shield_count, -3},  // drained: holds none, may take twelve
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "item " << c.item << " from " << c.start);
        player.*c.owned = c.start;
        UpgradeStore store(2);
        const int allowed = c.start < 0 ? 12 : 1;
        stop_channel_quietly(jingle_channel);
        for (int n = 0; n < allowed; ++n) click(store, item_spots[c.item]);
        EXPECT_EQ(store.order().items[c.item], allowed);
        EXPECT_FALSE(sounding(sfx_error.sound));
        const int total = store.order().total;
        click(store, item_spots[c.item]);
        EXPECT_EQ(store.order().items[c.item], allowed);
        EXPECT_EQ(store.order().total, total);
        EXPECT_TRUE(sounding(sfx_error.sound));
        player.*c.owned = 0;
    }
}

TEST_F(StorePasses, BothButtonsTogetherChangeNothingAndAHeldButtonActsOnce) {
    UpgradeStore store(2);
    click(store, item_spots[UpgradeStore::bomb_one], 3);
    EXPECT_EQ(store.order().items[UpgradeStore::bomb_one], 0);
    mouse_x = item_spots[UpgradeStore::bomb_two].x;
    mouse_y = item_spots[UpgradeStore::bomb_two].y;
    mouse_b = 1;
    for (int n = 0; n < 10; ++n) pass(store);
    EXPECT_EQ(store.order().items[UpgradeStore::bomb_two], 1);
    EXPECT_EQ(store.order().total, 5000);
}

TEST_F(StorePasses, BuyPaysOnlyForAWholeAffordableOrder) {
    const struct {
        const char* what;
        int money;
        int shields;  // ordered
        int money_after;
    } cases[] = {
        {"empty order", 5000, 0, 5000},
        {"short of the total", 3999, 2, 3999},
        {"exactly the total", 4000, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        player.money = c.money;
        player.shield_count = 0;
        player.shield_on = false;
        UpgradeStore store(2);
        for (int n = 0; n < c.shields; ++n) click(store, item_spots[UpgradeStore::shield]);
        click(store, buy);
        EXPECT_EQ(player.money, c.money_after);
        EXPECT_EQ(player.shield_count, c.money_after == 0 ? 2 : 0);
    }
}

TEST_F(StorePasses, ABoughtOrderIsWhatTheNextStageGetsAndNothingElseReachesTheShip) {
    player.money = 100000;
    player.set_helper_type(1);
    player.add_helper(1);
    UpgradeStore store(3);
    click(store, gun_right);
    click(store, gun_right);
    click(store, side_right);
    click(store, item_spots[UpgradeStore::three_shot]);
    click(store, item_spots[UpgradeStore::bomb_one]);
    click(store, item_spots[UpgradeStore::bomb_two]);
    click(store, item_spots[UpgradeStore::shield]);
    click(store, exit_item);
    click(store, buy);  // fading out: still bought
    click(store, item_spots[UpgradeStore::bomb_two]);  // not bought: dropped with the store
    for (int n = 0; n < 5; ++n) pass(store);  // hovering the shield and bombs previews on the template only
    passes_to_end(store);
    EXPECT_EQ(store.leave().screen, Screen::stage_intro);
    EXPECT_EQ(store.leave().args[0], 3);

    player.stage_reset();
    EXPECT_EQ(player.money, 100000 - 7000 - 4000 - 3500 - 4000 - 5000 - 2000);
    EXPECT_EQ(player.gun_level, 3);
    EXPECT_EQ(player.side_level, 1);
    EXPECT_TRUE(player.side_guns);
    EXPECT_EQ(player.one_shot_count, 1);
    EXPECT_EQ(player.three_shot_count, 1);
    EXPECT_TRUE(player.one_shot_selected);
    EXPECT_FALSE(player.three_shot_selected);
    EXPECT_EQ(player.bomb1_count, 1);
    EXPECT_EQ(player.bomb2_count, 1);
    EXPECT_TRUE(player.shield_on);
    EXPECT_EQ(player.shield_count, 1);
}

TEST_F(StorePasses, BombDemosLeaveNoVoiceOfTheTemplateOnceTheStoreCloses) {
    UpgradeStore store(2);
    const Player& ship = store.ship_template();
    const Spot path[] = {item_spots[UpgradeStore::bomb_one], item_spots[UpgradeStore::bomb_two], nowhere,
                         item_spots[UpgradeStore::bomb_two], item_spots[UpgradeStore::bomb_one],
                         item_spots[UpgradeStore::bomb_two]};
    for (const Spot& at : path)
        for (int n = 0; n < 40; ++n) {
            mouse_x = at.x;
            mouse_y = at.y;
            pass(store);
            audio_testing::advance(fmod_system, 16);
        }
    EXPECT_TRUE(sounding(ship.bomb_two_sound));
    click(store, exit_item);
    passes_to_end(store);
    store.leave();
    audio_testing::advance(fmod_system, 5000);
    EXPECT_FALSE(sounding(ship.bomb_two_sound));
    EXPECT_FALSE(sounding(ship.bomb_one_sound));
    EXPECT_FALSE(sounding(ship.bomb_start_sound));
}

TEST_F(StorePasses, AnOrderUnderWayIsDrawn) {
    player.money = 9000;
    UpgradeStore store(2);
    click(store, gun_right);
    click(store, side_right);
    click(store, item_spots[UpgradeStore::one_shot]);
    mouse_x = item_spots[UpgradeStore::bomb_two].x;
    mouse_y = item_spots[UpgradeStore::bomb_two].y;
    for (int n = 0; n < 60; ++n) pass(store);
    save("upgrade_store_order.png");
    // "(Not enough money.)" in yellow below the total.
    int yellow = 0;
    for (int y = 440; y < 448; ++y)
        for (int x = 15; x < 170; ++x) {
            const int pixel = getpixel(page(), x, y);
            yellow += getr(pixel) > 200 && getg(pixel) > 200 && getb(pixel) < 80;
        }
    EXPECT_GT(yellow, 50);
    passes_to_end(store, 0);
    store.leave();
}

}  // namespace
