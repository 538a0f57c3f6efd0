#include "player/menu_outfit.h"

void give_menu_outfit(Player& ship) {
    ship.add_side_bullets();
    ship.set_gun_level(4);
    ship.set_bullet_limit(50);
    ship.set_side_level(3);
    ship.add_shields(5);
    ship.set_helper_type(2);
    ship.add_helper(2);
    ship.show_in_menu();
    ship.set_position(500, 410);
}
