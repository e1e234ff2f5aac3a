#include "gui/app/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QAction *addAction(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu *addMenu(QMenuBar *bar, const QString &name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + u"Action"_s);
    return menu;
}

} // namespace

MainMenus MainMenus::build(QMainWindow *window)
{
    MainMenus menus;
    QMenuBar *bar = window->menuBar();
    menus.mnuFile = addMenu(bar, u"mnuFile"_s, tr("&File"));
    menus.mnuFileNew = addAction(menus.mnuFile, u"mnuFileNew"_s, tr("&New..."));
    menus.mnuFileOpen = addAction(menus.mnuFile, u"mnuFileOpen"_s, tr("&Open"));
    menus.mnuFileSave = addAction(menus.mnuFile, u"mnuFileSave"_s, tr("&Save"));
    menus.mnuFileSaveAs = addAction(menus.mnuFile, u"mnuFileSaveAs"_s, tr("Save &as..."));
    // The recent files have one separator, after them, shown only while there is one.
    for (int i = 0; i < RecentItems; ++i) {
        menus.mnuFileMRU[i] = addAction(menus.mnuFile, u"mnuFileMRU"_s + QString::number(i + 1), QString());
        menus.mnuFileMRU[i]->setVisible(false);
    }
    menus.mnuFileSep3 = menus.mnuFile->addSeparator();
    menus.mnuFileSep3->setObjectName(u"mnuFileSep3"_s);
    menus.mnuFileSep3->setVisible(false);
    menus.mnuFileExit = addAction(menus.mnuFile, u"mnuFileExit"_s, tr("E&xit"));

    menus.mnuMapS = addMenu(bar, u"mnuMapS"_s, tr("&Maps"));
    menus.mnuDices = addMenu(bar, u"mnuDices"_s, tr("D&ices and Turns"));
    menus.mnuTools = addMenu(bar, u"mnuTools"_s, tr("&Tools"));
    menus.mnuHelp = addMenu(bar, u"mnuHelp"_s, tr("&Help"));
    menus.mnuHelpContents = addAction(menus.mnuHelp, u"mnuHelpContents"_s, tr("&Contents"));
    menus.mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    return menus;
}

QMenu *MainMenus::menu(MainMenu which) const
{
    switch (which) {
    case MainMenu::File:
        return mnuFile;
    case MainMenu::Maps:
        return mnuMapS;
    case MainMenu::Dices:
        return mnuDices;
    case MainMenu::Tools:
        return mnuTools;
    case MainMenu::Help:
        break;
    }
    return mnuHelp;
}

void MainMenus::showRecentFiles(const QStringList &captions, bool separatorVisible) const
{
    for (int i = 0; i < RecentItems; ++i) {
        const QString path = captions.value(i);
        QAction *item = mnuFileMRU[i];
        item->setData(path);
        // A path may hold "&", which a menu caption would take as a mnemonic.
        item->setText(QString(path).replace(u'&', u"&&"_s));
        item->setVisible(!path.isEmpty());
    }
    mnuFileSep3->setVisible(separatorVisible);
}

} // namespace Velmora
