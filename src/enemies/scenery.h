#pragma once
// Large pieces of scenery that scroll under the play, statues and islands, kept apart: every
// placed piece registers the area it covers in a global marker, and a piece looking for a place
// tests its picture against the registered ones pixel by pixel.
#include <allegro.h>

#include <array>

#include "engine/sprite.h"

// One registered area.
class SceneryMarker {
public:
    BITMAP* picture = nullptr;  // the registered piece's picture, kept when cleared
    float x = 0.0f, y = 0.0f;
    int w = 0, h = 0;
    bool used = false;

    void clear();
    void occupy(float new_x, float new_y, int new_w, int new_h, BITMAP* new_picture);
    bool is_used() const { return used; }
    void set_position(float new_x, float new_y);
    // Whether `other` at (ox, oy) touches the registered picture; the sizes play no part.
    bool overlaps(float ox, float oy, int ow, int oh, BITMAP* other) const;
};

constexpr int scenery_marker_count = 4096;
// Cleared once at start-up; each piece takes the first free marker and gives it back when it is
// destroyed with its stage.
extern SceneryMarker scenery_markers[scenery_marker_count];

// A statue or an island: drawn at a free spot, ridden down with the scroll, and once below the
// screen, after a wait of 50 to 200 steps, placed again above it.
class SceneryPiece : public SpriteHead {
public:
    BITMAP* picture = nullptr;
    int kind = 0;  // picture 0 to 2
    bool hidden = false;
    int wait_count = 0;   // steps spent below the screen
    int wait_length = 0;  // steps to wait there: 50, 100, 150 or 200
    int marker = 0;       // index of the piece's marker
    bool placed = false;  // holds its marker
    float alpha = 0.0f;   // islands: translucency 0 to 255, given by the stage each step
    bool spot_found = false;

    // Gives back its marker.
    ~SceneryPiece();

    // Somewhere on or just off the screen, in the first free marker. With none free the piece is
    // left out: hidden, unplaced, and still on later steps.
    void init();
    // Called every step while below the screen; after the wait, a free spot above it.
    void respawn();

    // The pictures of kinds 0 to 2, as slots the loader fills.
    using PictureSlots = std::array<BITMAP**, 3>;

protected:
    explicit SceneryPiece(const PictureSlots& slots) : slots_(slots) {}

    // One step down with the scroll, the marker along.
    void ride(int dy);

private:
    void choose_kind();
    // A spot drawn from these rows and the field's columns, drawn again while it overlaps a
    // registered piece, at most 64 draws in all; then the last one stands.
    void find_spot(int top, int bottom);
    bool overlaps_a_piece() const;

    const PictureSlots& slots_;
};

// Stage ten's statues.
class Statue : public SceneryPiece {
public:
    Statue();
    void update(int dy) { ride(dy); }
    void draw(BITMAP* target) const;
};

// The islands under the clouds, fading in and out with the ground.
class Island : public SceneryPiece {
public:
    Island();
    void update(int dy, float new_alpha);
    void draw(BITMAP* target) const;
};
