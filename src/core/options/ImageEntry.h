#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

/// One entry of the picture table: which picture a replaceable picture shows.
struct ImageEntry
{
    QString key;  ///< "main", "class", "calendar", "about" or "tip"
    QString path; ///< the picture file: a shipped one relative to the application folder
                  ///< ("\Pictures\Main.bmp") or the user's own; empty keeps the built-in picture

    /// The five pictures with the shipped files, as a new campaign has them.
    static QList<ImageEntry> defaultList();
    /// The shipped picture of `key` (letter case ignored) in its stored form, or "".
    static QString defaultPath(const QString &key);

    /// "key;path". The path is everything after the first ";" (a file name may hold one).
    /// Refused: no ";" or an empty key. Keys other than the five are kept: the table decides.
    static std::optional<ImageEntry> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const ImageEntry &) const = default;
};

} // namespace Velmora
