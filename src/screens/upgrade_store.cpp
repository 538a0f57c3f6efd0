#include "screens/upgrade_store.h"

#include <algorithm>
#include <utility>

#include "engine/blit.h"
#include "engine/game_state.h"
#include "engine/loaders.h"
#include "engine/slots.h"
#include "engine/soundclip.h"
#include "engine/text.h"
#include "engine/ui.h"

namespace {

constexpr int top_gun_level = 4, top_side_level = 3;
// A level the ship already has costs nothing; any other costs its own price, not the steps to it.
constexpr int gun_level_prices[top_gun_level + 1] = {0, 0, 3500, 7000, 10500};
constexpr int side_level_prices[top_side_level + 1] = {0, 4000, 8000, 12000};
constexpr int arrow_left = 1, arrow_right = 2;
constexpr int arrow_left_x = 15, arrow_right_x = 60, gun_row_y = 200, side_row_y = 231;
constexpr int buy_x = 133, exit_x = 15, clear_x = 205, buttons_y = 460;

struct ItemRow {
    int price;
    int cap;  // on owned plus ordered
    int Player::*owned;
    int x, y;       // the icon in the left panel
    int price_x;    // its price while hovered
    int row_x;      // its icon in the order row
    const char* price_label;
};

const ItemRow item_rows[UpgradeStore::item_count] = {
    {3000, 99, &Player::one_shot_count, 20, 293, 90, 5, "$3000"},
    {3500, 99, &Player::three_shot_count, 60, 293, 90, 60, "$3500"},
    {4000, 99, &Player::bomb1_count, 20, 334, 90, 106, "$4000"},
    {5000, 99, &Player::bomb2_count, 60, 334, 90, 155, "$5000"},
    {2000, 12, &Player::shield_count, 20, 375, 70, 203, "$2000"},
};

const char* const instructions =
    "Hover over each icon to view item and price. Use mouse to add/subtract items.\n\nL-click: + / R-click: - ";

bool left_click() { return (mouse_b & 1) && !mouse_held; }
bool right_click() { return (mouse_b & 2) && !mouse_held; }

bool arrow_pressed(int type, int x, int y) { return image_button(type, buffer, x, y, 0) && !mouse_held; }

bool text_hovered(int x, int y, const char* label) {
    return pointer_inside(x, y, text_length(font6, label), text_height(font6));
}

int level_price(const int* prices, int ordered, int ship_level) { return ordered == ship_level ? 0 : prices[ordered]; }

// A drained shield leaves a negative count: it holds none.
int owned(const Player& ship, int Player::*count) { return std::max(ship.*count, 0); }

void print(FONT* text_font, int x, int y, const char* format, int value) {
    textprintf_ex(buffer, text_font, x, y, -1, -1, format, value);
}

void label(int x, int y, const char* text) { textprintf_ex(buffer, font6, x, y, -1, -1, "%s", text); }

Player& pilot_template() { return selected_character == 2 ? kim_ship : adam_ship; }

}  // namespace

UpgradeStore::UpgradeStore(int next)
    : next_(next),
      template_(pilot_template()),
      fade_(FadeStyle{8, 16, true, true, &tune_upgrade_store, 0.08f}),
      background_(own_bitmap(load_png_ex("gfx/upgrade_store/background.png"))),
      left_panel_(own_bitmap(load_png_ex("gfx/upgrade_store/left_side.png"))),
      right_panel_(own_bitmap(load_png_ex("gfx/upgrade_store/right_side.png"))),
      shield_frame_(own_bitmap(load_png_ex("gfx/helpers/shield_frame.png"))) {
    template_.stage_reset();
    template_.side_guns = player.side_guns;
    template_.set_bullet_limit(player.bullet_limit);
    template_.set_gun_level(player.gun_level);
    template_.set_side_level(player.side_level);
    template_.shield_on = player.shield_on;
    template_.shield_count = player.shield_count;
    template_.deselect_helpers();
    template_.bomb1_count = player.bomb1_count;
    template_.bomb2_count = player.bomb2_count;
    template_.show_in_menu();
    template_.set_position(313.0f, 410.0f);
    scroll_speed = 1;
    order_from_player();
    for (ColorStar& star : stars_) star.init(0, 639);
    tune_upgrade_store.play_music();
}

