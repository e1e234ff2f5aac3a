#include "core/table/StatsFile.h"
#include "core/table/StatsListModel.h"
#include "core/table/XpListModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QStringList itemsOf(const QList<StatsRow> &rows)
{
    QStringList result;
    for (const StatsRow &row : rows)
        result << row.toItem();
    return result;
}

} // namespace

class TestTableLists : public QObject
{
    Q_OBJECT

private slots:
    void xpNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("editedRow"); // -1 adds
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("names");
        const QStringList before = {u"Aragorn"_s, u"Lidda"_s};
        QTest::newRow("new name") << u"Boromir"_s << -1 << true << before + QStringList{u"Boromir"_s};
        QTest::newRow("other case refused") << u"ARAGORN"_s << -1 << false << before;
        QTest::newRow("edit keeping the name") << u"aragorn"_s << 0 << true << QStringList{u"aragorn"_s, u"Lidda"_s};
        QTest::newRow("edit to another's name") << u"lidda"_s << 0 << false << before;
        QTest::newRow("semicolon dropped")
            << u" Bo;romir "_s << 1 << true << QStringList{u"Aragorn"_s, u"Boromir"_s};
    }

    void xpNames()
    {
        QFETCH(QString, name);
        QFETCH(int, editedRow);
        QFETCH(bool, accepted);
        QFETCH(QStringList, names);
        XpListModel model;
        model.setRows({{u"Aragorn"_s, u"12000"_s, u"3000"_s}, {u"Lidda"_s, u"900"_s, u"100"_s}});
        const XpRow row{name, u"5"_s, u"6"_s};
        QCOMPARE(editedRow < 0 ? model.add(row) : model.replace(editedRow, row), accepted);
        QStringList shown;
        for (int i = 0; i < model.rowCount(); ++i)
            shown << model.index(i, 0).data().toString();
        QCOMPARE(shown, names);
    }

    void statsNames()
    {
        StatsListModel model;
        QVERIFY(model.add(StatsRow::fromValues({u"Lidda"_s})));
        QVERIFY(model.add(StatsRow::fromValues({u"lidda"_s})));
        QVERIFY(!model.add(StatsRow::fromValues({u"Lidda"_s})));
        QVERIFY(!model.replace(1, StatsRow::fromValues({u"Lidda"_s})));
        QVERIFY(model.setData(model.index(1, 9), u"Half;ling"_s));
        QVERIFY(!model.setData(model.index(1, 10), u"18"_s));
        QCOMPARE(itemsOf(model.rows()),
            (QStringList{u"Lidda"_s + QString(22, u';'), u"lidda;;;;;;;;;Halfling"_s + QString(13, u';')}));
    }

    void exchange()
    {
        const QList<StatsRow> rows = {
            StatsRow::fromValues(u"Lidda;Rogue 3;3;Small;F;CN;Olidammara;2 ft. 11 in.;35 lb.;Halfling;"
                                 "10;17;12;14;10;8;16;20 ft.;+3;+2;+7;+1;16"_s.split(u';')),
            StatsRow::fromValues({u"Mérovée"_s, u"Fighter 1, Rogue 2"_s}),
        };
        const QByteArray bytes = "VLSTATS\r\nLidda,Rogue 3,3,Small,F,CN,Olidammara,2 ft. 11 in.,35 lb.,Halfling,10,17,"
                                 "12,14,10,8,16,20 ft.,+3,+2,+7,+1,16\r\nM\xe9rov\xe9"
                                 "e,Fighter 1 Rogue 2"_ba
            + QByteArray(21, ',');
        QTemporaryDir dir;
        const QString path = dir.filePath(u"party.csv"_s);
        QVERIFY(StatsFile::write(path, rows));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), bytes);

        StatsListModel model;
        const Result<QList<StatsRow>> read = StatsFile::read(path);
        QCOMPARE(model.importRows(*read), (StatsListModel::ImportCount{2, 0, 0}));
        QCOMPARE(model.rows().at(0), rows.at(0));
        QCOMPARE(model.rows().at(1).classAndLevel, u"Fighter 1 Rogue 2"_s);
        QCOMPARE(model.importRows(*read), (StatsListModel::ImportCount{0, 2, 0}));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(StatsFile::DuplicatesMessage(2), u"2 duplicates were not added to the list"_s);
        QCOMPARE(StatsFile::DuplicatesMessage(1), u"One duplicate was not added to the list"_s);
        QCOMPARE(StatsFile::toBytes({}), "VLSTATS"_ba);
    }

    void importLines_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("items"); // the rows read, or the refusal
        const QString notStats = u"This is a not a Velmora statistic file.\r\nError reading file."_s;
        QTest::newRow("lower-case marker") << "vlstats\r\nA,b"_ba << QStringList{notStats};
        QTest::newRow("LF only") << "VLSTATS\nA,b"_ba << QStringList{notStats};
        QTest::newRow("empty file") << QByteArray() << QStringList{notStats};
        QTest::newRow("marker only") << "VLSTATS"_ba << QStringList();
        QTest::newRow("more than 23 fields")
            << "VLSTATS\r\nA" + QByteArray(24, ',') + "x"_ba << QStringList{u"A"_s + QString(22, u';')};
        QTest::newRow("empty lines skipped")
            << "VLSTATS\r\n\r\nA,b\r\n"_ba << QStringList{u"A;b"_s + QString(21, u';')};
        QTest::newRow("semicolon dropped") << "VLSTATS\r\nA;B,c"_ba << QStringList{u"AB;c"_s + QString(21, u';')};
    }

    void importLines()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, items);
        const Result<QList<StatsRow>> rows = StatsFile::fromBytes(file);
        QCOMPARE(rows ? itemsOf(*rows) : QStringList{rows.error().message}, items);
    }

    void unreadable()
    {
        const Result<QList<StatsRow>> rows = StatsFile::read(u"/nowhere/party.csv"_s);
        QVERIFY(!rows);
        QCOMPARE(rows.error().message, u"Error reading file."_s);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestTableLists)
#include "TestTableLists.moc"
