#pragma once
// What a stage asks of its boss, whichever boss it is: the calls of the fight, whether it is
// beaten (damage above its hit points, its phaser destroyed, its weak spot) and its blaster.
// `BossAdapter` gives these for any boss class; a boss whose test or channel differs adds an
// overload of `dialogue_lines` or `blaster_channel` beside its own.
#include <allegro.h>

#include <type_traits>

#include "audio/audio.h"
#include "bosses/boss1.h"
#include "bosses/boss2.h"
#include "bosses/boss5.h"
#include "bosses/boss7.h"

// Which dialogue the boss's state calls for: before the fight, after it, or (a boss whose damage
// exactly equals its hit points) neither.
enum class DialogueLines { before, after, neither };

template <class Boss>
DialogueLines dialogue_lines(const Boss& boss) {
    if constexpr (std::is_base_of_v<HitPoints, Boss>) {
        if (boss.damage < boss.hit_points) return DialogueLines::before;
        return boss.damage > boss.hit_points ? DialogueLines::after : DialogueLines::neither;
    } else {
        return boss.beaten() ? DialogueLines::after : DialogueLines::before;
    }
}

// Boss5's fight goes by its weak spot.
inline DialogueLines dialogue_lines(const Boss5& boss) { return dialogue_lines(boss.weak_spot); }

// The looping blaster a stage pauses with the game; none for most bosses.
template <class Boss>
FMOD_CHANNEL* blaster_channel(const Boss&) {
    return nullptr;
}
inline FMOD_CHANNEL* blaster_channel(const Boss1& boss) { return boss.channel; }
inline FMOD_CHANNEL* blaster_channel(const Boss2& boss) { return boss.channel; }

// Boss7's rails come down with the scenery ahead of its body.
template <class Boss>
void scroll_of(Boss& boss, int dy) {
    boss.scroll(dy);
}
inline void scroll_of(Boss7& boss, int dy) {
    boss.scroll_rail(dy);
    boss.scroll(dy);
}

// A boss without a state step of its own has nothing to do there.
template <class Boss>
auto update_state_of(Boss& boss, int) -> decltype(boss.update_state()) {
    boss.update_state();
}
template <class Boss>
void update_state_of(Boss&, long) {}

class StageBoss {
public:
    virtual ~StageBoss() = default;

    virtual void load() = 0;
    virtual void add_hit_points(int k) = 0;
    virtual void set_position(float x, float y) = 0;
    virtual void show() = 0;
    virtual void scroll(int dy) = 0;
    virtual void activate() = 0;
    virtual void update_state() = 0;
    virtual void update() = 0;
    virtual void draw(BITMAP* dest) = 0;
    virtual void start_death() = 0;

    virtual bool beaten() const = 0;
    virtual DialogueLines lines() const = 0;
    virtual bool dead() const = 0;
    virtual int alpha() const = 0;
    virtual FMOD_CHANNEL* blaster() const = 0;

    // Results are not checked: a blaster that never played has no channel to pause.
    virtual void pause_blaster(bool pause) {
        if (FMOD_CHANNEL* channel = blaster()) FMOD_Channel_SetPaused(channel, pause);
    }
    virtual void stop_blaster() {
        if (FMOD_CHANNEL* channel = blaster()) FMOD_Channel_Stop(channel);
    }
    // Under "Continue?", for a boss whose sounds hold there too.
    virtual void hold_for_continue() {}
};

template <class Boss>
class BossAdapter final : public StageBoss {
public:
    Boss boss;

    void load() override { boss.load(); }
    void add_hit_points(int k) override { boss.add_hit_points(k); }
    void set_position(float x, float y) override { boss.set_position(x, y); }
    void show() override { boss.show(); }
    void scroll(int dy) override { scroll_of(boss, dy); }
    void activate() override { boss.activate(); }
    void update_state() override { update_state_of(boss, 0); }
    void update() override { boss.update(); }
    void draw(BITMAP* dest) override { boss.draw(dest); }
    void start_death() override { boss.start_death(); }

    bool beaten() const override { return boss.beaten(); }
    DialogueLines lines() const override { return dialogue_lines(boss); }
    bool dead() const override { return boss.dead; }
    int alpha() const override { return boss.alpha; }
    FMOD_CHANNEL* blaster() const override { return blaster_channel(boss); }
};

// The stand-in for a stage that has no boss: never shown, never beaten, never whitening.
class NoBoss final : public StageBoss {
public:
    void load() override {}
    void add_hit_points(int) override {}
    void set_position(float, float) override {}
    void show() override {}
    void scroll(int) override {}
    void activate() override {}
    void update_state() override {}
    void update() override {}
    void draw(BITMAP*) override {}
    void start_death() override {}

    bool beaten() const override { return false; }
    DialogueLines lines() const override { return DialogueLines::before; }
    bool dead() const override { return false; }
    int alpha() const override { return 255; }
    FMOD_CHANNEL* blaster() const override { return nullptr; }
};