void UpgradeStore::order_from_player() {
    order_.gun_level = player.gun_level;
    order_.side_level = player.side_level;
    order_.bullet_limit = player.bullet_limit;
    order_.items = {};
    order_.total = 0;
}

void UpgradeStore::step() {
    fade_.step();
    template_.update();
    for (int& y : background_y_)
        if ((y += scroll_speed) > 479) y = -480;
    for (ColorStar& star : stars_) star.update(scroll_speed);
    arrows();
    if (left_click() && text_hovered(buy_x, buttons_y, "BUY")) buy();
    if (left_click() && text_hovered(exit_x, buttons_y, "EXIT")) fade_.leave();
    if (left_click() && text_hovered(clear_x, buttons_y, "CLEAR")) clear_order();
    preview_helpers();
    preview_bomb(bomb_one);
    preview_bomb(bomb_two);
    preview_shield();
    mouse_down();
}

// The total holds each ordered level's own price; the template previews the level at once. A
// right arrow at the top changes nothing; a left arrow at the ship's own level still sets the
// template to it.
void UpgradeStore::arrows() {
    if (arrow_pressed(arrow_right, arrow_right_x, gun_row_y) && order_.gun_level < top_gun_level)
        order_gun_level(order_.gun_level + 1);
    if (arrow_pressed(arrow_left, arrow_left_x, gun_row_y))
        order_gun_level(std::max(order_.gun_level - 1, player.gun_level));
    if (arrow_pressed(arrow_right, arrow_right_x, side_row_y) && order_.side_level < top_side_level) {
        template_.side_guns = true;
        order_side_level(order_.side_level + 1);
    }
    if (arrow_pressed(arrow_left, arrow_left_x, side_row_y)) {
        const int level = std::max(order_.side_level - 1, player.side_level);
        if (level == 0) template_.side_guns = false;
        order_side_level(level);
    }
}

void UpgradeStore::order_gun_level(int level) {
    order_.total += level_price(gun_level_prices, level, player.gun_level) -
                    level_price(gun_level_prices, order_.gun_level, player.gun_level);
    order_.gun_level = level;
    template_.set_gun_level(level);
}

void UpgradeStore::order_side_level(int level) {
    order_.total += level_price(side_level_prices, level, player.side_level) -
                    level_price(side_level_prices, order_.side_level, player.side_level);
    order_.side_level = level;
    template_.set_side_level(level);
}

void UpgradeStore::buy() {
    if (order_.total <= 0 || player.money < order_.total) return;
    player.side_guns = template_.side_guns;
    player.set_bullet_limit(template_.bullet_limit);
    player.set_gun_level(template_.gun_level);
    player.set_side_level(template_.side_level);
    if (order_.items[shield] > 0) player.add_shields(order_.items[shield]);
    for (Item item : {one_shot, three_shot, bomb_one, bomb_two}) player.*item_rows[item].owned += order_.items[item];
    player.money -= order_.total;
    order_from_player();
    template_.set_side_level(order_.side_level);
    template_.set_bullet_limit(order_.bullet_limit);
    template_.set_gun_level(order_.gun_level);
    const bool shielded = player.shield_count >= 1;
    template_.shield_on = shielded && player.shield_on;
    template_.shield_count = shielded ? player.shield_count : 0;
    if (order_.side_level == 0) template_.side_guns = false;
}

void UpgradeStore::clear_order() {
    order_from_player();
    for (Player* ship : {&adam_ship, &kim_ship}) {
        ship->set_gun_level(player.gun_level);
        ship->set_side_level(player.side_level);
        ship->shield_on = player.shield_on;
        ship->shield_count = player.shield_count;
    }
}

