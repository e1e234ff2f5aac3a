#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace Velmora {

/// An external program that the Tools menu starts.
struct CustomTool
{
    QString name;        ///< the menu caption; the command finds its tool by it
    QString path;        ///< the program (or document) the system opens
    QString commandLine; ///< parameters passed on; empty for none

    /// "name;path;commandLine". The command line is everything after the second ";", so one that
    /// holds a ";" is kept whole. Refused: fewer than three fields.
    static std::optional<CustomTool> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const CustomTool &) const = default;
};

} // namespace Velmora
