#pragma once

#include "gui/ui/ToolHost.h"

#include <QPointer>
#include <QTabWidget>

#include <array>
#include <functional>
#include <vector>

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
    void showPage(StripPage page);
    QTabWidget *strip(TabStrip strip) const;
    StripPage currentPage(TabStrip strip) const;
    /// ToolHost::onFirstShown: `build` once `tab` (or `page`) is first in front.
    void onFirstShown(MainTab tab, QObject *context, std::function<void()> build);
    void onFirstShown(StripPage page, QObject *context, std::function<void()> build);

    /// The chosen tab of every tab control there is; a choice beyond a control's tabs is ignored.
    void applyLayout(const ListLayout &layout);
    void collectLayout(ListLayout &layout) const;

private:
    struct FirstShow
    {
        std::function<bool()> inFront;
        QPointer<QObject> context;
        std::function<void()> build;
    };

    void buildUserStrip();
    bool isInFront(StripPage page) const;
    void addFirstShow(FirstShow show);
    /// Builds, once each, what has come to the front.
    void runFirstShows();

    std::array<QWidget *, Count> m_pages{};
    QTabWidget *m_sstbUser = nullptr;
    std::vector<FirstShow> m_firstShows;
};

} // namespace Velmora
