#include "core/common/Version.h"
#include "core/persistence/Campaign.h"

#include "support/TestHome.h"

#include "TestConfig.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("iniFile");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("json");   // compact form of the expected stdout
        QTest::addColumn<QByteArray>("stderr"); // a part of the expected error line

        QTest::newRow("version") << QStringList{u"version"_s} << QByteArray() << 0
                                 << "{\"version\":\""_ba + Version::text().toUtf8() + "\"}"_ba << QByteArray();
        QTest::newRow("ini") << QStringList{u"ini"_s, u"@"_s} << "[VERSION]\r\nversion = \"4.1\"\r\n[S]\r\n"_ba << 0
                             << R"({"sections":[{"keys":[{"key":"version","value":"4.1"}],"name":"VERSION"},{"keys":[],"name":"S"}]})"_ba
                             << QByteArray();
        QTest::newRow("ini refused with its line") << QStringList{u"ini"_s, u"@"_s} << "[S]\r\nk=v\r\nno equals\r\n"_ba << 1
                                                   << QByteArray() << "line 3: no \"=\""_ba;
        QTest::newRow("ini of a missing file") << QStringList{u"ini"_s, u"/no/such.ini"_s} << QByteArray() << 1 << QByteArray()
                                               << "no such file"_ba;
        QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << QByteArray() << 2 << QByteArray()
                                         << "velmora-cli: Unknown command 'frobnicate'. Try 'velmora-cli --help'.\n"_ba;
        QTest::newRow("unknown option") << QStringList{u"ini"_s, u"@"_s, u"--frob"_s} << QByteArray() << 2 << QByteArray()
                                        << "velmora-cli ini: Unknown option 'frob'. Try 'velmora-cli help ini'.\n"_ba;
        QTest::newRow("missing argument") << QStringList{u"resave"_s, u"@"_s} << QByteArray() << 2 << QByteArray()
                                          << "velmora-cli resave: Missing argument OUT."_ba;
        QTest::newRow("new with a seed that is no number") << QStringList{u"new"_s, u"@"_s, u"--seed"_s, u"x"_s} << QByteArray()
                                                           << 2 << QByteArray() << "--seed takes a number from 0 to 4294967295, not 'x'."_ba;
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, iniFile);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, stderr);
        TestHome home;
        const QString path = home.write(u"in.ini"_s, iniFile);
        arguments.replaceInStrings(u"@"_s, path);

        QProcess cli;
        cli.start(QString::fromUtf8(VELMORA_CLI), arguments);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), exitCode);
        const QByteArray out = cli.readAllStandardOutput();
        if (json.isEmpty())
            QVERIFY(out.isEmpty());
        else
            QCOMPARE(QJsonDocument::fromJson(out).toJson(QJsonDocument::Compact), json);
        QVERIFY2(cli.readAllStandardError().contains(stderr), stderr.constData());
    }

    void helpListsEveryCommand()
    {
        const Run run = cli({u"--help"_s});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("\n  resave    Load a campaign and save it as the window would\n"));
        QCOMPARE(run.out.count("\n  "), 29);
    }

    void helpOfOneCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("help");
        QTest::newRow("reading") << u"ini"_s << "usage: velmora-cli ini FILE\n\nShow the sections and keys of a settings file\n\n"
                                                "Arguments:\n  FILE        A settings file\n\nOptions:\n  -h, --help  Show this help\n"_ba;
        QTest::newRow("writing") << u"resave"_s
                                 << "usage: velmora-cli resave IN OUT\n\nLoad a campaign and save it as the window would\n\n"
                                    "Arguments:\n  IN          The campaign to read\n  OUT         The campaign file to write\n\n"
                                    "Options:\n  -h, --help  Show this help\n"_ba;
        QTest::newRow("seeded") << u"new"_s
                                << "usage: velmora-cli new OUT [--seed N]\n\nWrite a fresh new campaign\n\n"
                                   "Arguments:\n  OUT         The campaign file to write\n\nOptions:\n"
                                   "  --seed N    Seed of the weather roll, 0 to 4294967295 (default 5489)\n  -h, --help  Show this help\n"_ba;
    }

    void helpOfOneCommand()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, help);
        for (const QStringList &arguments : {QStringList{u"help"_s, command}, QStringList{command, u"--help"_s}}) {
            const Run run = cli(arguments);
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out, help);
        }
    }

    void bashCompletion_data()
    {
        QTest::addColumn<QString>("words"); // as typed, the last one being completed, in a folder holding in.ini
        QTest::addColumn<QString>("offered");
        QTest::newRow("command") << u"re"_s << u"resave"_s;
        QTest::newRow("options") << u"new x --"_s << u"--seed --help"_s;
        QTest::newRow("option value") << u"rtf x --to ''"_s << u"text html"_s;
        QTest::newRow("files") << u"ini i"_s << u"in.ini"_s;
        QTest::newRow("command to show") << u"help cal"_s << u"calendar"_s;
    }

    void bashCompletion()
    {
        QFETCH(QString, words);
        QFETCH(QString, offered);
        TestHome home;
        QProcess bash;
        bash.setWorkingDirectory(QFileInfo(home.write(u"in.ini"_s, {})).path());
        const QString complete = u"eval \"COMP_WORDS=(velmora-cli $1)\"; COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _velmora_cli; echo ${COMPREPLY[*]}"_s;
        bash.start(u"bash"_s, {u"-c"_s, QString::fromUtf8(cli({u"completion"_s, u"bash"_s}).out) + complete, u"bash"_s, words});
        QVERIFY(bash.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()).trimmed(), offered);
    }

    void blocksOfAFile()
    {
        TestHome home;
        // A header claiming 3 blocks (one of them empty and not written), "a" and "bc" in one block.
        QByteArray bytes = "VL400000"_ba;
        bytes += QByteArray("\x30\x00\x00\x00\x03\x00\x00\x00", 8);
        bytes += QByteArray("MOONS\0\0\0\0\0\x10\x00\x00\x00\x00\x00", 16);
        bytes += QByteArray("a\0bc\0\0\0\0\0\0\0\0\0\0\0", 16);
        const QString path = home.write(u"c.vlf"_s, bytes);
        const Run run = cli({u"blocks"_s, path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out).toJson(QJsonDocument::Compact),
                 R"({"blockCount":3,"blocks":[{"items":["a","bc"],"label":"MOONS"}],"marker":"VL400000","totalSize":48})"_ba);
    }

    void newIsTheShippedDefaultCampaign()
    {
        TestHome home;
        // Generated with: velmora-cli new "data/Campaigns/Default Data.vlt" --seed 5489
        const QString out = home.file(u"new.vlf"_s);
        QCOMPARE(cli({u"new"_s, out, u"--seed"_s, u"5489"_s}).exitCode, 0);
        QFile shipped(QString::fromUtf8(VELMORA_SHIPPED_DATA_DIR) + u"/Campaigns/Default Data.vlt"_s);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(home.read(u"new.vlf"_s), shipped.readAll());
        // Without --seed, the same fixed seed.
        QCOMPARE(cli({u"new"_s, home.file(u"plain.vlf"_s)}).exitCode, 0);
        QCOMPARE(home.read(u"plain.vlf"_s), home.read(u"new.vlf"_s));
    }

    void resaveRestampsTheAgendaInCalendarOrder()
    {
        // As the window saves it: every entry stamped with the start year, in calendar order.
        TestHome home;
        oVLFile file;
        file.UpdateBlock(u"LOG"_s, {u"2009:3:4;guild"_s, u"2008:1:4;rope"_s});
        QVERIFY(file.WriteData(home.file(u"in.vlf"_s)));
        const Run run = cli({u"resave"_s, home.file(u"in.vlf"_s), home.file(u"out.vlf"_s)});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out).object(),
                 (QJsonObject{{u"path"_s, home.file(u"out.vlf"_s)}, {u"skipped"_s, QJsonArray()}}));
        oVLFile out;
        out.ParseVLFile(home.file(u"out.vlf"_s));
        const oBlock *log = out.block(u"LOG"_s);
        QVERIFY(log);
        QCOMPARE(log->Items(), (QStringList{u"2007:1:4;rope"_s, u"2007:3:4;guild"_s}));
    }

    void upgradeWritesTheUpgradedOptions()
    {
        // An upgraded campaign saves every quarter of an hour and when the program closes.
        TestHome home;
        const QString old = QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/persistence/old-campaign.vls"_s;
        QCOMPARE(cli({u"upgrade"_s, old, home.file(u"new.vlf"_s)}).exitCode, 0);
        oVLFile file;
        file.ParseVLFile(home.file(u"new.vlf"_s));
        const oBlock *options = file.block(u"OPTIONS"_s);
        QVERIFY(options);
        QCOMPARE(options->Items().filter(QRegularExpression(u"^(autosave|TimedSave);"_s)),
                 (QStringList{u"autosave;TRUE"_s, u"TimedSave;FALSE;15"_s}));
    }

    void refusedInputLeavesNoOutput_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("why");
        QTest::newRow("resave of garbage") << u"resave"_s << "not a campaign at all"_ba << "not a Velmora 4.0 campaign file"_ba;
        QTest::newRow("resave of a header without blocks") << u"resave"_s << "VL400000"_ba + QByteArray(8, '\0') << "no campaign data"_ba;
        QTest::newRow("resave of unknown blocks") << u"resave"_s
            << "VL400000"_ba + QByteArray("\x20\0\0\0\x01\0\0\0", 8) + QByteArray("OTHER\0\0\0\0\0\x10\0\0\0\0\0", 16)
                + QByteArray("x\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16)
            << "none of the blocks of a Velmora campaign"_ba;
        QTest::newRow("resave of a duplicate label") << u"resave"_s
            << ("VL400000"_ba + QByteArray(8, '\0').replace(4, 1, "\x02") + QByteArray("LOG\0\0\0\0\0\0\0\x10\0\0\0\0\0", 16)
                + QByteArray("x\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16) + QByteArray("log\0\0\0\0\0\0\0\x10\0\0\0\0\0", 16)
                + QByteArray("y\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16))
            << "duplicate block label"_ba;
        QTest::newRow("resave of an empty file") << u"resave"_s << QByteArray() << "not a Velmora 4.0 campaign file"_ba;
    }

    void refusedInputLeavesNoOutput()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, why);
        TestHome home;
        const QString in = home.write(u"in.vlf"_s, input);
        const Run run = cli({command, in, home.file(u"out.vlf"_s)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(why), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(!QFile::exists(home.file(u"out.vlf"_s)));
        QCOMPARE(home.read(u"in.vlf"_s), input);
    }

    void rollAndAsk()
    {
        TestHome home(TestHome::Shipped);
        const Run roll = cli({u"roll"_s, u"3d6+2"_s, u"--seed"_s, u"7"_s});
        QCOMPARE(roll.exitCode, 0);
        QCOMPARE(cli({u"roll"_s, u"3d6+2"_s, u"--seed"_s, u"7"_s}).out, roll.out); // a seed draws the same again
        const QJsonObject drawn = QJsonDocument::fromJson(roll.out).object();
        const QJsonArray faces = drawn.value(u"faces"_s).toArray();
        QCOMPARE(faces.size(), 3);
        int sum = 2;
        for (const QJsonValue &face : faces) {
            QVERIFY(face.toInt() >= 1 && face.toInt() <= 6);
            sum += face.toInt();
        }
        QCOMPARE(drawn.value(u"total"_s).toInt(), sum);

        const Run ask = cli({u"ask"_s, u"Shall we win?"_s, u"--seed"_s, u"3"_s});
        QCOMPARE(ask.exitCode, 0);
        const QString answer = QJsonDocument::fromJson(ask.out).object().value(u"answer"_s).toString();
        QVERIFY2(QRegularExpression(u"^[^\\r\\n]+[?!.]$"_s).match(answer).hasMatch(), qPrintable(answer));
    }

    void generatorsAndSearch()
    {
        TestHome home;
        QVERIFY(cli({u"new"_s, home.file(u"a.vlf"_s)}).exitCode == 0);
        const QJsonObject town = QJsonDocument::fromJson(cli({u"town"_s, u"--seed"_s, u"5"_s}).out).object();
        const QJsonObject saved = QJsonDocument::fromJson(cli({u"dump"_s, home.file(u"a.vlf"_s)}).out)["town"_L1].toObject();
        QCOMPARE(town.keys(), saved.keys());
        QCOMPARE(town["powerCentres"_L1].toArray().size(), 4);
        QVERIFY(!town["dominantRace"_L1].toString().isEmpty());

        home.write(u"Documents/EventGenerator.dat"_s, "Events\r\nA storm breaks"_ba);
        QCOMPARE(QJsonDocument::fromJson(cli({u"event"_s, u"--seed"_s, u"1"_s}).out).object(),
            (QJsonObject{{u"event"_s, u"A storm breaks"_s}}));

        oVLFile file;
        file.UpdateBlock(u"LOG"_s, {u"2007:1:4;Meet the dragon"_s});
        file.UpdateBlock(u"MNOTES"_s, {u"_1;Dragon lair;north;0;0;"_s});
        QVERIFY(file.WriteData(home.file(u"b.vlf"_s)));
        const Run found = cli({u"search"_s, home.file(u"b.vlf"_s), u"Dragon"_s, u"--match-case"_s, u"--whole-word"_s});
        QCOMPARE(found.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(found.out).array(),
            (QJsonArray{QJsonObject{{u"where"_s, u"map-note:north"_s}, {u"path"_s, u""_s}, {u"context"_s, u"Dragon lair"_s}}}));
        const Run none = cli({u"search"_s, home.file(u"b.vlf"_s), u"wyvern"_s});
        QCOMPARE(none.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(none.out).array(), QJsonArray());
    }

    void battleBoxAndStatisticsFiles()
    {
        TestHome home;
        QCOMPARE(cli({u"new"_s, home.file(u"a.vlf"_s)}).exitCode, 0);
        const QByteArray orc = "T,12,Orc,1,2,3,,30,15,+3,1d8,,,10,,\r\n"_ba;
        home.write(u"fight.csv"_s, "BATTLEBOX\r\n"_ba + orc + "NOTE,{\\rtf1 Ambush}"_ba);
        QCOMPARE(cli({u"bbox"_s, u"import"_s, home.file(u"a.vlf"_s), home.file(u"fight.csv"_s), home.file(u"b.vlf"_s)}).exitCode, 0);
        const Run exported = cli({u"bbox"_s, u"export"_s, home.file(u"b.vlf"_s), home.file(u"out.csv"_s)});
        QCOMPARE(QJsonDocument::fromJson(exported.out).object().value(u"entries"_s).toInt(), 1);
        QCOMPARE(home.read(u"out.csv"_s), "BATTLEBOX\r\n"_ba + orc + "NOTE,"_ba);
        home.write(u"wrong.csv"_s, "NOT A BOX\r\n"_ba + orc);
        const Run wrong = cli({u"bbox"_s, u"import"_s, home.file(u"a.vlf"_s), home.file(u"wrong.csv"_s), home.file(u"c.vlf"_s)});
        QCOMPARE(wrong.exitCode, 1);
        QVERIFY2(wrong.err.contains("This is not a 'BattleBox' linked file."), wrong.err.constData());
        QVERIFY(!QFile::exists(home.file(u"c.vlf"_s)));

        QCOMPARE(cli({u"stats"_s, u"export"_s, home.file(u"a.vlf"_s), home.file(u"none.csv"_s)}).exitCode, 0);
        QCOMPARE(home.read(u"none.csv"_s), "VLSTATS"_ba);
        home.write(u"party.csv"_s, "VLSTATS\r\nAragorn,Ranger 3\r\naragorn,Fighter 1"_ba);
        const auto import = [&](const QString &in, const QString &out) {
            return cli({u"stats"_s, u"import"_s, home.file(in), home.file(u"party.csv"_s), home.file(out)});
        };
        QCOMPARE(QJsonDocument::fromJson(import(u"a.vlf"_s, u"s1.vlf"_s).out).toJson(QJsonDocument::Compact),
                 "{\"added\":2,\"duplicates\":0,\"path\":\""_ba + home.file(u"s1.vlf"_s).toUtf8() + "\"}"_ba);
        QCOMPARE(QJsonDocument::fromJson(import(u"s1.vlf"_s, u"s2.vlf"_s).out).object().value(u"duplicates"_s).toInt(), 2);
        home.write(u"party.csv"_s, "vlstats\r\nAragorn"_ba);
        QCOMPARE(import(u"a.vlf"_s, u"s3.vlf"_s).exitCode, 1);
        QVERIFY(!QFile::exists(home.file(u"s3.vlf"_s)));
    }

    void mapsImport_data()
    {
        QTest::addColumn<QByteArray>("xml"); // imported into a campaign holding 2 maps and 3 markers
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("json"); // compact stdout without the path; empty when refused
        QTest::addColumn<QByteArray>("stderr");
        const QByteArray counts = R"("notes":1,"objects":1,"players":1})"_ba;
        QTest::newRow("a root without child nodes") << "<VELMO>\r\n</VELMO>"_ba << 0 << R"({"maps":2,)"_ba + counts
                                                    << QByteArray();
        QTest::newRow("a key met twice") << "<VELMO><MAPS><MAP id=\"A\"/><MAP id=\"a\"/></MAPS></VELMO>"_ba << 0
            << "{\"maps\":1,\"message\":\"Line 1: the map \\\"a\\\" is listed twice; the import stops there.\",\"notes\":0,"
               "\"objects\":0,\"players\":0}"_ba
            << QByteArray();
        QTest::newRow("not VELMO") << "<maps/>"_ba << 1 << QByteArray() << "in.xml: That file is not a Velmora Map file.\n"_ba;
        QTest::newRow("not XML") << "<VELMO>"_ba << 1 << QByteArray() << "in.xml: Error loading XML file.\n"_ba;
    }

    void mapsImport()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, stderr);
        TestHome home;
        QCOMPARE(cli({u"new"_s, home.file(u"a.vlf"_s)}).exitCode, 0);
        const QString maps = QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/persistence/old-maps.xml"_s;
        QCOMPARE(cli({u"maps"_s, u"import"_s, home.file(u"a.vlf"_s), maps, home.file(u"b.vlf"_s)}).exitCode, 0);
        const Run run = cli({u"maps"_s, u"import"_s, home.file(u"b.vlf"_s), home.write(u"in.xml"_s, xml), home.file(u"c.vlf"_s)});
        QCOMPARE(run.exitCode, exitCode);
        QJsonObject printed = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(printed.take(u"path"_s).toString(), exitCode ? QString() : home.file(u"c.vlf"_s));
        QCOMPARE(printed.isEmpty() ? QByteArray() : QJsonDocument(printed).toJson(QJsonDocument::Compact), json);
        QVERIFY2(run.err.endsWith(stderr), run.err.constData());
        QCOMPARE(QFile::exists(home.file(u"c.vlf"_s)), exitCode == 0);
    }

    void mapsExportedImportAgain()
    {
        // Export from one campaign and import into another gives the same four blocks.
        TestHome home;
        QCOMPARE(cli({u"new"_s, home.file(u"a.vlf"_s)}).exitCode, 0);
        const QString maps = QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/persistence/old-maps.xml"_s;
        QCOMPARE(cli({u"maps"_s, u"import"_s, home.file(u"a.vlf"_s), maps, home.file(u"b.vlf"_s)}).exitCode, 0);
        const Run exported = cli({u"maps"_s, u"export"_s, home.file(u"b.vlf"_s), home.file(u"b.xml"_s)});
        QCOMPARE(QJsonDocument::fromJson(exported.out).toJson(QJsonDocument::Compact),
                 R"({"maps":2,"notes":1,"objects":1,"path":")"_ba + home.file(u"b.xml"_s).toUtf8() + R"(","players":1})"_ba);
        QCOMPARE(cli({u"maps"_s, u"import"_s, home.file(u"a.vlf"_s), home.file(u"b.xml"_s), home.file(u"c.vlf"_s)}).exitCode, 0);
        oVLFile b;
        oVLFile c;
        QVERIFY(b.ParseVLFile(home.file(u"b.vlf"_s)).ok() && c.ParseVLFile(home.file(u"c.vlf"_s)).ok());
        for (const QString &label : {u"MAPS"_s, u"MPLAYERS"_s, u"MOBJECTS"_s, u"MNOTES"_s}) {
            QVERIFY2(b.block(label) && c.block(label), qPrintable(label));
            QCOMPARE(c.block(label)->Items(), b.block(label)->Items());
        }
        QCOMPARE(b.block(u"MNOTES"_s)->Items(), QStringList{u"_1;Pi\u00e8ge spikes;Cave;5;6;"_s});
    }

    void dumpShowsRecords()
    {
        TestHome home;
        QVERIFY(cli({u"new"_s, home.file(u"a.vlf"_s)}).exitCode == 0);
        const Run run = cli({u"dump"_s, home.file(u"a.vlf"_s)});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject dump = QJsonDocument::fromJson(run.out).object();
        for (const char *key : {"weather", "time", "calendar", "classes", "options", "layout", "labels", "webSites"})
            QVERIFY2(dump.contains(QLatin1String(key)), key);
    }

    void docsOfANewCampaign()
    {
        TestHome home;
        home.write(u"Library/b.rtf"_s, "x");
        home.write(u"Library/A.txt"_s, "x");
        home.write(u"Documents/AllCustomClasses.dat"_s, "prestige,Red Wizard,C:\\Red.rtf\r\n");
        QVERIFY(cli({u"new"_s, home.file(u"a.vlf"_s)}).exitCode == 0);
        const Run run = cli({u"docs"_s, home.file(u"a.vlf"_s)});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject docs = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(QJsonDocument(docs[u"slots"_s].toArray()).toJson(QJsonDocument::Compact),
                 R"([{"key":"Notes","path":"\\Documents\\DM Notes.rtf"},{"key":"Last","path":"\\Documents\\Game Last Left Off.rtf"},{"key":"NPCs","path":"\\Documents\\NPCs Have Met.rtf"}])"_ba);
        QStringList shape; // index, caption, item count
        for (const QJsonValue &list : docs[u"lists"_s].toArray())
            shape << u"%1 %2 %3"_s.arg(list[u"index"_s].toInt()).arg(list[u"caption"_s].toString()).arg(list[u"items"_s].toArray().size());
        QCOMPARE(shape, (QStringList{u"0 Standard Classes 11"_s, u"1 Prestige Classes 16"_s, u"2 Custom Links 0"_s, u"3 Articles 6"_s,
                                     u"4 Net Books 9"_s, u"5 Web Sites 5"_s, u"7 Character misc. 0"_s, u"8 Library 2"_s}));
        const QJsonArray prestige = docs[u"lists"_s][1][u"items"_s].toArray();
        QCOMPARE(QJsonDocument(QJsonArray{prestige.first(), prestige.last()}).toJson(QJsonDocument::Compact),
                 R"([{"default":true,"location":"\\Documents\\Arcane Archer.rtf","text":"Arcane Archer"},{"default":false,"location":"C:\\Red.rtf","text":"Red Wizard"}])"_ba);
        QCOMPARE(QJsonDocument(docs[u"lists"_s][7][u"items"_s].toArray()).toJson(QJsonDocument::Compact),
                 R"([{"default":false,"location":"\\Library\\A.txt","text":"A.txt"},{"default":false,"location":"\\Library\\b.rtf","text":"b.rtf"}])"_ba);
    }

    void calendarCommands_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@" is the campaign
        QTest::addColumn<QByteArray>("json");

        QTest::newRow("calendar") << QStringList{u"calendar"_s, u"@"_s}
            << R"({"climate":"temperate","currentDate":"2007:3:4","months":[{"days":31,"name":"January"},{"days":28,"name":"February"},{"days":31,"name":"March"},{"days":30,"name":"April"},{"days":31,"name":"May"},{"days":30,"name":"June"},{"days":31,"name":"July"},{"days":31,"name":"August"},{"days":30,"name":"September"},{"days":31,"name":"October"},{"days":30,"name":"November"},{"days":31,"name":"December"}],"startDate":"2007:1:1","time":"11:59 PM","weather":"Mild","yearLength":365})"_ba;
        QTest::newRow("ordinal") << QStringList{u"calendar"_s, u"@"_s, u"--ordinal"_s, u"2007:3:1"_s}
                                 << R"({"date":"2007:3:1","ordinal":60,"status":0})"_ba;
        QTest::newRow("date") << QStringList{u"calendar"_s, u"@"_s, u"--date"_s, u"365"_s}
                              << R"({"date":"2007:12:31","ordinal":365,"status":0})"_ba;
        QTest::newRow("date outside the year") << QStringList{u"calendar"_s, u"@"_s, u"--date"_s, u"366"_s}
                                               << R"({"date":"","ordinal":366,"status":98})"_ba;
        QTest::newRow("next") << QStringList{u"calendar"_s, u"@"_s, u"--next"_s, u"2007:2:28"_s} << R"({"date":"2007:3:1"})"_ba;
        QTest::newRow("prev") << QStringList{u"calendar"_s, u"@"_s, u"--prev"_s, u"2008:1:1"_s} << R"({"date":"2007:12:31"})"_ba;
        QTest::newRow("agenda in calendar order") << QStringList{u"agenda"_s, u"@"_s}
            << R"([{"date":"2007:1:4","text":"Buy rope"},{"date":"2007:3:4","text":"Meet the guild"}])"_ba;
        QTest::newRow("almanach") << QStringList{u"almanach"_s, u"@"_s} << R"([{"date":"2007:2:1","text":"Festival"}])"_ba;
    }

    void calendarCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, json);
        TestHome home;
        Campaign campaign(home.folder());
        campaign.model.calendar.currentDate = u"2007:3:4"_s;
        campaign.model.time.load({u"11;59;PM"_s});
        campaign.model.weather.load({u"1"_s, u"Mild"_s});
        campaign.model.agenda = {*DatedLine::fromItem(u"2007:3:4;Meet the guild"_s), *DatedLine::fromItem(u"2007:1:4;Buy rope"_s)};
        campaign.model.almanach = {*DatedLine::fromItem(u"2007:2:1;Festival"_s)};
        QVERIFY(campaign.SaveCampaign(home.file(u"c.vlf"_s), false));
        arguments.replaceInStrings(u"@"_s, home.file(u"c.vlf"_s));
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, 0);
        const QJsonDocument document = QJsonDocument::fromJson(run.out);
        QCOMPARE(document.toJson(QJsonDocument::Compact), json);
    }

    void moonPhases()
    {
        TestHome home;
        Campaign campaign(home.folder());
        campaign.model.moons = {*MoonRecord::fromItem(u"Luna;28;2007:1:3"_s)};
        QVERIFY(campaign.SaveCampaign(home.file(u"c.vlf"_s), false));
        const Run run = cli({u"moons"_s, home.file(u"c.vlf"_s)});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray moons = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(moons.size(), 1);
        const QJsonObject luna = moons.first().toObject();
        QCOMPARE(luna.value(u"name"_s).toString(), u"Luna"_s);
        QCOMPARE(luna.value(u"period"_s).toInt(), 28);
        QCOMPARE(luna.value(u"fullDate"_s).toString(), u"2007:1:3"_s);
        QStringList fifthPhase;
        for (const QJsonValue &phase : luna.value(u"phases"_s).toArray()) {
            if (phase.toObject().value(u"phase"_s).toInt() == 5)
                fifthPhase << phase.toObject().value(u"date"_s).toString();
        }
        QCOMPARE(fifthPhase.mid(0, 2), (QStringList{u"2007:1:17"_s, u"2007:2:14"_s}));
    }

    void mapRender_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("counts"); // the JSON ("@" the picture written), or a part of the error line
        QTest::newRow("stretched to --size")
            << QStringList{u"Sample Map"_s, u"--size"_s, u"320x200"_s} << 0
            << R"({"height":200,"mode":2,"notes":0,"objects":1,"path":"@","players":0,"width":320})"_ba;
        QTest::newRow("full size ignores --size")
            << QStringList{u"Sample Map"_s, u"--mode"_s, u"0"_s, u"--size"_s, u"9x9"_s} << 0
            << R"({"height":480,"mode":0,"notes":0,"objects":1,"path":"@","players":0,"width":640})"_ba;
        QTest::newRow("unknown map") << QStringList{u"Nope"_s} << 1 << "has no map 'Nope'"_ba;
    }

    void mapRender()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, counts);
        TestHome home;
        Campaign campaign(home.folder());
        MapRecord map;
        map.picturePath = QString::fromUtf8(VELMORA_SHIPPED_DATA_DIR "/Campaigns/Sample Map.jpg");
        map.gridVisible = true;
        map.gridX = 8;
        campaign.model.maps = {map};
        campaign.model.playerMarkers = {{u"Ann"_s, u"Sample Map"_s, 10, 10, {}}}; // the map hides players
        campaign.model.objectMarkers = {{u"Chest"_s, u"Sample Map"_s, 320, 240, u"/no/such.ico"_s, false}};
        QVERIFY(campaign.SaveCampaign(home.file(u"c.vlf"_s), false));
        const QString out = home.file(u"out.png"_s);
        const Run run = cli(QStringList{u"maps"_s, u"render"_s, home.file(u"c.vlf"_s), options.takeFirst(), out} + options);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == 0)
            QCOMPARE(QJsonDocument::fromJson(run.out).toJson(QJsonDocument::Compact), counts.replace("@", out.toUtf8()));
        else
            QVERIFY2(run.err.contains(counts), run.err.constData());
        QCOMPARE(QFile::exists(out), exitCode == 0);
    }

    void rtfConversions_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("arguments"); // "@" is the input file, "#" the output file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("stdoutPart");
        QTest::addColumn<QByteArray>("stderrPart");

        const QByteArray rtf = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 Hello {\b bold} w\u233?rld\par\qc Centred\par})"_ba;
        QTest::newRow("to text") << rtf << QStringList{u"@"_s, u"--to"_s, u"text"_s} << 0 << "Hello bold w\xc3\xa9rld\nCentred\n"_ba << QByteArray();
        QTest::newRow("to html") << rtf << QStringList{u"@"_s, u"--to"_s, u"html"_s} << 0 << "font-weight:700;\">bold</span>"_ba << QByteArray();
        QTest::newRow("from html") << "<p>One <b>two</b></p><p align=\"center\">three</p>"_ba
                                   << QStringList{u"@"_s, u"--from"_s, u"html"_s, u"--out"_s, u"#"_s} << 0 << "\"path\""_ba << QByteArray();
        QTest::newRow("not rtf") << "plain words"_ba << QStringList{u"@"_s, u"--to"_s, u"text"_s} << 1 << QByteArray() << "at byte"_ba;
        QTest::newRow("usage") << rtf << QStringList{u"@"_s, u"--to"_s, u"pdf"_s} << 2 << QByteArray() << "--to takes text or html, not 'pdf'."_ba;
    }

    void rtfConversions()
    {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, stdoutPart);
        QFETCH(QByteArray, stderrPart);
        TestHome home;
        const QString in = home.write(u"in.doc"_s, input);
        const QString out = home.file(u"out.rtf"_s);
        arguments.replaceInStrings(u"@"_s, in);
        arguments.replaceInStrings(u"#"_s, out);
        const Run run = cli(QStringList{u"rtf"_s} + arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.contains(stdoutPart), run.out.constData());
        QVERIFY2(run.err.contains(stderrPart), run.err.constData());
        if (arguments.contains(u"--out"_s)) {
            // What was written reads back as the same text, bold and centring kept.
            const Run text = cli({u"rtf"_s, out, u"--to"_s, u"html"_s});
            QCOMPARE(text.exitCode, 0);
            QVERIFY(text.out.contains("font-weight:700;\">two</span>"));
            QVERIFY(text.out.contains("align=\"center\""));
        }
    }

    // zip create, list and extract: the JSON of each, a hostile name reported among the
    // notifications with exit 0, and exit 1 without OUT when nothing matches.
    void zipCommands()
    {
        TestHome home;
        home.write(u"src/a.txt"_s, "aaaa");
        home.write(u"src/b.dat"_s, "");
        const QString out = home.file(u"out.zip"_s);
        Run run = cli({u"zip"_s, u"create"_s, out, home.file(u"src/*.txt"_s), home.file(u"src/b.dat"_s), u"--comment"_s, u"hi"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out).toJson(QJsonDocument::Compact),
                 "{\"entries\":[{\"compressedSize\":9,\"name\":\"a.txt\",\"uncompressedSize\":4},"
                 "{\"compressedSize\":0,\"name\":\"b.dat\",\"uncompressedSize\":0}],\"path\":\""_ba +
                     out.toUtf8() + "\"}");
        run = cli({u"zip"_s, u"list"_s, out});
        const QJsonObject listed = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(listed[u"comment"_s].toString(), u"hi"_s);
        const QJsonObject a = listed[u"entries"_s].toArray()[0].toObject();
        QCOMPARE(a[u"crc32"_s].toInteger(), 2912478533);
        QCOMPARE(a[u"method"_s].toInt(), 8);
        QCOMPARE(listed[u"entries"_s].toArray()[1].toObject()[u"method"_s].toInt(), 0);
        run = cli({u"zip"_s, u"extract"_s, QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/zip/dotdot.zip"_s, home.file(u"x"_s)});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject extracted = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(extracted[u"extracted"_s].toInt(), 1);
        QCOMPARE(QJsonDocument(extracted[u"notifications"_s].toArray()[3].toObject()).toJson(QJsonDocument::Compact),
                 "{\"code\":20,\"kind\":\"error\",\"text\":\"Le nom ../evil.txt sort du répertoire cible\"}"_ba);
        run = cli({u"zip"_s, u"create"_s, home.file(u"none.zip"_s), home.file(u"src/*.none"_s)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!QFile::exists(home.file(u"none.zip"_s)));
        QCOMPARE(cli({u"zip"_s, u"extract"_s, out, home.file(u"x"_s), u"--max-ratio"_s, u"0"_s}).exitCode, 2);
    }

    void optionsShownAndRefused()
    {
        TestHome home;
        const QString in = home.file(u"in.vlf"_s);
        QCOMPARE(cli({u"new"_s, in}).exitCode, 0);
        const Run shown = cli({u"options"_s, in});
        QCOMPARE(shown.exitCode, 0);
        const QJsonObject json = QJsonDocument::fromJson(shown.out).object();
        QCOMPARE(json.value(u"options"_s).toObject().value(u"interval"_s).toInt(), 10);
        QCOMPARE(json.value(u"captions"_s).toObject().value(u"CustomCaptionNetBooks"_s).toString(), u"Net Books"_s);
        // One refused setting among good ones writes nothing.
        const QString out = home.file(u"out.vlf"_s);
        const Run refused = cli({u"options"_s, in, out, u"--set"_s, u"TipFlag=FALSE"_s, u"--set"_s, u"interval=4"_s});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err, "velmora-cli: --set interval=4: takes whole minutes from 5 to 15\n"_ba);
        QVERIFY(!QFile::exists(out));
    }

    // archive build: the campaign file alone by default, named relative to the application
    // folder; groups in their own order whatever --groups says; nothing to add is exit 1 and no file.
    void archiveBuild()
    {
        TestHome home;
        const QString campaign = home.file(u"Campaigns/c.vlf"_s);
        home.write(u"Campaigns/x"_s, "");
        QCOMPARE(cli({u"new"_s, campaign}).exitCode, 0);
        home.write(u"Library/b.rtf"_s, "b");
        home.write(u"Library/A.rtf"_s, "a");
        const QString out = home.file(u"a.zip"_s);
        const auto names = [](const Run &run) {
            QStringList listed;
            for (const QJsonValue &entry : QJsonDocument::fromJson(run.out)[u"entries"_s].toArray())
                listed << entry[u"name"_s].toString();
            return listed;
        };
        QCOMPARE(names(cli({u"archive"_s, u"build"_s, campaign, out})), QStringList{u"Campaigns/c.vlf"_s});
        QCOMPARE(names(cli({u"archive"_s, u"build"_s, campaign, out, u"--groups"_s, u"library,vlf"_s})),
                 (QStringList{u"Campaigns/c.vlf"_s, u"Library/A.rtf"_s, u"Library/b.rtf"_s}));
        const Run none = cli({u"archive"_s, u"build"_s, campaign, home.file(u"n.zip"_s), u"--groups"_s, u"links"_s});
        QCOMPARE(none.exitCode, 1);
        QVERIFY(none.err.contains("There were no files to add to archive."));
        QVERIFY(!QFile::exists(home.file(u"n.zip"_s)));
        QCOMPARE(cli({u"archive"_s, u"build"_s, campaign, out, u"--groups"_s, u"vlf,frob"_s}).exitCode, 2);
    }

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run cli(const QStringList &arguments);
};

TestCli::Run TestCli::cli(const QStringList &arguments)
{
    QProcess process;
    process.start(QString::fromUtf8(VELMORA_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCli)
#include "TestCli.moc"
