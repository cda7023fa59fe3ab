// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "desktopbell.h"

#include <emscripten/val.h>

using emscripten::val;

// In a page, the bell is a short tone through the browser's Web Audio. A
// browser lets a page sound only once the player has clicked or pressed a key
// in it, which every game takes before its first win; the audio context is
// made at the first ring, after that, so that it starts running, and shared
// by every ring after it.
class DesktopBell::Player
{
public:
    val context = val::undefined();
};

DesktopBell::DesktopBell()
    : m_player(std::make_shared<Player>())
{}

void DesktopBell::operator()() const
{
    val &context = m_player->context;
    if (context.isUndefined()) {
        const val audioContext = val::global("AudioContext");
        // A browser without Web Audio keeps quiet, as a desktop without sound does.
        if (audioContext.isUndefined())
            return;
        context = audioContext.new_();
    }
    const double now = context["currentTime"].as<double>();
    constexpr double length = 0.15;
    val tone = context.call<val>("createOscillator");
    tone["frequency"].set("value", 880);
    // Faded out rather than cut, which would click.
    val volume = context.call<val>("createGain");
    volume["gain"].call<void>("setValueAtTime", 0.25, now);
    volume["gain"].call<void>("exponentialRampToValueAtTime", 0.001, now + length);
    tone.call<val>("connect", volume).call<void>("connect", context["destination"]);
    tone.call<void>("start", now);
    tone.call<void>("stop", now + length);
}
