// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "desktopbell.h"

#include <QApplication>
#include <QLibrary>

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

// libcanberra is loaded at run time, so that the program starts and beeps
// (with the platform's beep) on a system without it; its header gives the
// functions' types.
class SoundContext
{
public:
    ~SoundContext()
    {
        if (m_context)
            m_destroy(m_context);
    }

    // True when the theme's bell was handed to the sound server. After a
    // failure the platform's beep takes over for the rest of the run: a
    // system with no sound server fails every time.
    bool Play()
    {
        if (!m_opened) {
            m_opened = true;
            Open();
        }
        if (!m_context)
            return false;
        if (m_play(m_context, 0, "event.id", "bell", "event.description", "Partie gagnante",
                   nullptr)
            == 0)
            return true;
        m_destroy(m_context);
        m_context = nullptr;
        return false;
    }

private:
    using Create = decltype(&ca_context_create);
    using SetDriver = decltype(&ca_context_set_driver);
    using OpenContext = decltype(&ca_context_open);
    using PlaySound = decltype(&ca_context_play);
    using Destroy = decltype(&ca_context_destroy);

    void Open()
    {
        m_library.setFileNameAndVersion(QStringLiteral("canberra"), 0);
        const auto create = reinterpret_cast<Create>(m_library.resolve("ca_context_create"));
        const auto setDriver
            = reinterpret_cast<SetDriver>(m_library.resolve("ca_context_set_driver"));
        const auto open = reinterpret_cast<OpenContext>(m_library.resolve("ca_context_open"));
        m_play = reinterpret_cast<PlaySound>(m_library.resolve("ca_context_play"));
        m_destroy = reinterpret_cast<Destroy>(m_library.resolve("ca_context_destroy"));
        if (!create || !setDriver || !open || !m_play || !m_destroy)
            return;
        ca_context *context = nullptr;
        if (create(&context) != 0)
            return;
        // The sound server only: straight to the sound card, ALSA would
        // print its complaints on the terminal where there is no card.
        if (setDriver(context, "pulse") != 0 || open(context) != 0) {
            m_destroy(context);
            return;
        }
        m_context = context;
    }

    QLibrary m_library;
    bool m_opened = false;
    ca_context *m_context = nullptr;
    PlaySound m_play = nullptr;
    Destroy m_destroy = nullptr;
};

} // namespace

// One thread plays every ring in turn; it ends with the last copy of the bell.
class DesktopBell::Player
{
public:
    ~Player()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_one();
        if (m_thread.joinable())
            m_thread.join();
    }

    void Ring()
    {
        {
            const std::lock_guard lock(m_mutex);
            ++m_pending;
            if (!m_thread.joinable())
                m_thread = std::thread([this] { Run(); });
        }
        m_wake.notify_one();
    }

private:
    void Run()
    {
        SoundContext sound;
        std::unique_lock lock(m_mutex);
        while (true) {
            m_wake.wait(lock, [this] { return m_stopping || m_pending > 0; });
            if (m_stopping)
                return;
            --m_pending;
            lock.unlock();
            if (!sound.Play())
                QMetaObject::invokeMethod(qApp, [] { QApplication::beep(); });
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    int m_pending = 0;
    bool m_stopping = false;
    std::thread m_thread;
};

DesktopBell::DesktopBell()
    : m_player(std::make_shared<Player>())
{}

void DesktopBell::operator()() const
{
    m_player->Ring();
}
