// fonts/fonts.dat: the game's colour fonts, every printable ASCII character, drawn in their own
// colours (the game prints with colour -1). Objects 2, 3 and 4 are never drawn; they repeat the
// small text font so that the later indexes line up.
#include <cstdio>

#include "fonts/styled.h"
#include "job.h"
#include "writers/writers.h"

namespace datagen {

namespace {

constexpr Rgb white{255, 255, 255};

const TextStyle title{Face::sans_bold, 36,
                      {{0.0f, white}, {0.45f, {205, 225, 255}}, {0.55f, {120, 160, 240}}, {1.0f, {170, 205, 255}}},
                      {8, 16, 48}, 2, 2};
const TextStyle countdown{Face::sans_bold, 68,
                          {{0.0f, {255, 252, 190}}, {0.5f, {255, 214, 40}}, {1.0f, {235, 120, 0}}},
                          {50, 18, 0}, 3, 3};
const TextStyle stage_title{Face::sans_condensed_bold, 38,
                            {{0.0f, {250, 252, 255}},
                             {0.48f, {170, 185, 210}},
                             {0.52f, {70, 90, 130}},
                             {0.8f, {150, 175, 215}},
                             {1.0f, {225, 235, 255}}},
                            {6, 10, 28}, 2, 2};
const TextStyle small_text{Face::sans, 11, {{0.0f, white}, {1.0f, {215, 220, 230}}}, {0, 0, 0}, 0, 1};
const TextStyle label{Face::sans_bold, 13, {{0.0f, white}, {1.0f, {190, 200, 220}}}, {0, 0, 0}, 0, 1};
const TextStyle lit_label{Face::sans_bold, 13, {{0.0f, {255, 250, 170}}, {1.0f, {255, 180, 30}}}, {40, 16, 0}, 0, 1};
const TextStyle story{Face::sans, 14, {{0.0f, {232, 232, 236}}, {1.0f, {200, 202, 210}}}, {0, 0, 0}, 0, 1};

Font make_font(const TextStyle& style) {
    Font font;
    font.first = 0x20;
    for (int c = 0x20; c <= 0x7E; ++c) font.glyphs.push_back(styled_text(style, std::string(1, static_cast<char>(c)), true));
    return font;
}

bool write_fonts(const std::filesystem::path& path) {
    Font small = make_font(small_text);
    Datafile file;
    file.add_font("TITLE", make_font(title));
    file.add_font("COUNTDOWN", make_font(countdown));
    file.add_font("SPARE_A", small);
    file.add_font("SPARE_B", small);
    file.add_font("FACES", small);
    file.add_font("SMALL", small);
    file.add_font("LABEL", make_font(label));
    file.add_font("STAGE_TITLE", make_font(stage_title));
    file.add_font("LIT_LABEL", make_font(lit_label));
    file.add_font("STORY", make_font(story));
    return file.write(path);
}

}  // namespace

JobList font_jobs() { return {{"fonts/fonts.dat", write_fonts}}; }

}  // namespace datagen
