#include "core/persistence/CampaignModel.h"
#include "gui/table/TableTools.h"
#include "gui/ui/CellEditor.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The game table's tools with one XP entry and one statistics entry, the statistics page in front.
struct Program : FakeHost
{
    TableTools tools { *this };
    CampaignModel model = CampaignModel::newCampaign();

    Program()
    {
        model.xp = { { u"Regdar"_s, u"100"_s, u"900"_s } };
        model.stats = { StatsRow::fromValues({ u"Mialee"_s, u"Wizard 3"_s }) };
        model.layout.velmoraTab = int(MainTab::User);
        model.layout.sstbUser = int(StripPage::UserStatistics);
        apply(tools, model);
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
    }
    CampaignModel collected()
    {
        CampaignModel saved = model;
        collect(tools, saved);
        return saved;
    }
    QStringList items(bool stats)
    {
        QStringList lines;
        const CampaignModel saved = collected();
        for (const auto &row : saved.xp)
            lines << (stats ? QString() : row.toItem());
        for (const auto &row : saved.stats)
            lines << (stats ? row.toItem() : QString());
        lines.removeAll(QString());
        return lines;
    }
    void menu(int item) { requireChild<QAction>(*this, u"mnuStats"_s, item)->trigger(); }
    QTreeView *stats() { return requireChild<QTreeView>(*this, u"lsvStats"_s); }
    void clickStats(int row, int column)
    {
        QTest::mouseClick(stats()->viewport(), Qt::LeftButton, {},
            stats()->visualRect(stats()->model()->index(row, column)).center());
    }
};

QLineEdit *field(QDialog &dialog, const QString &name, int index)
{
    return requireChild<QLineEdit>(dialog, name, index);
}

} // namespace

class TestXpStats : public QObject
{
    Q_OBJECT

private slots:
    void xpNameUniqueWithoutRegardToCase_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("refusals");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("add REGDAR refused, then Lidda")
            << 0 << u"REGDAR"_s << 1 << QStringList { u"Regdar;100;900"_s, u"Lidda;25;30"_s };
        QTest::newRow("edit keeping its own name") << 1 << u"Regdar "_s << 0 << QStringList { u"Regdar;25;30"_s };
    }
    void xpNameUniqueWithoutRegardToCase()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        Program p;
        auto *list = requireChild<QTreeView>(p, u"lsvXP"_s);
        auto *edit = requireChild<QPushButton>(p, u"cmdXP"_s, 1);
        QVERIFY(!edit->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        QVERIFY(edit->isEnabled());
        QString typed;
        bool okEnabledEarly = true;
        p.scripted.answerDialog([&](QDialog &dialog) {
            auto *ok = requireChild<QPushButton>(dialog, u"cmdDone"_s, 0);
            field(dialog, u"txtIn"_s, 0)->setText(name);
            field(dialog, u"txtIn"_s, 1)->clear();
            field(dialog, u"txtIn"_s, 2)->clear();
            QTest::keyClicks(field(dialog, u"txtIn"_s, 1), u"2a5"_s);
            typed = field(dialog, u"txtIn"_s, 1)->text();
            okEnabledEarly = ok->isEnabled();
            field(dialog, u"txtIn"_s, 2)->setText(u"30"_s);
            ok->click();
            if (!p.scripted.callsOf(ScriptedPlatform::Kind::Message).isEmpty()) { // still open
                field(dialog, u"txtIn"_s, 0)->setText(u"Lidda"_s);
                ok->click();
            }
            return dialog.result();
        });
        requireChild<QPushButton>(p, u"cmdXP"_s, button)->click();
        QCOMPARE(typed, u"25"_s);
        QVERIFY(!okEnabledEarly);
        QFETCH(int, refusals);
        QFETCH(QStringList, items);
        const QStringList refused(
            refusals, u"message Duplicate Name: The name is not unique in the list.\r\nPlease modify it."_s);
        QCOMPARE(p.scripted.trace().filter(u"message"_s), refused);
        QCOMPARE(p.scripted.sounds(), QStringList(2 + refusals, u"Click.wav"_s));
        QCOMPARE(p.items(false), items);
        QVERIFY(!edit->isEnabled());
        QVERIFY(p.campaignSession().isModified());
    }
};

QTEST_MAIN(TestXpStats)
#include "TestXpStats.moc"
