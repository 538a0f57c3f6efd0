#pragma once
// Stage backdrops, stage scenery, boss faces, and the screens' and menus' art: one entry per file.
#include <vector>

#include "art/catalogue.h"
#include "draw/draw.h"

namespace datagen::scenes {

using art::PictureFile;

// How the grounds are held back behind the play, darker and greyer than anything that can hurt
// the ship; the planets they are seen on from space, on the way down, are held back alike.
inline constexpr draw::Tone sea_tone{0.75f, 0, 0.9f};
inline constexpr draw::Tone sand_tone{0.45f, 0, 0.56f};
inline constexpr draw::Tone forest_tone{0.7f, 0.02f, 0.62f};

// The small-star field every star backdrop begins and ends with; it repeats downwards.
Image star_tile();
// Deep space that joins the star tile at both ends: `paint` adds its own content in between.
Image starfield_backdrop(int height, uint32_t seed, const std::function<void(draw::Canvas&)>& paint);
// Faint dust and stars over the whole canvas.
void paint_space(draw::Canvas& c, uint32_t seed, int stars);
// A pilot's ship level and nose up, 64x64 (0 Adam, 1 Kim), as the game's ship datafiles hold it.
Image pilot_ship(int pilot);

std::vector<PictureFile> star_backdrops();      // the star fields and the four stage-1 backdrops
std::vector<PictureFile> stage_scenery();       // stage 1's debris field, stage 9's gates
std::vector<PictureFile> planet_pictures();     // the approach planets and stage 4's
std::vector<PictureFile> ground_pictures();     // sea, desert, forests, fortress, stage 9, KV1
std::vector<PictureFile> boss_face_pictures();
std::vector<PictureFile> title_pictures();      // the title words and the series menu
std::vector<PictureFile> main_menu_pictures();
std::vector<PictureFile> screen_pictures();     // character select, store, options, endings

std::vector<PictureFile> all_pictures();

}  // namespace datagen::scenes