bool UpgradeStore::hovered(Item item) const {
    const BITMAP* picture = icon(item);
    return pointer_inside(item_rows[item].x, item_rows[item].y, picture->w, picture->h);
}

BITMAP* UpgradeStore::icon(Item item) const {
    switch (item) {
        case one_shot: return helper_icons[0];
        case three_shot: return helper_icons[1];
        case bomb_one: return bomb_icons[0];
        case bomb_two: return bomb_icons[1];
        default: return shield_frame_.get();
    }
}

// Only the player's counts limit the order: the template's change with every preview.
void UpgradeStore::count_clicks(Item item) {
    const ItemRow& row = item_rows[item];
    int& ordered = order_.items[item];
    if (left_click()) {
        if (owned(player, row.owned) + ordered < row.cap) {
            ++ordered;
            order_.total += row.price;
        } else {
            sfx_error.play_jingle();
        }
    }
    if (right_click() && ordered >= 1) {
        --ordered;
        order_.total -= row.price;
    }
}

void UpgradeStore::preview_helpers() {
    for (Item item : {one_shot, three_shot}) {
        if (!hovered(item)) continue;
        count_clicks(item);
        const int kind = item == one_shot ? 1 : 2;
        if (template_.*item_rows[item].owned <= 0) template_.add_helper(kind);
        template_.set_helper_type(kind);
        return;
    }
    template_.deselect_helpers();
}

// Each bomb shows on the template while hovered, the other put away first. Its start sound goes
// to the ship's own channel: the bomb channels keep tracking the beam and the looping hum.
void UpgradeStore::preview_bomb(Item item) {
    const int kind = item == bomb_one ? 1 : 2;
    bool& demo = bomb_demo_[kind - 1];
    if (!hovered(item)) {
        if (demo) close_demo(kind);
        demo = false;
        return;
    }
    count_clicks(item);
    if (demo) return;
    close_demo(3 - kind);
    template_.add_bombs(kind, 0);
    template_.bomb_kind = kind;
    play_on_free_channel(template_.bomb_start_sound, template_.channel);
    template_.charge.start();
    demo = true;
}

// The demo took one bomb of the template's own.
void UpgradeStore::close_demo(int kind) {
    if (kind == 1) {
        template_.bomb1.close();
        --template_.bomb1_count;
    } else {
        for (Bomb2Part& part : template_.bomb2_parts) part.close();
        --template_.bomb2_count;
    }
}

void UpgradeStore::preview_shield() {
    if (hovered(shield)) {
        count_clicks(shield);
        template_.add_shields(1);
    } else if (owned(player, &Player::shield_count) == 0 && !player.shield_on) {
        template_.shield_on = false;
    }
}

// Both panels, translucent and framed, before anything is written on either.
void UpgradeStore::draw_panels() {
    const int white = makecol(255, 255, 255);
    trans_blit(left_panel_.get(), buffer, 0, 180, 150);
    rect(buffer, 0, 180, left_panel_->w, 180 + left_panel_->h, white);
    trans_blit(right_panel_.get(), buffer, 490, 40, 150);
    rect(buffer, 490, 40, 490 + right_panel_->w, 40 + right_panel_->h, white);
}

