#include "gui/search/SearchTools.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCampaignSearchDialog : public QObject
{
    Q_OBJECT

private slots:
    // Each kind of place is found by CampaignSearch; here the window lists the matches and opens one.
    void choosingAMatchOpensItsPlace()
    {
        FakeHost host;
        host.home.write(u"Characters/sheet.txt"_s, "Ulf\r\nrides the blue dragon"_ba);
        SearchTools tools(host);
        CampaignModel model = CampaignModel::newCampaign();
        model.noteMarkers = {{u"_1"_s, u"Dragon lair"_s, u"north"_s, 0, 0, QString()}};
        host.apply(tools, model);
        QAction *find = requireChild<QAction>(*host.menu(MainMenu::Tools), u"mnuToolsFindInCampaign"_s);
        QCOMPARE(find->shortcut(), QKeySequence(u"Ctrl+Shift+F"_s));
        QStringList listed;
        QStringList opened; // the selection shown, and the tab in front
        bool stayedOpen = false;
        host.scripted.answerDialog([&](QDialog &d) {
            QTest::keyClicks(requireChild<QLineEdit>(d, u"txtFind"_s), u"dragon"_s);
            requireChild<QCheckBox>(d, u"chkWholeWord"_s)->setChecked(true);
            requireChild<QPushButton>(d, u"cmdFind"_s)->click();
            auto *hits = requireChild<QTreeWidget>(d, u"lsvHits"_s);
            for (int row = 0; row < hits->topLevelItemCount(); ++row)
                listed << hits->topLevelItem(row)->text(0) + u'|' + hits->topLevelItem(row)->text(1);
            for (int row : {1, 0}) {
                hits->setCurrentItem(hits->topLevelItem(row));
                requireChild<QPushButton>(d, u"cmdGoTo"_s)->click(); // no part to open it: only shown
                opened << requireChild<QPlainTextEdit>(d, u"txtPlace"_s)->textCursor().selectedText()
                        + QString::number(static_cast<QTabWidget *>(host.centralWidget())->currentIndex());
            }
            stayedOpen = d.result() == 0;
            return int(QDialog::Accepted);
        });
        find->trigger();
        QVERIFY(stayedOpen);
        QCOMPARE(listed,
            (QStringList{u"list:7:sheet.txt|rides the blue dragon"_s, u"map-note:north|Dragon lair"_s}));
        QCOMPARE(opened, (QStringList{u"Dragon%1"_s.arg(int(MainTab::Maps)), u"dragon%1"_s.arg(int(MainTab::Resources))}));
        int listedAgain = 0; // the window opens again on the last search
        host.scripted.answerDialog([&](QDialog &d) {
            listedAgain = requireChild<QTreeWidget>(d, u"lsvHits"_s)->topLevelItemCount();
            return int(QDialog::Rejected);
        });
        find->trigger();
        QCOMPARE(listedAgain, 2);
    }
};

} // namespace Velmora

QTEST_MAIN(Velmora::TestCampaignSearchDialog)
#include "TestCampaignSearchDialog.moc"
