#pragma once
// The engine object and its start-up: audio system, Allegro, display, page buffering, timers,
// input and picture types. Also the check that ends the process on any failing audio call.
#include <allegro.h>

#include "audio/audio.h"

class GameEngine {
public:
    virtual ~GameEngine() = default;

    void setup(const char* title, int depth, int width, int height);
    // Brings everything up in order; false after showing the message of the step that failed.
    // A failing audio step ends the process through fmod_check instead.
    bool init();

    const char* title = nullptr;
    int depth = 0;
    int width = 0;
    int height = 0;
};

extern GameEngine engine;

extern FMOD_SYSTEM* fmod_system;
extern FMOD_CHANNELGROUP* master_group;
extern int fmod_result;  // result of the last checked audio call

// Prints "FMOD error! (%d) %s" and exits with status -1 on any result but FMOD_OK.
void fmod_check(int result);
const char* FMOD_ErrorString(int code);

// Sets the engine up as the game runs it and starts it; on failure shows "Couldn't initialize
// properly!" and shuts Allegro down. The caller then exits with status 1.
bool start_engine();

// Every outside call that start-up makes, so tests can fail any step. The real calls by default.
struct StartupCalls {
    FMOD_RESULT (*system_create)(FMOD_SYSTEM** system);
    FMOD_RESULT (*system_init)(FMOD_SYSTEM* system, int channels, FMOD_INITFLAGS flags, void* driver_data);
    FMOD_RESULT (*create_channel_group)(FMOD_SYSTEM* system, const char* name, FMOD_CHANNELGROUP** group);
    FMOD_RESULT (*set_group_volume)(FMOD_CHANNELGROUP* group, float volume);
    int (*start_allegro)();
    void (*set_window_title)(const char* title);
    void (*set_color_depth)(int depth);
    int (*set_gfx_mode)(int card, int w, int h, int v_w, int v_h);
    int (*init_update_method)(int method);
    int (*install_timer)();
    int (*install_keyboard)();
    int (*install_mouse)();
    int (*install_int_ex)(void (*callback)(), long ticks);
    void (*register_bitmap_file_type)(const char* extension, BITMAP* (*load)(const char*, RGB*),
                                      int (*save)(const char*, BITMAP*, const RGB*));
    void (*register_datafile_object)(int type, void* (*load)(PACKFILE*, long), void (*destroy)(void*));
    void (*register_png_file_type)();
    void (*message)(const char* text);
    void (*allegro_exit)();
};

extern StartupCalls startup_calls;
extern const StartupCalls real_startup_calls;
