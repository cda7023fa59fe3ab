#include "desktopbell.h"

#include <QApplication>
#include <QLibrary>

#include <cstdint>

// libcanberra is loaded at run time, so that the program starts and beeps
// (with the platform's beep) on a system without it.
class DesktopBell::SoundContext
{
public:
    ~SoundContext()
    {
        if (m_context)
            m_destroy(m_context);
    }

    // True when the theme's bell was handed to the sound system. After a
    // failure the platform's beep takes over for the rest of the run: a
    // system with no sound device fails every time, and the sound library
    // reports each failure on the terminal.
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
    using Create = int (*)(void **context);
    using OpenContext = int (*)(void *context);
    using PlaySound = int (*)(void *context, std::uint32_t id, ...);
    using Destroy = int (*)(void *context);

    void Open()
    {
        m_library.setFileNameAndVersion(QStringLiteral("canberra"), 0);
        const auto create = reinterpret_cast<Create>(m_library.resolve("ca_context_create"));
        const auto open = reinterpret_cast<OpenContext>(m_library.resolve("ca_context_open"));
        m_play = reinterpret_cast<PlaySound>(m_library.resolve("ca_context_play"));
        m_destroy = reinterpret_cast<Destroy>(m_library.resolve("ca_context_destroy"));
        if (!create || !open || !m_play || !m_destroy)
            return;
        void *context = nullptr;
        if (create(&context) != 0)
            return;
        if (open(context) != 0) {
            m_destroy(context);
            return;
        }
        m_context = context;
    }

    QLibrary m_library;
    bool m_opened = false;
    void *m_context = nullptr;
    PlaySound m_play = nullptr;
    Destroy m_destroy = nullptr;
};

DesktopBell::DesktopBell()
    : m_context(std::make_shared<SoundContext>())
{}

void DesktopBell::operator()() const
{
    if (!m_context->Play())
        QApplication::beep();
}