// The left panel: the order, its total and the buttons.
void UpgradeStore::draw_order() {
    label(40, 400, "TOTAL");
    print(font6, 15, 420, "$%d.00", order_.total);
    if (player.money < order_.total)
        textprintf_ex(buffer, font, 15, 440, makecol(255, 255, 0), -1, "(Not enough money.)");
    label(15, 185, "GUN LEVEL");
    image_button(arrow_left, buffer, arrow_left_x, gun_row_y, 1);
    print(font6, 40, 199, "%d", order_.gun_level);
    image_button(arrow_right, buffer, arrow_right_x, gun_row_y, 1);
    if (order_.gun_level != player.gun_level) print(font6, 80, 200, "$%d", gun_level_prices[order_.gun_level]);
    label(15, 216, "SIDE LEVEL");
    image_button(arrow_left, buffer, arrow_left_x, side_row_y, 1);
    print(font6, 40, 230, "%d", order_.side_level);
    image_button(arrow_right, buffer, arrow_right_x, side_row_y, 1);
    if (order_.side_level != player.side_level)
        print(font6, 80, 232, "$%d", side_level_prices[order_.side_level]);
    label(15, 278, "HELPERS");
    label(15, 319, "BOMBS");
    label(15, 360, "SHIELDS");
    const int white = makecol(255, 255, 255);
    for (int i = 0; i < item_count; ++i) {
        const ItemRow& row = item_rows[i];
        BITMAP* picture = icon(static_cast<Item>(i));
        draw_masked(picture, row.x, row.y);
        draw_masked(picture, row.row_x, 140);
        print(font8, row.row_x + 21, 143, "%d", order_.items[i]);
        if (!hovered(static_cast<Item>(i))) continue;
        rect(buffer, row.x - 3, row.y - 3, row.x + picture->w, row.y + picture->h, white);
        label(row.price_x, row.y, row.price_label);
    }
    for (auto [x, text] : {std::pair{buy_x, "BUY"}, std::pair{exit_x, "EXIT"}, std::pair{clear_x, "CLEAR"}}) {
        label(x, buttons_y, text);
        if (text_hovered(x, buttons_y, text))
            rect(buffer, x - 3, buttons_y - 3, x + text_length(font6, text), buttons_y + text_height(font6), white);
    }
}

// The right panel: what the ship has now.
void UpgradeStore::draw_ship_state() {
    print(font8, 500, 50, "G-lvl: %d", player.gun_level);
    print(font8, 500, 70, "S-lvl: %d", player.side_level);
    const struct {
        BITMAP* picture;
        int count;
        bool selected;
    } counts[] = {
        {helper_icons[0], player.one_shot_count, player.one_shot_selected},
        {helper_icons[1], player.three_shot_count, player.three_shot_selected},
        {bomb_icons[0], player.bomb1_count, false},
        {bomb_icons[1], player.bomb2_count, false},
    };
    int y = 90;
    for (const auto& count : counts) {
        draw_masked(count.picture, 500, y);
        print(font8, 500 + count.picture->w, y, count.selected ? " - %d *" : " - %d", count.count);
        y += 20;
    }
    textprintf_ex(buffer, font8, 500, 180, -1, -1, "SHIELD:");
    for (int i = 0; i < owned(player, &Player::shield_count); ++i) draw_masked(shield_icon, 500 + 11 * i, 200);
    textprintf_ex(buffer, font8, 500, 400, -1, -1, "Money:");
    print(font8, 500, 416, "$%d.00", player.money);
}

void UpgradeStore::draw() {
    blit(background_.get(), buffer, 0, 0, 0, background_y_[1], background_->w, background_->h);
    blit(background_.get(), buffer, 0, 0, 0, background_y_[0], background_->w, background_->h);
    for (const ColorStar& star : stars_) star.draw(buffer);
    label(15, 10, "UPGRADE STORE");
    label(5, 40, "INSTRUCTIONS:");
    draw_wrapped_text(buffer, font, instructions, 4, 1, 195, 130, 0, makecol(0, 0, 0));
    draw_wrapped_text(buffer, font, instructions, 5, 0, 195, 130, 0, makecol(255, 255, 255));
    label(5, 115, "ORDER QUANTITY:");
    template_.draw(buffer);
    draw_panels();
    draw_order();
    draw_ship_state();
    draw_pointer(buffer);
    fade_.present();
}

NextScreen UpgradeStore::leave() {
    template_.put_bombs_away();
    if (next_ < 2 || next_ > 10) return {};
    return {Screen::stage_intro, {next_}};
}

NextScreen upgrade_store(int next) { return run_screen<UpgradeStore>(next); }
