#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace Velmora {

/// The captions the game master gave the frames of the four renamable reference lists
/// (block LABELS).
struct FrameLabels
{
    QString links;    // "Custom Links" list
    QString articles; // "Articles" list
    QString netBooks; // "Net Books" list
    QString webSites; // "Web Sites" list

    /// "Custom Links", "Articles", "Net Books", "Web Sites".
    static FrameLabels defaults();

    /// Items "key;caption" with the keys "CustomCaptionLinks", "CustomCaptionArticles",
    /// "CustomCaptionNetBooks", "CustomCaptionWebSites", in any order (a caption may hold ";").
    /// false when an item has no ";" or an unknown key (both are passed over).
    bool load(const QStringList &items);
    /// The four items, in the order of the keys above.
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const FrameLabels &) const = default;
};

} // namespace Velmora
