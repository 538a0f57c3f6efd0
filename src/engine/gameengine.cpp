#include "engine/gameengine.h"

#include <allegro.h>
#include <loadpng.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "engine/blit.h"
#include "engine/gif.h"
#include "engine/settings.h"
#include "engine/timing.h"

GameEngine engine;

FMOD_SYSTEM* fmod_system = nullptr;
FMOD_CHANNELGROUP* master_group = nullptr;
int fmod_result = FMOD_OK;

namespace {

// The audio library's texts for its result codes, indexed by code.
constexpr std::array<const char*, 79> error_texts = {
    "No errors.",
    "Tried to call lock a second time before unlock was called. ",
    "Tried to call a function on a data type that does not allow this type of functionality (ie calling "
    "Sound::lock on a streaming sound). ",
    "Neither NTSCSI nor ASPI could be initialised. ",
    "An error occurred while initialising the CDDA subsystem. ",
    "Couldn't find the specified device. ",
    "No audio tracks on the specified disc. ",
    "No CD/DVD devices were found. ",
    "No disc present in the specified drive. ",
    "A CDDA read error occurred. ",
    "Error trying to allocate a channel. ",
    "The specified channel has been reused to play another sound. ",
    "A Win32 COM related error occured. COM failed to initialize or a QueryInterface failed meaning a Windows "
    "codec or driver was not installed properly. ",
    "DMA Failure.  See debug output for more information. ",
    "DSP connection error.  Connection possibly caused a cyclic dependancy. ",
    "DSP Format error.  A DSP unit may have attempted to connect to this network with the wrong format. ",
    "DSP connection error.  Couldn't find the DSP unit specified. ",
    "DSP error.  Cannot perform this operation while the network is in the middle of running.  This will most "
    "likely happen if a connection or disconnection is attempted in a DSP callback. ",
    "DSP connection error.  The unit being connected to or disconnected should only have 1 input or output. ",
    "Error loading file. ",
    "Couldn't perform seek operation.  This is a limitation of the medium (ie netstreams) or the file format. ",
    "End of file unexpectedly reached while trying to read essential data (truncated data?). ",
    "File not found. ",
    "Unwanted file access occured. ",
    "Media was ejected while reading. ",
    "Unsupported file or audio format. ",
    "A HTTP error occurred. This is a catch-all for HTTP errors not listed elsewhere. ",
    "The specified resource requires authentication or is forbidden. ",
    "Proxy authentication is required to access the specified resource. ",
    "A HTTP server error occurred. ",
    "The HTTP request timed out. ",
    "FMOD was not initialized correctly to support this function. ",
    "Cannot call this command after System::init. ",
    "An error occured that wasn't supposed to.  Contact support. ",
    "Value passed in was a NaN, Inf or denormalized float. ",
    "An invalid object handle was used. ",
    "An invalid parameter was passed to this function. ",
    "An invalid seek position was passed to this function. ",
    "An invalid speaker was passed to this function based on the current speaker mode. ",
    "The vectors passed in are not unit length, or perpendicular. ",
    "Not enough memory or resources. ",
    "Can't use FMOD_OPENMEMORY_POINT on non PCM source data, or non mp3/xma/adpcm data if "
    "FMOD_CREATECOMPRESSEDSAMPLE was used. ",
    "PS2 only.  Not enough memory or resources on PlayStation 2 IOP ram. ",
    "Not enough memory or resources on console sound ram. ",
    "Tried to call a command on a 3d sound when the command was meant for 2d sound. ",
    "Tried to call a command on a 2d sound when the command was meant for 3d sound. ",
    "Tried to use a feature that requires hardware support.  (ie trying to play a VAG compressed sound in "
    "software on PS2). ",
    "Tried to use a feature that requires the software engine.  Software engine has either been turned off, or "
    "command was executed on a hardware channel which does not support this feature. ",
    "Couldn't connect to the specified host. ",
    "A socket error occurred.  This is a catch-all for socket-related errors not listed elsewhere. ",
    "The specified URL couldn't be resolved. ",
    "Operation on a non-blocking socket could not complete immediately. ",
    "Operation could not be performed because specified sound is not ready. ",
    "Error initializing output device, but more specifically, the output device is already in use and cannot "
    "be reused. ",
    "Error creating hardware sound buffer. ",
    "A call to a standard soundcard driver failed, which could possibly mean a bug in the driver or resources "
    "were missing or exhausted. ",
    "Error enumerating the available driver list. List may be inconsistent due to a recent device addition or "
    "removal. ",
    "Soundcard does not support the minimum features needed for this soundsystem (16bit stereo output). ",
    "Error initializing output device. ",
    "FMOD_HARDWARE was specified but the sound card does not have the resources nescessary to play it. ",
    "Attempted to create a software sound but no software channels were specified in System::init. ",
    "Panning only works with mono or stereo sound sources. ",
    "An unspecified error has been returned from a 3rd party plugin. ",
    "The number of allowed instances of a plugin has been exceeded ",
    "A requested output, dsp unit type or codec was not available. ",
    "A resource that the plugin requires cannot be found. (ie the DLS file for MIDI playback) ",
    "An error occured trying to initialize the recording device. ",
    "Specified Instance in FMOD_REVERB_PROPERTIES couldn't be set. Most likely because another application has "
    "locked the EAX4 FX slot. ",
    "This subsound is already being used by another sound, you cannot have more than one parent to a sound.  "
    "Null out the other parent's entry first. ",
    "Shared subsounds cannot be replaced or moved from their parent stream, such as when the parent stream is an "
    "FSB file. ",
    "The subsound's mode bits do not match with the parent sound's mode bits.  See documentation for function "
    "that it was called with. ",
    "The error occured because the sound referenced contains subsounds.  (ie you cannot play the parent sound as "
    "a static sample, only its subsounds.) ",
    "The specified tag could not be found or there are no tags. ",
    "The sound created exceeds the allowable input channel count.  This can be increased using the "
    "maxinputchannels parameter in System::setSoftwareFormat. ",
    "Something in FMOD hasn't been implemented when it should be! contact support! ",
    "This command failed because System::init or System::setDriver was not called. ",
    "A command issued was not supported by this object.  Possibly a plugin without certain callbacks specified. ",
    "An error caused by System::update occured. ",
    "The version number of this file format is not supported. ",
};

constexpr long speed_timer_ticks = 19886;   // 60 logic ticks a second
constexpr long fps_timer_ticks = 1193000;   // about once a second
constexpr int audio_channels = 20;

void show_message(const char* text) { allegro_message("%s", text); }

// A failed Allegro step: its message, then false for the caller.
bool fail(const char* message) {
    startup_calls.message(message);
    return false;
}

}  // namespace

