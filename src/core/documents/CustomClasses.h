#pragma once

#include "core/documents/ClassEntry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

class AppFolder;

/// The game master's own classes for every campaign: "\Documents\AllCustomClasses.dat" in the
/// application folder, merged into the class lists when a campaign is loaded or started.
/// The format is docs/custom-classes.md: Windows-1252 text, one class a line,
/// "standard|prestige,Class name,document path" (the path is the rest of the line).
class CustomClasses
{
public:
    struct Reading
    {
        QList<ClassEntry> classes; ///< in file order
        QStringList problems; ///< one per line passed over: "line 3: ..."
    };

    /// The file's path in `folder`.
    static QString path(const AppFolder &folder);
    /// The classes of `bytes`; blank lines and lines starting with "#" are passed over quietly.
    static Reading parse(const QByteArray &bytes);
    /// The file of `folder`; no file is no classes.
    static Reading read(const AppFolder &folder);
};

} // namespace Velmora
