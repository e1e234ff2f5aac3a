#pragma once

#include "gui/ui/ToolHost.h"

#include <QTabWidget>

#include <array>

namespace Velmora {

struct ListLayout;

/// VelmoraTab: the seven tabs "Main", "User", "Classes", "Resources", "Tools", "Maps", "Docs".
/// Tab i holds the page pctTab<i>, on which that tab's tools sit. The "User" tab holds the tab
/// strip sstbUser ("Agenda", "Almanach", "Statistics"), whose pages the tools fill.
///
/// A tab or page whose tools have not arrived says so. The page chosen on every tab control is
/// campaign data: applyLayout and collectLayout hand it to and from the campaign's layout.
class MainTabs : public QTabWidget
{
    Q_OBJECT

public:
    static constexpr int Count = 7;

    explicit MainTabs(QWidget *parent = nullptr);

    QWidget *pctTab(MainTab tab) const;
    /// Puts a tab's tools on its page, in place of the notice that they come later.
    void placeTools(MainTab tab, QWidget *tools);
    void placeOnPage(StripPage page, QWidget *tools);
    QTabWidget *strip(TabStrip strip) const;
    StripPage currentPage(TabStrip strip) const;

    /// The chosen tab of every tab control there is; a choice beyond a control's tabs is ignored.
    void applyLayout(const ListLayout &layout);
    void collectLayout(ListLayout &layout) const;

private:
    void buildUserStrip();

    std::array<QWidget *, Count> m_pages{};
    QTabWidget *m_sstbUser = nullptr;
};

} // namespace Velmora
