#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// One moon of the campaign's world, as its row in the moon list and its line in the file.
struct MoonRecord
{
    QString name;          ///< the moon's name, unique in the list (it keys the rows)
    int period = 8;        ///< days from one full moon to the next, 1 to 32767
    QString firstFullMoon; ///< date string of the first full moon, kept as it stands

    /// "name;period;date". Refused: other than three fields, an empty name, a period that is not
    /// a whole number from 1 to 32767 (a phase table needs a period), a date that is not a date
    /// string.
    static std::optional<MoonRecord> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const MoonRecord &) const = default;
};

} // namespace Velmora
