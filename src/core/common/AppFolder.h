#pragma once

#include <QString>
#include <QStringList>

namespace Velmora {

/// The application folder: where the session settings file, the default campaign data and the
/// shipped documents, pictures, sounds and icons live.
///
/// It is a user-writable folder: $VELMORA_HOME when set, else the per-user data folder. Paths
/// inside it are given the way campaign files and settings name them ("\Sounds\Intro.WAV"):
/// either separator is accepted, and a name is found even when its letter case differs from
/// the file on disk.
class AppFolder
{
public:
    explicit AppFolder(QString root);

    /// $VELMORA_HOME, else the per-user data folder ("<generic data>/Velmora").
    static AppFolder locate();
    /// Where the data shipped with the program is: the installed share folder beside the
    /// executable, else the source tree's data folder (running from a build tree).
    static QString shippedDataDir();

    const QString &root() const { return m_root; }

    /// The full path of `relative` ("\Sounds\Intro.WAV" or "Sounds/Intro.wav"). Each part of the
    /// path that does not exist as written is matched without regard to case; parts that match
    /// nothing are kept as written, so the result names where the file would be.
    QString file(const QString &relative) const;
    /// A path as a campaign stores it: one that starts with "\" names a shipped file relative to
    /// the application folder ("\Pictures\Calendar.bmp"), any other is the user's own file,
    /// found by its full path (letter case of missing parts ignored).
    QString storedFile(const QString &stored) const;

    /// Copies every shipped file that the folder lacks (names compared without regard to case).
    /// Nothing the user has is overwritten. Returns the relative paths that were copied.
    QStringList seedFrom(const QString &shippedDir) const;

private:
    QString m_root;
};

/// Resolves `path` part by part, matching parts that do not exist without regard to case.
QString resolvePathIgnoringCase(const QString &path);

} // namespace Velmora
