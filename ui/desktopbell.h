#pragma once

#include <memory>

// The desktop's bell: the sound theme's "bell" event through libcanberra and
// the desktop's sound server (PulseAudio, or PipeWire speaking its protocol),
// otherwise the platform's own beep. Ringing hands the sound to a thread of
// its own and returns at once: the first ring loads the library and connects
// to the server there, off the click that won. Copies share that thread,
// which starts on the first ring.
class DesktopBell
{
public:
    DesktopBell();

    void operator()() const;

private:
    class Player;
    std::shared_ptr<Player> m_player;
};
