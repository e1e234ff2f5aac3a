#include "core/table/BattleBoxFile.h"
#include "core/table/BattleBoxFileState.h"
#include "core/table/BattleBoxList.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QByteArray Note = "{\\rtf1\\ansi\\ansicpg1252\\deff0\r\n{\\fonttbl{\\f0 Arial;}}\r\n\\f0 Ambush\\par\r\n"
                        "at dawn\\par\r\n}";

QList<BattleBoxEntry> twoOrcs()
{
    BattleBoxEntry orc{true,    u"15"_s, u"Orc (1)"_s, u"+4"_s, u"+1"_s,  u"-1"_s, u"Darkvision"_s,    u"30"_s,
                       u"13"_s, u"+4"_s, u"1d12+4"_s,  u"+1"_s, u"1d6"_s, u"12"_s, u"Icons\\Orc.ico"_s};
    BattleBoxEntry chief = orc;
    chief.ticked = false;
    chief.name = u"Chief"_s;
    chief.special = u"Rage, Scent\r\nRoar\n"_s; // "," and line breaks must not shift the columns
    chief.icon.clear();
    return {orc, chief};
}

// "T," or "F," and the name of every entry.
QString entryNames(const BattleBoxFile::Content &content)
{
    QStringList names;
    for (const BattleBoxEntry &entry : content.entries)
        names << (entry.ticked ? u"T,"_s : u"F,"_s) + entry.name;
    return names.join(u'|');
}

} // namespace

class TestBattleBoxFile : public QObject
{
    Q_OBJECT

private slots:
    void saveAndLoad()
    {
        const TestHome home;
        const QString path = home.file(u"Ambush.csv"_s);
        BattleBoxList list;
        list.setEntries(twoOrcs());
        BattleBoxFileState state;
        state.listEdited(); // no file loaded: nothing to save
        QCOMPARE(*state.save(path, list, Note), false);
        QVERIFY(!QFile::exists(path));
        state.notesEdited();
        QCOMPARE(*state.save(path, list, Note), true);
        QCOMPARE(state.caption(), u"Battle Box: "_s + path + u' ');
        QCOMPARE(home.read(u"Ambush.csv"_s),
                 "BATTLEBOX\r\n"
                 "T,15,Orc (1),+4,+1,-1,Darkvision,30,13,+4,1d12+4,+1,1d6,12,Icons\\Orc.ico,\r\n"
                 "F,15,Chief,+4,+1,-1,Rage\x82 Scent Roar ,30,13,+4,1d12+4,+1,1d6,12,,\r\n"
                 "NOTE,"
                     + Note);

        QByteArray notes;
        list.clear();
        state.setLoading(true);
        QCOMPARE(*state.load(path, list, notes), BattleBoxFile::Reading::Loaded);
        state.notesEdited();
        state.setLoading(false);
        QVERIFY(!state.isModified());
        QCOMPARE(list.entry(0), twoOrcs().at(0));
        QCOMPARE(list.entry(1).special, u"Rage\u201A Scent Roar "_s);
        QCOMPARE(list.entry(1).hitPoints, u"12"_s);
        QCOMPARE(BattleBoxFile::notesDocument(notes).toPlainText(), u"Ambush\nat dawn"_s);
        state.listEdited();
        QVERIFY(state.isModified());
    }

    void wrongFile()
    {
        const TestHome home;
        const QString path = home.write(u"Stats.csv"_s, "VLSTATS\r\nLidda;Rogue 3\r\n");
        BattleBoxList list;
        list.setEntries(twoOrcs());
        QByteArray notes = Note;
        BattleBoxFileState state;
        QCOMPARE(*state.load(path, list, notes), BattleBoxFile::Reading::WrongFile);
        QCOMPARE(list.rowCount(), 0);
        QCOMPARE(notes, QByteArray());
        QCOMPARE(state.loadedName(), path);
        QCOMPARE(BattleBoxFile::wrongFile().title, u"Wrong File"_s);
        QCOMPARE(BattleBoxFile::wrongFile().text,
                 u"This is not a 'BattleBox' linked file.\r\nPlease select another file to open."_s);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<BattleBoxFile::Reading>("reading");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QByteArray>("notes");
        using R = BattleBoxFile::Reading;
        QTest::newRow("wrong file") << "battlebox\r\nT,1,Orc,\r\nNOTE,"_ba << R::WrongFile << QString() << QByteArray();
        QTest::newRow("single line") << "BATTLEBOX"_ba << R::Unchanged << QString() << QByteArray();
        QTest::newRow("no entries, no note") << "BATTLEBOX\r\nNOTE,"_ba << R::Loaded << QString() << QByteArray();
        QTest::newRow("empty name dropped")
            << "BATTLEBOX\r\nT,3,,\r\nF,2,Imp,\r\n"_ba << R::Loaded << u"F,Imp"_s << QByteArray();
        QTest::newRow("other lines skipped")
            << "BATTLEBOX\r\nx,1,Orc,\r\nt,1,Elf,\r\n\r\nTX,1,Rat"_ba << R::Loaded << u"T,Rat"_s << QByteArray();
        QTest::newRow("note keeps its lines") << "BATTLEBOX\r\nF,1,Orc,\r\nNOTE,{\\rtf1\r\n\\par\r\nx}\r\nT,1,Elf,"_ba
                                              << R::Loaded << u"F,Orc"_s << "{\\rtf1\r\n\\par\r\nx}\r\nT,1,Elf,"_ba;
        QTest::newRow("short N line") << "BATTLEBOX\r\nN\r\n{\\rtf1}"_ba << R::Loaded << QString() << "\r\n{\\rtf1}"_ba;
        QTest::newRow("semicolon dropped")
            << "BATTLEBOX\r\nF,1,Orc;Chief,\r\n"_ba << R::Loaded << u"F,OrcChief"_s << QByteArray();
    }

    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(BattleBoxFile::Reading, reading);
        BattleBoxFile::Content content;
        QCOMPARE(BattleBoxFile::fromBytes(bytes, content), reading);
        QTEST(entryNames(content), "entries");
        QTEST(content.notes, "notes");
    }

    void link()
    {
        QList<Shortcut> saved{{u"Ambush.csv"_s, u"/games/Ambush.csv"_s}, {u"Inn.csv"_s, u"C:\\Velmora\\Inn.csv"_s}};
        BattleBoxFile::LinkBattleBoxFile(saved, u"/games/Ambush.csv"_s);
        BattleBoxFile::LinkBattleBoxFile(saved, u"C:\\Caves\\Cave.csv"_s);
        BattleBoxFile::LinkBattleBoxFile(saved, u"Pit.csv"_s);
        QCOMPARE(saved,
                 (QList<Shortcut>{{u"Inn.csv"_s, u"C:\\Velmora\\Inn.csv"_s},
                                  {u"Ambush.csv"_s, u"/games/Ambush.csv"_s},
                                  {u"Cave.csv"_s, u"C:\\Caves\\Cave.csv"_s},
                                  {u"Pit.csv"_s, u"Pit.csv"_s}}));
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestBattleBoxFile)
#include "TestBattleBoxFile.moc"
