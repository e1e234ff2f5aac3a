#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace Velmora {

class RandomSource;

/// The Event Generator's list: the lines of the event file (Windows-1252, one event a line, CR LF
/// between lines, a title on line 0 that is never drawn), and the draw of one event.
class EventGenerator
{
public:
    /// The event file, relative to the application folder (for AppFolder::file).
    static QString FileName() { return QStringLiteral("\\Documents\\EventGenerator.dat"); }

    /// An empty list: nothing to draw.
    EventGenerator() = default;
    /// The lines of a whole file's bytes, split at CR LF.
    static EventGenerator fromBytes(QByteArrayView bytes);
    /// Reads the event file whole; a missing or unreadable file leaves the list empty (false).
    bool load(const QString &path);

    const QStringList &lines() const { return m_lines; }

    /// One event: line k from 1 on, the nearest whole number to (n - 1) * r + 1 for n lines,
    /// drawn again while it is past the last line or empty. The window seeds `random` from the
    /// clock first. std::nullopt, nothing shown, for an empty list or one without a drawable line.
    std::optional<QString> Draw(RandomSource &random) const;

private:
    QStringList m_lines;
};

} // namespace Velmora
