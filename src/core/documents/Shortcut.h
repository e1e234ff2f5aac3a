#pragma once

#include "core/common/AppFolder.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

/// A shortcut of the reference lists: a display name and where it leads, a file path or a web
/// address. Used by the custom links, articles, net books, web sites (blocks LINKS, ARTICLES,
/// NETBOOKS, WEBSITES) and the saved Battle Box lists (LINKBB, whose rows without a path are
/// neither written nor read).
struct Shortcut
{
    QString name;     // display name ("Doc. Name")
    QString location; // file path or URL

    /// A new campaign has no custom links.
    static QList<Shortcut> defaultLinks() { return {}; }
    /// The six text articles shipped in the application folder's Documents folder.
    /// The nine rich-text net books shipped in the application folder's Documents folder.
    /// The two above, in the application folder the program runs with (AppFolder::locate()).
    static QList<Shortcut> defaultArticles();
    static QList<Shortcut> defaultNetBooks();
    /// Five web sites for the game master, the rules reference first.
    static QList<Shortcut> defaultWebSites();

    /// "name;location". std::nullopt for an item without ";". The location is the last field and
    /// may hold ";" (as web addresses may).
    static std::optional<Shortcut> fromItem(const QString &item);
    QString toItem() const;
    QJsonObject toJson() const;

    bool operator==(const Shortcut &) const = default;
};

} // namespace Velmora