const StartupCalls real_startup_calls = {
    FMOD_System_Create,
    FMOD_System_Init,
    FMOD_System_CreateChannelGroup,
    FMOD_ChannelGroup_SetVolume,
    [] { return allegro_init(); },
    set_window_title,
    set_color_depth,
    set_gfx_mode,
    init_update_method,
    install_timer,
    install_keyboard,
    install_mouse,
    install_int_ex,
    register_bitmap_file_type,
    register_datafile_object,
    register_png_file_type,
    show_message,
    allegro_exit,
};

StartupCalls startup_calls = real_startup_calls;

const char* FMOD_ErrorString(int code) {
    const unsigned index = static_cast<unsigned>(code);
    return index < error_texts.size() ? error_texts[index] : "Unknown error.";
}

void fmod_check(int result) {
    if (result == FMOD_OK) return;
    std::printf("FMOD error! (%d) %s\n", result, FMOD_ErrorString(result));
    std::exit(-1);
}

void GameEngine::setup(const char* title_, int depth_, int width_, int height_) {
    title = title_;
    depth = depth_;
    width = width_;
    height = height_;
}

bool GameEngine::init() {
    const StartupCalls& call = startup_calls;

    fmod_result = call.system_create(&fmod_system);
    fmod_check(fmod_result);
    fmod_result = call.system_init(fmod_system, audio_channels, FMOD_INIT_NORMAL, nullptr);
    fmod_check(fmod_result);
    fmod_result = call.create_channel_group(fmod_system, "master", &master_group);
    fmod_check(fmod_result);
    fmod_result = call.set_group_volume(master_group, master_volume);
    fmod_check(fmod_result);

    if (call.start_allegro() != 0) return fail("Couldn't initialize game!");
    call.set_window_title(title);
    call.set_color_depth(depth);
    use_vector_masked_draws();
    // The window keeps the full depth: the fades draw only at 15, 16 and 32 bits.
    if (call.set_gfx_mode(GFX_AUTODETECT_FULLSCREEN, width, height, 0, 0) != 0 &&
        call.set_gfx_mode(GFX_AUTODETECT_WINDOWED, width, height, 0, 0) != 0)
        return fail("Couldn't set color resolution");
    if (call.init_update_method(3) == 0) return fail("Couldn't enable buffering");  // triple, else fewer pages
    if (call.install_timer() != 0) return fail("Couldn't start timer!");
    if (call.install_keyboard() != 0) return fail("Couldn't find Keyboard!");
    call.install_mouse();  // the game runs without a mouse
    call.install_int_ex(speed_timer, speed_timer_ticks);
    call.install_int_ex(fps_timer, fps_timer_ticks);
    call.register_bitmap_file_type("gif", load_gif, save_gif);
    call.register_datafile_object(DAT_GIF, load_gif_object, destroy_gif_object);
    call.register_png_file_type();
    return true;
}

bool start_engine() {
    engine.setup("Voidmarch: The Series(Full Version)", 16, 640, 480);
    if (engine.init()) return true;
    startup_calls.message("Couldn't initialize properly!");
    startup_calls.allegro_exit();
    return false;
}
