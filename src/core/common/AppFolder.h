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
    /// A path as a campaign stores it: one that starts with "\" names a file relative to the
    /// application folder ("\Pictures\Calendar.bmp"), any other is a file elsewhere, found by
    /// its full path (letter case of missing parts ignored). The inverse of storedPath().
    QString storedFile(const QString &stored) const;

    /// The one rule for every path a campaign stores (lists, copies, relocations, upgrades): a
    /// path under the application folder (letter case ignored) in the relative form
    /// "\Documents\DM Notes.rtf", any other path as it is. A path already in the relative form
    /// stays as it is. So a campaign moves between machines and users with its folder.
    QString storedPath(const QString &path) const;
    /// The relative form of a path given relative to the application folder: backslashes and
    /// one leading backslash ("Documents/DM Notes.rtf" is "\Documents\DM Notes.rtf").
    static QString relativeForm(const QString &relative);

    /// Copies every shipped file that the folder lacks (names compared without regard to case).
    /// Nothing the user has is overwritten. Returns the relative paths that were copied.
    QStringList seedFrom(const QString &shippedDir) const;

private:
    QString m_root;
};

/// Resolves `path` part by part, matching parts that do not exist without regard to case.
QString resolvePathIgnoringCase(const QString &path);

} // namespace Velmora
