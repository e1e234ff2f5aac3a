#pragma once

#include "core/common/AppFolder.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

/// One character class of the Classes tab (block CLASSES): which list it is in, its rules
/// document and its name.
struct ClassEntry
{
    bool prestige = false; // prestige class list ("prestigeFlag") or standard ("standardFlag")
    QString path;          // the class's rules document
    QString name;          // class name as listed

    /// The item's key in its list: the name without spaces ("ArcaneArcher").
    QString key() const;

    /// The shipped classes, standard first, each with its document
    /// application folder + "\Documents\" + name + ".rtf".
    /// The same, in the application folder the program runs with (AppFolder::locate()).
    static QList<ClassEntry> defaultClasses();
    /// Barbarian ... Wizard, in list order.
    static const QStringList &standardClassNames();
    /// Arcane Archer ... Thaumaturgist, in list order.
    static const QStringList &prestigeClassNames();

    /// "flag;path;name". std::nullopt for fewer than 3 fields or a flag other than
    /// "standardFlag" and "prestigeFlag". The name is the last field; any fields between the
    /// flag and the name belong to the path, which may hold ";".
    static std::optional<ClassEntry> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const ClassEntry &) const = default;
};

} // namespace Velmora
