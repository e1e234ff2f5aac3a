#pragma once

#include "core/common/AppFolder.h"

#include <QString>

#include <array>

namespace Velmora {

enum class SoundEvent { Intro, Click, Save, Close, Roll };

/// The five sound cues: which file each event plays, with its fallback to the shipped default.
/// Playing itself is the platform's (started without waiting, silent where there is no audio device).
class SoundCues
{
public:
    static constexpr int Count = 5;

    explicit SoundCues(AppFolder folder);

    /// The key stored among the campaign options: "Open", "Click", "Save", "Close", "Roll".
    static QString key(SoundEvent event);
    /// The default sound list's key: "open", "click", "save", "close", "roll".
    static QString defaultKey(SoundEvent event);
    /// The shipped default, relative to the application folder ("\Sounds\Intro.WAV", ...).
    static QString defaultFile(SoundEvent event);

    void setConfiguredPath(SoundEvent event, const QString &path);
    QString configuredPath(SoundEvent event) const;

    /// The file the event plays now, or "" when nothing plays: sounds off, or a click while the
    /// program is starting. An empty or missing configured file falls back to the default.
    QString fileToPlay(SoundEvent event, bool soundsOn, bool startingUp) const;

private:
    AppFolder m_folder;
    std::array<QString, Count> m_configured;
};

} // namespace Velmora
