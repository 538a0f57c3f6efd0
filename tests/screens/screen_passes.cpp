#include "screen_passes.h"

#include <allegro/internal/aintern.h>
#include <loadpng.h>

#include "audio/audio_testing.h"
#include "engine/gameengine.h"
#include "engine/slots.h"
#include "engine/text.h"
#include "support/pictures.h"

namespace screen_testing {

const auto* const release_records = ::testing::AddGlobalTestEnvironment(new testing_support::ReleaseLoadedRecords);

// Allegro names keys only with its keyboard driver installed.
const char* space_name(int) { return "space"; }

void release_input() {
    key_name_source = space_name;
    for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
    point(0, 0, false);
}

void ScreenPasses::save(const std::string& name) {
    EXPECT_EQ(save_png(testing_support::picture_path(name).c_str(), page(), nullptr), 0);
}

void point(int x, int y, bool button) {
    mouse_x = x;
    mouse_y = y;
    mouse_b = button ? 1 : 0;
}

bool sounding(FMOD_SOUND* sound, unsigned* position) {
    for (const auto& voice : audio_testing::voices(fmod_system))
        if (voice.sound == sound) {
            if (position) *position = voice.position_ms;
            return true;
        }
    return false;
}

// A font that measures and draws as the one it stands in for, and notes each line it draws.
struct TextLogFont {
    const char* name;
    FONT** slot;
    FONT* original = nullptr;
    FONT stand_in{};
    FONT_VTABLE vtable{};

    static void render(const FONT* f, const char* text, int fg, int bg, BITMAP* bmp, int x, int y);
};

namespace {

TextLog* active_log = nullptr;

TextLogFont logged_fonts[] = {
    {"font0", &font0}, {"font5", &font5}, {"font6", &font6}, {"font8", &font8}, {"font9", &font9}, {"font", &font},
};

}  // namespace

void TextLogFont::render(const FONT* f, const char* text, int fg, int bg, BITMAP* bmp, int x, int y) {
    for (TextLogFont& logged : logged_fonts) {
        if (&logged.stand_in != f) continue;
        const TextLog::Line line{logged.name, x, y, text};
        if (active_log->on_line) active_log->on_line(line);
        active_log->lines_.push_back(line);
        logged.original->vtable->render(logged.original, text, fg, bg, bmp, x, y);
    }
}

TextLog::TextLog() {
    active_log = this;
    for (TextLogFont& logged : logged_fonts) {
        logged.original = *logged.slot;
        logged.stand_in = *logged.original;
        logged.vtable = *logged.original->vtable;
        logged.vtable.render = TextLogFont::render;
        logged.stand_in.vtable = &logged.vtable;
        *logged.slot = &logged.stand_in;
    }
}

TextLog::~TextLog() {
    for (TextLogFont& logged : logged_fonts) *logged.slot = logged.original;
    active_log = nullptr;
}

std::vector<std::string> TextLog::texts(const std::string& font_name) const {
    std::vector<std::string> found;
    for (const Line& line : lines_)
        if (line.font == font_name) found.push_back(line.text);
    return found;
}

bool TextLog::drew(const std::string& font_name, int x, int y, const std::string& text) const {
    for (const Line& line : lines_)
        if (line.font == font_name && line.x == x && line.y == y && line.text == text) return true;
    return false;
}

bool TextLog::drew_centred(const std::string& font_name, int x, int y, const std::string& text) const {
    for (const TextLogFont& logged : logged_fonts)
        if (font_name == logged.name) return drew(font_name, x - text_length(logged.original, text.c_str()) / 2, y, text);
    return false;
}

::testing::AssertionResult wraps_whole(const std::vector<std::string>& lines, const std::string& text) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (text.compare(at, line.size(), line) != 0)
            return ::testing::AssertionFailure()
                   << "line " << i << " reads \"" << line << "\" where the text goes on \"" << text.substr(at) << "\"";
        at += line.size();
        if (at >= text.size() || (text[at] != ' ' && text[at] != '\n'))
            return ::testing::AssertionFailure() << "line " << i << " \"" << line << "\" is not followed by a blank or a break";
        ++at;
    }
    if (at != text.size()) return ::testing::AssertionFailure() << "never drawn: \"" << text.substr(at) << "\"";
    return ::testing::AssertionSuccess();
}

bool whitish(int pixel) { return getr(pixel) > 240 && getg(pixel) > 240 && getb(pixel) > 240; }

int brightness(int pixel) { return getr(pixel) + getg(pixel) + getb(pixel); }

}  // namespace screen_testing
