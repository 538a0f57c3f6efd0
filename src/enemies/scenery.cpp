#include "enemies/scenery.h"

#include "enemies/scenery_art.h"
#include "engine/collision.h"
#include "engine/loaders.h"
#include "engine/slots.h"

SceneryMarker scenery_markers[scenery_marker_count];

namespace {

constexpr int max_draws = 64;
constexpr int bottom_row = 479;
constexpr int wait_unit = 50;  // waits are one to four of these

const SceneryPiece::PictureSlots statue_slots{&statue_bitmap, &statue_bitmap, &statue_bitmap};
const SceneryPiece::PictureSlots island_slots{&island_bitmaps[0], &island_bitmaps[1], &island_bitmaps[2]};

}  // namespace

void SceneryMarker::clear() {
    x = y = 0.0f;
    w = h = 0;
    used = false;
}

void SceneryMarker::occupy(float new_x, float new_y, int new_w, int new_h, BITMAP* new_picture) {
    x = new_x;
    y = new_y;
    w = new_w;
    h = new_h;
    picture = new_picture;
    used = true;
}

void SceneryMarker::set_position(float new_x, float new_y) {
    x = new_x;
    y = new_y;
}

bool SceneryMarker::overlaps(float ox, float oy, int, int, BITMAP* other) const {
    if (!picture) return false;
    return pixel_collision(picture, static_cast<int>(x), static_cast<int>(y), other, static_cast<int>(ox),
                           static_cast<int>(oy)) != 0;
}

SceneryPiece::~SceneryPiece() {
    if (placed) scenery_markers[marker].clear();
}

void SceneryPiece::choose_kind() {
    kind = random_range(0, 2);
    picture = *slots_[kind];
}

bool SceneryPiece::overlaps_a_piece() const {
    for (const SceneryMarker& other : scenery_markers)
        if (other.is_used() && other.overlaps(x, y, picture->w, picture->h, picture)) return true;
    return false;
}

void SceneryPiece::find_spot(int top, int bottom) {
    spot_found = false;
    for (int draws = 1;; ++draws) {
        x = static_cast<float>(random_range(-picture->w, playfield_width));
        y = static_cast<float>(random_range(top, bottom));
        if (!overlaps_a_piece()) {
            spot_found = true;
            return;
        }
        if (draws == max_draws) return;
    }
}

void SceneryPiece::init() {
    // Set up again, the piece gives back the marker it held.
    if (placed) scenery_markers[marker].clear();
    placed = false;
    choose_kind();
    hidden = false;
    alpha = 0.0f;
    wait_count = 0;
    marker = 0;
    while (marker < scenery_marker_count && scenery_markers[marker].is_used()) ++marker;
    // With every marker taken the piece is left out: never drawn, never placed.
    if (marker == scenery_marker_count) {
        hidden = true;
        return;
    }
    find_spot(-picture->h, playfield_height);
    scenery_markers[marker].occupy(x, y, picture->w, picture->h, picture);
    placed = true;
    wait_length = wait_unit * random_range(1, 4);
}

void SceneryPiece::respawn() {
    if (++wait_count <= wait_length) return;
    wait_count = 0;
    wait_length = wait_unit * random_range(1, 4);
    choose_kind();
    find_spot(-playfield_height, -picture->h);
    scenery_markers[marker].occupy(x, y, picture->w, picture->h, picture);
}

void SceneryPiece::ride(int dy) {
    if (!placed) return;
    y += static_cast<float>(dy);
    scenery_markers[marker].set_position(x, y);
    if (y > bottom_row) respawn();
}

Statue::Statue() : SceneryPiece(statue_slots) {}

void Statue::draw(BITMAP* target) const {
    if (!hidden) masked_blit(picture, target, 0, 0, static_cast<int>(x), static_cast<int>(y), picture->w, picture->h);
}

Island::Island() : SceneryPiece(island_slots) {}

void Island::update(int dy, float new_alpha) {
    alpha = new_alpha;
    ride(dy);
}

void Island::draw(BITMAP* target) const {
    if (!hidden) draw_with_alpha(target, picture, x, y, alpha);
}
