#pragma once

#include <memory>

// The desktop's bell: the sound theme's "bell" event through libcanberra when
// that library can be loaded and opened, otherwise the platform's own beep.
// Copies share one sound context, created on the first ring. Ringing never
// fails and never waits for the sound to end.
class DesktopBell
{
public:
    DesktopBell();

    void operator()() const;

private:
    class SoundContext;
    std::shared_ptr<SoundContext> m_context;
};
