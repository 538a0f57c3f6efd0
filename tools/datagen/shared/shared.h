#pragma once
// The engine's and screens' shared pictures, each drawn on demand.
#include "image.h"

namespace datagen::shared {

Image logo();                        // logo.png, 640x480, opaque
Image space_backdrop(unsigned seed); // deep space with nebula and stars, 640x480, opaque
Image loader_bar();                  // gfx/loader/bar.gif, 2x30, opaque
Image loader_background();           // gfx/loader/kv2_options_background.gif, 640x480, opaque

enum class Symbol { left, right, play, stop };
Image button(Symbol symbol);         // gfx/gui/*_btn.gif, 20x20
Image mouse_pointer();               // gfx/gui/mouse.gif, 16x16, tip at (0, 0)
Image answer_button(const char* word);  // kv2_yes.gif / kv2_no.gif, 120x60
Image shield_pip();                  // shield_bar.png, 9x12
Image helper_icon(int guns);         // gfx/helpers/{one,three}_shot_frame.png, 20x20
Image bomb_icon(int kind);           // gfx/bombs/bomb{1,2}_frame.png, 20x20
Image shield_icon();                 // gfx/helpers/shield_frame.png, 20x20

Image pause_panel();                 // paused_platform.png, 340x440
Image dialog_back();                 // gfx/dialog/dialog_back.gif, 402x238, opaque
Image dialog_bars();                 // gfx/dialog/dialog_bars.gif, 402x238

Image explosion_strip();             // explosions.dat 0: 13 frames of 68x64
Image explosion_flash();             // explosions.dat 1: 128x128

enum class Pilot { adam, kim };
Image face(Pilot pilot);             // gfx/faces/faces.dat 0 and 1: 238x238, opaque

}  // namespace datagen::shared
