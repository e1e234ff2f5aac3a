#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// One filled day of the agenda or the almanach: its date and its text.
struct DatedLine
{
    QString date; ///< date string of the day, kept as it stands
    QString text; ///< the day's text; may hold line breaks, never ";" (the editor refuses it)

    /// "date;text". The text is everything after the first ";", so a text that does hold one
    /// is kept whole. Refused: no ";", or a first field that is not a date string.
    static std::optional<DatedLine> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const DatedLine &) const = default;
};

} // namespace Velmora
