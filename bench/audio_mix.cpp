// The mixer's cost against SDL's own way of mixing, and the cost of opening streams.
//
// One iteration of the mixing benchmarks produces one second of 44.1 kHz stereo from 20 voices,
// so the reported CPU time is the CPU spent per second of audio.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "audio.h"
#include "audio_testing.h"
#include "encoders.h"
#include "mixkernel.h"

namespace {

constexpr int rate = 44100;
constexpr size_t voices = 20;
constexpr size_t block = 1024;
constexpr float volume = 0.8f;
constexpr double pi = 3.14159265358979323846;

// Twenty different tones, each two seconds long.
std::vector<std::vector<int16_t>> tones() {
    std::vector<std::vector<int16_t>> all;
    for (size_t v = 0; v < voices; ++v) {
        std::vector<int16_t> stereo(2 * 2 * rate);
        for (size_t i = 0; i < stereo.size() / 2; ++i) {
            double phase = 2 * pi * (220.0 + 37.0 * static_cast<double>(v)) * static_cast<double>(i) / rate;
            stereo[2 * i] = static_cast<int16_t>(12000 * std::sin(phase));
            stereo[2 * i + 1] = static_cast<int16_t>(12000 * std::cos(phase));
        }
        all.push_back(std::move(stereo));
    }
    return all;
}

const std::vector<std::vector<int16_t>>& decoded() {
    static const auto pcm = tones();
    return pcm;
}

// Encoded copies of the tones in a folder that is removed at exit.
const std::vector<std::string>& files(bool mp3) {
    static std::string dir = [] {
        char pattern[] = "/tmp/voidmarch-bench-XXXXXX";
        std::string made = mkdtemp(pattern);
        std::atexit([] { std::filesystem::remove_all(dir); });
        return made;
    }();
    static std::vector<std::string> paths[2];
    std::vector<std::string>& kind = paths[mp3];
    if (kind.empty()) {
        for (size_t v = 0; v < voices; ++v) {
            std::string path = dir + "/tone" + std::to_string(v) + (mp3 ? ".mp3" : ".ogg");
            if (mp3) encoders::write_mp3(path, decoded()[v]);
            else encoders::write_ogg(path, decoded()[v]);
            kind.push_back(path);
        }
    }
    return kind;
}

// Walks the 20 voices through their tones block by block, wrapping like a loop.
template <class MixBlock>
void one_second(MixBlock mix_block) {
    static size_t offset = 0;
    for (size_t done = 0; done < rate; done += block) {
        size_t frames = std::min(block, rate - done);
        if (offset + frames > decoded()[0].size() / 2) offset = 0;
        mix_block(offset, frames);
        offset += frames;
    }
}

void BM_MixerKernel(benchmark::State& state) {
    audio::mix::Sum sum(block);
    std::vector<int16_t> out(2 * block);
    int32_t gain = audio::mix::gain_of(volume);
    for (auto _ : state) {
        one_second([&](size_t offset, size_t frames) {
            sum.start(frames);
            for (const auto& tone : decoded()) sum.add(tone.data() + 2 * offset, frames, gain);
            sum.finish(out.data());
            benchmark::DoNotOptimize(out.data());
        });
    }
}
BENCHMARK(BM_MixerKernel)->Unit(benchmark::kMicrosecond);

// The usual SDL way: each voice mixed into the output with SDL_MixAudioFormat, clamping every time.
void BM_SdlMixChain(benchmark::State& state) {
    std::vector<int16_t> out(2 * block);
    int sdl_volume = static_cast<int>(volume * SDL_MIX_MAXVOLUME);
    for (auto _ : state) {
        one_second([&](size_t offset, size_t frames) {
            std::fill(out.begin(), out.end(), 0);
            for (const auto& tone : decoded()) {
                SDL_MixAudioFormat(reinterpret_cast<Uint8*>(out.data()),
                                   reinterpret_cast<const Uint8*>(tone.data() + 2 * offset), AUDIO_S16SYS,
                                   static_cast<Uint32>(4 * frames), sdl_volume);
            }
            benchmark::DoNotOptimize(out.data());
        });
    }
}
BENCHMARK(BM_SdlMixChain)->Unit(benchmark::kMicrosecond);

// The whole library on the manual clock: 20 looping streams decoded and mixed.
void BM_MixerWithDecoding(benchmark::State& state) {
    bool mp3 = state.range(0) != 0;
    FMOD_SYSTEM* system = nullptr;
    FMOD_System_Create(&system);
    audio_testing::init_manual(system, static_cast<int>(voices));
    for (const std::string& path : files(mp3)) {
        FMOD_SOUND* sound = nullptr;
        FMOD_CHANNEL* channel = nullptr;
        FMOD_System_CreateStream(system, path.c_str(), FMOD_LOOP_NORMAL, nullptr, &sound);
        FMOD_System_PlaySound(system, FMOD_CHANNEL_FREE, sound, 0, &channel);
        FMOD_Channel_SetVolume(channel, volume);
    }
    for (auto _ : state) benchmark::DoNotOptimize(audio_testing::advance(system, 1000));
    state.SetLabel(mp3 ? "mp3" : "ogg");
    FMOD_System_Release(system);
}
BENCHMARK(BM_MixerWithDecoding)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Opening 500 streams, as the game does while it loads.
void BM_Create500Streams(benchmark::State& state) {
    bool mp3 = state.range(0) != 0;
    FMOD_SYSTEM* system = nullptr;
    FMOD_System_Create(&system);
    audio_testing::init_manual(system, 20);
    const std::vector<std::string>& paths = files(mp3);
    std::vector<FMOD_SOUND*> sounds(500);
    for (auto _ : state) {
        for (size_t i = 0; i < sounds.size(); ++i) {
            FMOD_System_CreateStream(system, paths[i % paths.size()].c_str(), FMOD_LOOP_OFF, nullptr, &sounds[i]);
        }
        state.PauseTiming();
        for (FMOD_SOUND* sound : sounds) FMOD_Sound_Release(sound);
        state.ResumeTiming();
    }
    state.SetLabel(mp3 ? "mp3" : "ogg");
    FMOD_System_Release(system);
}
BENCHMARK(BM_Create500Streams)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
