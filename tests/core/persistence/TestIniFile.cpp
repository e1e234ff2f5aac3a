#include "core/persistence/IniFileWriter.h"
#include "core/persistence/oIniFile.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");

        QTest::newRow("blanks, quotes and case") << "[SESSION]\r\nOpenLast = \"TRUE\"\r\n"_ba << u"session"_s << u"OPENLAST"_s << u"TRUE"_s;
        QTest::newRow("second equals cuts the value") << "[s]\r\na=b=c\r\n"_ba << u"s"_s << u"a"_s << u"b"_s;
        QTest::newRow("header with comment") << "[A] ; note\r\nk=v\r\n"_ba << u"A"_s << u"k"_s << u"v"_s;
        QTest::newRow("name kept as it stands") << "[ A B ]\r\nk=v\r\n"_ba << u" A B "_s << u"k"_s << u"v"_s;
        QTest::newRow("commented header is no header") << ";[B]\r\n[A]\r\nk=1\r\n"_ba << u"B"_s << u"k"_s << QString();
        QTest::newRow("every leading and trailing quote") << "[s]\r\nk=\"\"x\"y\"\"\r\n"_ba << u"s"_s << u"k"_s << u"x\"y"_s;
        QTest::newRow("lines before the first header") << "k=0\r\n[s]\r\nk=1\r\n"_ba << u"s"_s << u"k"_s << u"1"_s;
        QTest::newRow("LF alone ends no line") << "[s]\nk=v\n"_ba << u"s]\nk"_s << u"k"_s << QString();
        QTest::newRow("missing key") << "[s]\r\nk=v\r\n"_ba << u"s"_s << u"x"_s << QString();
        QTest::newRow("missing section") << "[s]\r\nk=v\r\n"_ba << u"t"_s << u"k"_s << QString();
        QTest::newRow("value keeps inner semicolon") << "[s]\r\nk=a;b\r\n"_ba << u"s"_s << u"k"_s << u"a;b"_s;
    }

    void lookups()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        oIniFile ini;
        QVERIFY(ini.parse(file));
        QCOMPARE(ini.GetOneValue(section, key), value);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");

        QTest::newRow("key line without equals") << "[s]\r\nk=v\r\nbroken\r\n"_ba << u"line 3: no \"=\" in the key line \"broken\""_s;
        QTest::newRow("blank-only line in a section") << "[s]\r\n   \r\n"_ba << u"line 2: no \"=\" in the key line \"   \""_s;
        QTest::newRow("comment line in a section") << "[s]\r\n; note\r\n"_ba << u"line 2: no \"=\" in the key line \"; note\""_s;
        QTest::newRow("same section twice") << "[A]\r\n[b]\r\n[a]\r\n"_ba << u"line 3: section [a] appears twice"_s;
        QTest::newRow("same key twice") << "[A]\r\nk=1\r\nK=2\r\n"_ba << u"line 3: the key \"K\" appears twice in [A]"_s;

        QByteArray many;
        for (int i = 0; i < 102; ++i)
            many += "[s" + QByteArray::number(i) + "]\r\n";
        QTest::newRow("102 sections") << many << u"line 102: more than 101 sections"_s;
    }

    void failures()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        oIniFile ini;
        const Result<void> read = ini.parse(file);
        QVERIFY(!read);
        QCOMPARE(read.error().message, message);
    }

    void failureKeepsWhatWasRead()
    {
        oIniFile ini;
        QVERIFY(!ini.parse("[A]\r\na=1\r\n[B]\r\nb=2\r\nbad\r\nc=3\r\n[C]\r\nd=4\r\n"_ba));
        QCOMPARE(ini.NumberOfSections(), 3);
        QCOMPARE(ini.GetOneValue(u"A"_s, u"a"_s), u"1"_s);
        QCOMPARE(ini.GetOneValue(u"B"_s, u"b"_s), u"2"_s);
        QCOMPARE(ini.GetOneValue(u"B"_s, u"c"_s), QString());
        QCOMPARE(ini.GetOneValue(u"C"_s, u"d"_s), QString());
    }

    void updateOneValue()
    {
        oIniFile ini;
        QVERIFY(ini.parse("[S]\r\nk=old\r\n"_ba));
        ini.UpdateOneValue(u"s"_s, u"K"_s, u"  \"kept\" = as is "_s);
        QCOMPARE(ini.GetOneValue(u"S"_s, u"k"_s), u"  \"kept\" = as is "_s);
        ini.UpdateOneValue(u"S"_s, u"new"_s, u"  \"trimmed\"  "_s);
        QCOMPARE(ini.GetOneValue(u"S"_s, u"new"_s), u"trimmed"_s);
        ini.UpdateOneValue(u"T"_s, u"x"_s, u"a=b"_s);
        QCOMPARE(ini.GetOneValue(u"T"_s, u"x"_s), u"a"_s);
        QCOMPARE(ini.NumberOfSections(), 2);
        QCOMPARE(ini.Sections().last().Name(), u"T"_s);
    }

    void writtenForm()
    {
        oIniFile ini;
        QVERIFY(ini.parse("[A]\r\nk1=x\r\nk2=y\r\n[B]\r\n"_ba));
        QCOMPARE(IniFileText(ini), "[A]\r\nk1=x\r\nk2=y\r\n\r\n[B]\r\n\r\n"_ba);

        TestHome home;
        const QString path = home.file(u"out.ini"_s);
        QVERIFY(WriteIniFile(ini, path));
        oIniFile back;
        QVERIFY(back.init(path));
        QCOMPARE(IniFileText(back), IniFileText(ini));

        // A write into a folder that does not exist fails and says where.
        const Result<void> written = WriteIniFile(ini, home.file(u"no/such/folder/out.ini"_s));
        QVERIFY(!written);
        QVERIFY(written.error().path.endsWith(u"no/such/folder/out.ini"_s));
    }

    void readsWindows1252()
    {
        oIniFile ini;
        QVERIFY(ini.parse("[SESSION]\r\nMRU1=C:\\Caf\xe9\\\x80 \x93.vlf\r\n"_ba));
        QCOMPARE(ini.GetOneValue(u"SESSION"_s, u"MRU1"_s), u"C:\\Caf\u00e9\\\u20ac \u201c.vlf"_s);
        QCOMPARE(IniFileText(ini), "[SESSION]\r\nMRU1=C:\\Caf\xe9\\\x80 \x93.vlf\r\n\r\n"_ba);
    }

    void missingFile()
    {
        TestHome home;
        oIniFile ini;
        const Result<void> read = ini.init(home.file(u"absent.ini"_s));
        QVERIFY(!read);
        QCOMPARE(read.error().message, u"file not found: "_s + home.file(u"absent.ini"_s));
        QVERIFY(ini.IsInit());
        QCOMPARE(ini.NumberOfSections(), 0);

        oIniFile empty;
        QVERIFY(empty.init(QString()));
        QVERIFY(!empty.IsInit());
    }

    void survivesAnyBytes()
    {
        // Mutations of a valid file: whatever comes back, lookups stay consistent.
        const QByteArray base = "[VERSION]\r\nversion=4.1\r\n[SESSION]\r\nOpenLast=TRUE\r\nMRU1=a;b\r\n"_ba;
        quint32 state = 12345;
        auto next = [&state] { state = state * 1103515245u + 12345u; return state >> 16; };
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = base;
            const int edits = 1 + int(next() % 8);
            for (int e = 0; e < edits; ++e) {
                const int at = int(next() % quint32(bytes.size()));
                const char bytesOfInterest[] = {'[', ']', '=', ';', '"', '\r', '\n', ' ', '\0', char(0xff)};
                bytes[at] = next() % 2 ? bytesOfInterest[next() % sizeof bytesOfInterest] : char(next());
            }
            oIniFile ini;
            ini.parse(bytes);
            QVERIFY(ini.NumberOfSections() <= oIniFile::MaxSections);
            for (const oSection &section : ini.Sections()) {
                for (const oKeyValue &kv : section.KeyValues())
                    QCOMPARE(ini.GetOneValue(section.Name(), kv.Key()), kv.Value());
            }
        }
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestIniFile)
#include "TestIniFile.moc"
