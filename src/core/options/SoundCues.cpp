#include "core/options/SoundCues.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct Cue
{
    const char16_t *key;
    const char16_t *defaultKey;
    const char16_t *defaultFile;
};

// The shipped names as the start-up list writes them; lookups ignore letter case.
constexpr Cue kCues[SoundCues::Count] = {
    {u"Open", u"open", u"\\Sounds\\Intro.WAV"},
    {u"Click", u"click", u"\\Sounds\\Click.wav"},
    {u"Save", u"save", u"\\Sounds\\Save.WAV"},
    {u"Close", u"close", u"\\Sounds\\End.WAV"},
    {u"Roll", u"roll", u"\\Sounds\\Dice Roll.wav"},
};

const Cue &cue(SoundEvent event)
{
    return kCues[static_cast<int>(event)];
}

} // namespace

SoundCues::SoundCues(AppFolder folder)
    : m_folder(std::move(folder))
{
}

QString SoundCues::key(SoundEvent event)
{
    return QString::fromUtf16(cue(event).key);
}

QString SoundCues::defaultKey(SoundEvent event)
{
    return QString::fromUtf16(cue(event).defaultKey);
}

QString SoundCues::defaultFile(SoundEvent event)
{
    return QString::fromUtf16(cue(event).defaultFile);
}

void SoundCues::setConfiguredPath(SoundEvent event, const QString &path)
{
    m_configured[static_cast<size_t>(event)] = path;
}

QString SoundCues::configuredPath(SoundEvent event) const
{
    return m_configured[static_cast<size_t>(event)];
}

QString SoundCues::fileToPlay(SoundEvent event, bool soundsOn, bool startingUp) const
{
    if (!soundsOn || (event == SoundEvent::Click && startingUp))
        return QString();
    const QString configured = configuredPath(event);
    if (!configured.isEmpty()) {
        // A short path ("\Sounds\Gong.wav") is under the application folder; a full one is found
        // by its name even when the Windows program wrote it with another letter case.
        const QString resolved = m_folder.storedFile(configured);
        if (QFileInfo(resolved).isFile())
            return resolved;
    }
    return m_folder.file(defaultFile(event));
}

} // namespace Velmora
