#include "gui/table/TableTools.h"

#include "core/persistence/CampaignModel.h"
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
    TableTools tools{*this};
    CampaignModel model = CampaignModel::newCampaign();

    Program()
    {
        model.xp = {{u"Regdar"_s, u"100"_s, u"900"_s}};
        model.stats = {StatsRow::fromValues({u"Mialee"_s, u"Wizard 3"_s})};
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
    void menu(int item) { requireChild<QAction>(*this, u"mnuStats"_s, item)->trigger(); }
    QTreeView *list(const QString &name) { return requireChild<QTreeView>(*this, name); }
    void click(const QString &name, int row, int column)
    {
        QTreeView *view = list(name);
        const QPoint at = view->visualRect(view->model()->index(row, column)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    }
};

template<typename Row> QStringList itemsOf(const QList<Row> &rows)
{
    QStringList items;
    for (const Row &row : rows)
        items << row.toItem();
    return items;
}

QString statsItem(const QStringList &values)
{
    return StatsRow::fromValues(values).toItem();
}

QLineEdit *field(QDialog &dialog, const QString &name, int index)
{
    return requireChild<QLineEdit>(dialog, name, index);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
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
            << 0 << u"REGDAR"_s << 1 << QStringList{u"Regdar;100;900"_s, u"Lidda;25;30"_s};
        QTest::newRow("edit keeping its own name") << 1 << u"Regdar "_s << 0 << QStringList{u"Regdar;25;30"_s};
    }
    void xpNameUniqueWithoutRegardToCase()
    {
        QFETCH(int, button);
        QFETCH(QString, name);
        QFETCH(int, refusals);
        QFETCH(QStringList, items);
        Program p;
        p.showTab(MainTab::Tools);
        auto *edit = requireChild<QPushButton>(p, u"cmdXP"_s, 1);
        QVERIFY(!edit->isEnabled());
        p.click(u"lsvXP"_s, 0, 0);
        QVERIFY(edit->isEnabled());
        QString typed;
        bool okEarly = true;
        p.scripted.answerDialog([&](QDialog &dialog) {
            auto *ok = requireChild<QPushButton>(dialog, u"cmdDone"_s, 0);
            field(dialog, u"txtIn"_s, 0)->setText(name);
            field(dialog, u"txtIn"_s, 1)->clear();
            field(dialog, u"txtIn"_s, 2)->clear();
            QTest::keyClicks(field(dialog, u"txtIn"_s, 1), u"2a5"_s);
            typed = field(dialog, u"txtIn"_s, 1)->text();
            okEarly = ok->isEnabled();
            field(dialog, u"txtIn"_s, 2)->setText(u"30"_s);
            ok->click();
            if (!p.scripted.callsOf(ScriptedPlatform::Kind::Message).isEmpty()) { // the dialog is still open
                field(dialog, u"txtIn"_s, 0)->setText(u"Lidda"_s);
                ok->click();
            }
            return dialog.result();
        });
        requireChild<QPushButton>(p, u"cmdXP"_s, button)->click();
        QCOMPARE(typed, u"25"_s);
        QVERIFY(!okEarly);
        const QString refusal = u"message Duplicate Name: The name is not unique in the list.\r\nPlease modify it."_s;
        QCOMPARE(p.scripted.trace().filter(u"message"_s), QStringList(refusals, refusal));
        QCOMPARE(p.scripted.sounds(), QStringList(2 + refusals, u"Click.wav"_s));
        QCOMPARE(itemsOf(p.collected().xp), items);
        QVERIFY(!edit->isEnabled());
        QVERIFY(p.campaignSession().isModified());
        QCOMPARE(p.collected().layout.columns(LayoutList::Xp), p.model.layout.columns(LayoutList::Xp));
    }

    void statsDuplicateNameQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("items");
        const QString mialee = statsItem({u"Mialee"_s, u"Wizard 3"_s});
        QTest::newRow("Yes reopens with the values") << true << QStringList{mialee, statsItem({u"MIALEE"_s, u"Elf"_s})};
        QTest::newRow("No drops them") << false << QStringList{mialee};
    }
    void statsDuplicateNameQuestion()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, items);
        Program p;
        p.scripted.answerDialog([](QDialog &dialog) {
            QTest::keyClicks(field(dialog, u"txtStat"_s, 0), u"Mialee"_s);
            QTest::keyClicks(field(dialog, u"txtStat"_s, 1), u"El;f"_s);
            requireChild<QPushButton>(dialog, u"cmdCMD"_s, 0)->click();
            return dialog.result();
        });
        p.scripted.answerMessage(yes ? MessageAnswer::Yes : MessageAnswer::No);
        QStringList reopened;
        p.scripted.answerDialog([&](QDialog &dialog) {
            reopened << field(dialog, u"txtStat"_s, 0)->text() << field(dialog, u"txtStat"_s, 1)->text();
            field(dialog, u"txtStat"_s, 0)->clear();
            QTest::keyClicks(field(dialog, u"txtStat"_s, 0), u"MIALEE"_s); // differs in letter case only
            requireChild<QPushButton>(dialog, u"cmdCMD"_s, 0)->click();
            return dialog.result();
        });
        p.menu(2);
        QCOMPARE(p.scripted.trace().filter(u"message"_s),
                 QStringList{u"message Duplicate Name: Duplicate Player name.\r\nDo you whish to change the name ?"_s});
        QCOMPARE(reopened, yes ? (QStringList{u"Mialee"_s, u"Elf"_s}) : QStringList());
        QCOMPARE(itemsOf(p.collected().stats), items);
    }

    void exportThenImportReproducesTheList()
    {
        Program p;
        p.model.stats << StatsRow::fromValues({u"Tordek"_s, u"Fighter 2"_s, u"2"_s, u"M"_s, u"male"_s, u"LG"_s,
                                               u"Moradin"_s, u"4'3\""_s, u"150 lb."_s, u"Dwarf"_s, u"15"_s});
        p.apply(p.tools, p.model);
        const QString path = p.home.file(u"party.csv"_s);
        p.scripted.answerFile(path);
        p.menu(7);
        QCOMPARE(bytesOf(path), QByteArray("VLSTATS\r\nMialee,Wizard 3,,,,,,,,,,,,,,,,,,,,,\r\n"
                                           "Tordek,Fighter 2,2,M,male,LG,Moradin,4'3\",150 lb.,Dwarf,15,,,,,,,,,,,,"));

        p.apply(p.tools, CampaignModel::newCampaign());
        for (int i = 0; i < 2; ++i) {
            p.scripted.answerFile(path);
            p.menu(6);
        }
        const QString import = u"open-dialog Select Statistics Set to Import"_s;
        const QString notice = u"message Statistics Import: 2 duplicates were not added to the list"_s;
        const QString exporting = u"save-dialog Export Statistics Set to File"_s;
        QCOMPARE(p.scripted.trace(), (QStringList{exporting, import, import, notice}));
        QCOMPARE(p.scripted.calls().at(0).request.filter, u"Comma Separated Value file (*.csv)|*.csv"_s);
        QCOMPARE(p.collected().stats, p.model.stats);
    }

    void importRefusesALowerCaseMarker()
    {
        Program p;
        const QString path = p.home.file(u"party.csv"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("vlstats\r\nTordek") > 0);
        file.close();
        p.scripted.answerFile(path);
        p.menu(6);
        QCOMPARE(p.scripted.trace().filter(u"message"_s),
                 QStringList{u"message File Error: This is a not a Velmora statistic file.\r\nError reading file."_s});
        QCOMPARE(p.collected().stats, p.model.stats);
    }

    void inPlaceEditOnlyFromClassToRace_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("item");
        QTest::newRow("Class and level") << 1 << statsItem({u"Mialee"_s, u"Sorcerer4"_s});
        QTest::newRow("Race") << 9
                              << statsItem({u"Mialee"_s, u"Wizard 3"_s, {}, {}, {}, {}, {}, {}, {}, u"Sorcerer4"_s});
        QTest::newRow("STR") << 10 << statsItem({u"Mialee"_s, u"Wizard 3"_s});
    }
    void inPlaceEditOnlyFromClassToRace()
    {
        QFETCH(int, column);
        QFETCH(QString, item);
        Program p;
        p.click(u"lsvStats"_s, 0, column);
        auto *editor = p.findChild<QLineEdit *>(u"txtStats"_s);
        QCOMPARE(editor != nullptr, column < 10);
        if (editor)
            QTest::keyClicks(editor, u"Sorcerer;4"_s);
        QCOMPARE(itemsOf(p.collected().stats), QStringList{item}); // a save stores the pending edit
        QCOMPARE(p.campaignSession().isModified(), column < 10);
    }

    void hiddenColumnsGoWithTheLayout()
    {
        Program p;
        p.scripted.answerDialog([](QDialog &dialog) {
            auto *columns = requireChild<QListWidget>(dialog, u"lstColumns"_s);
            for (int column : {2, 16})
                columns->item(column)->setCheckState(Qt::Unchecked);
            requireChild<QPushButton>(dialog, u"cmdDone"_s, 0)->click();
            return dialog.result();
        });
        p.menu(0);
        QTreeView *stats = p.list(u"lsvStats"_s);
        QVERIFY(stats->isColumnHidden(2) && stats->isColumnHidden(16));
        p.model = p.collected();
        QCOMPARE(p.model.layout.columns(LayoutList::Stats).at(2), 0.0f);
        p.apply(p.tools, p.model); // "HP" has no width in the layout item: it opens shown
        QVERIFY(stats->isColumnHidden(2) && !stats->isColumnHidden(16));
    }
};

QTEST_MAIN(TestXpStats)
#include "TestXpStats.moc"
