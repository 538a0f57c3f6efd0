// The engine and shared files of the data tree.
#include "shared/shared.h"

#include "job.h"
#include "writers/writers.h"

namespace datagen {

namespace {

using Draw = Image (*)();

Job png(const char* path, Draw draw) {
    return {path, [draw](const std::filesystem::path& to) { return write_png(to, draw()); }};
}

Job gif(const char* path, Draw draw) {
    return {path, [draw](const std::filesystem::path& to) { return write_gif(to, draw()); }};
}

Job datafile(const char* path, std::vector<std::pair<const char*, Draw>> pictures) {
    return {path, [pictures](const std::filesystem::path& to) {
                Datafile file;
                for (const auto& [name, draw] : pictures) file.add_gif(name, draw());
                return file.write(to);
            }};
}

}  // namespace

JobList shared_jobs() {
    using namespace shared;
    return {
        png("logo.png", logo),
        gif("gfx/loader/back.gif", [] { return space_backdrop(11); }),
        gif("gfx/loader/bar.gif", loader_bar),
        gif("gfx/loader/kv2_options_background.gif", loader_background),
        gif("gfx/gui/left_btn.gif", [] { return button(Symbol::left); }),
        gif("gfx/gui/right_btn.gif", [] { return button(Symbol::right); }),
        gif("gfx/gui/play_btn.gif", [] { return button(Symbol::play); }),
        gif("gfx/gui/stop_btn.gif", [] { return button(Symbol::stop); }),
        gif("gfx/gui/mouse.gif", mouse_pointer),
        gif("kv2_yes.gif", [] { return answer_button("YES"); }),
        gif("kv2_no.gif", [] { return answer_button("NO"); }),
        png("paused_platform.png", pause_panel),
        png("shield_bar.png", shield_pip),
        png("gfx/helpers/one_shot_frame.png", [] { return helper_icon(1); }),
        png("gfx/helpers/three_shot_frame.png", [] { return helper_icon(3); }),
        png("gfx/bombs/bomb1_frame.png", [] { return bomb_icon(1); }),
        png("gfx/bombs/bomb2_frame.png", [] { return bomb_icon(2); }),
        gif("gfx/dialog/dialog_back.gif", dialog_back),
        gif("gfx/dialog/dialog_bars.gif", dialog_bars),
        datafile("explosions.dat", {{"STRIP", explosion_strip}, {"FLASH", explosion_flash}}),
        datafile("gfx/faces/faces.dat", {{"ADAM", [] { return face(Pilot::adam); }},
                                         {"KIM", [] { return face(Pilot::kim); }}}),
    };
}

}  // namespace datagen
