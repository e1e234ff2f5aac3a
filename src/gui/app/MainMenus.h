#pragma once

#include "gui/ui/ToolHost.h"

#include <QCoreApplication>

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace Velmora {

/// The main window's menu bar: the File menu with its four recent-file items, and the Maps,
/// Tools and Help menus, which the tools of those menus fill.
struct MainMenus
{
    Q_DECLARE_TR_FUNCTIONS(MainMenus)

public:
    static constexpr int RecentItems = 4;

    QMenu *mnuFile = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    std::array<QAction *, RecentItems> mnuFileMRU{};
    QAction *mnuFileSep3 = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuMapS = nullptr;
    QMenu *mnuDices = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpContents = nullptr; ///< F1

    /// Builds the menus into `window`'s menu bar; the recent-file items start hidden.
    static MainMenus build(QMainWindow *window);
    QMenu *menu(MainMenu which) const;
    /// Shows the recent-file captions (paths; "" hides an item) and the separator.
    void showRecentFiles(const QStringList &captions, bool separatorVisible) const;
};

} // namespace Velmora
