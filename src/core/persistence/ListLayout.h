#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace Velmora {

/// The lists whose column widths a campaign keeps, in the order their layout items are written.
/// Standard to Library are the nine class and resource lists of the classes and resources tabs.
enum class LayoutList {
    Moons, Xp, Standard, Prestige, Links, Articles, NetBooks, WebSites, BattleBoxLists, Characters,
    Library, BattleBox, Stats, Maps, Objects, Players
};

/// The window layout a campaign keeps: the page chosen on each tab control and the column widths
/// of the main window's lists, in twips (a width of 0 hides its column).
struct ListLayout
{
    static constexpr int ListCount = 16;
    static constexpr double TwipsPerPixel = 15;

    int velmoraTab = 0; ///< page of the main tab control, from 0
    int ssTab1 = 0;     ///< page of SSTab1, from 0
    int sstbUser = 0;   ///< page of the user tab strip (agenda, almanach, statistics), from 0
    int ssTab2 = 0;     ///< page of SSTab2, from 0
    int mapTab = 1;     ///< position of the chosen map tab, from 1
    /// By LayoutList: one width per column; a list always has all its columns.
    std::array<QList<float>, ListCount> widths = initialWidths();

    /// The layout of a new campaign and of the list-layout reset: first pages everywhere and
    /// every list at its initial widths.
    static ListLayout defaults();
    /// The initial widths of every list.
    static std::array<QList<float>, ListCount> initialWidths();

    /// The key of a list's item: "Lmoon", "LXP", "Lstandard", ...
    static QString key(LayoutList list);
    /// How many columns the list has.
    static int columnCount(LayoutList list);

    QList<float> &columns(LayoutList list) { return widths[static_cast<size_t>(list)]; }
    const QList<float> &columns(LayoutList list) const { return widths[static_cast<size_t>(list)]; }

    /// Twips to whole screen pixels and back, for the windows that show the lists. Values beyond
    /// any screen are held to a million pixels either way.
    static int toPixels(double twips);
    static float fromPixels(int pixels);

    /// Applies the "Tabs" item and each list item, column by column: missing trailing values keep
    /// their columns, a value that is not a number (or not a width: negative, beyond ten million
    /// twips) keeps its column and makes the result false, widths beyond the list's columns and
    /// items of unknown keys are ignored.
    bool load(const QStringList &items);
    /// "Tabs;..." then the sixteen list items in LayoutList order.
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const ListLayout &) const = default;

private:
    bool applyTabs(const QStringList &fields);
    bool applyWidths(LayoutList list, const QStringList &fields);
};

} // namespace Velmora
