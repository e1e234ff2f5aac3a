#include "gui/documents/ShortcutRelocator.h"
#include "support/gui/GuiHarness.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestShortcutRelocator : public QObject
{
    Q_OBJECT

private slots:
    void relocate_data()
    {
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QString>("chosen"); // relative to the application folder, "" cancels
        QTest::addColumn<QStringList>("locations");
        const QStringList before{u"C:\\Old\\Tome.rtf"_s, u"C:\\Old\\Guide.rtf"_s, u"D:/Else/Map.txt"_s};
        QTest::newRow("not looked for") << QList{MessageAnswer::No} << u"Books/Guide.rtf"_s << before;
        QTest::newRow("dialog cancelled") << QList{MessageAnswer::Yes} << QString() << before;
        QTest::newRow("this item only") << QList{MessageAnswer::Yes, MessageAnswer::No} << u"Books/Guide2.rtf"_s
                                        << QStringList{before[0], u"\\Books\\Guide2.rtf"_s, before[2]};
        QTest::newRow("propagated") << QList{MessageAnswer::Yes, MessageAnswer::Yes} << u"Books/Guide2.rtf"_s
                                    << QStringList{u"\\Books\\Tome.rtf"_s, u"\\Books\\Guide2.rtf"_s, u"\\Books\\Map.txt"_s};
    }

    void relocate()
    {
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, chosen);
        QFETCH(QStringList, locations);
        TestHome home;
        ScriptedPlatform platform;
        for (MessageAnswer answer : answers)
            platform.answerMessage(answer);
        platform.answerFile(chosen.isEmpty() ? QString() : home.file(chosen));
        QList<Shortcut> items{{u"Tome"_s, u"C:\\Old\\Tome.rtf"_s}, {u"Guide"_s, u"C:\\Old\\Guide.rtf"_s},
                              {u"Map"_s, u"D:/Else/Map.txt"_s}};

        const QString found = ShortcutRelocator(platform, home.folder()).relocate(items, 1);
        QStringList after;
        for (const Shortcut &item : items)
            after << item.location;
        QCOMPARE(after, locations);
        QCOMPARE(found, answers.size() == 2 ? home.file(chosen) : QString());
        QCOMPARE(platform.calls().at(0).text, u"Ths file may have moved.\r\nWould you like to look for its new localisaton ?"_s);
        if (answers.size() == 2)
            QCOMPARE(platform.trace().last(), u"message Propagate Change: Do you whish to propagate that change to all other list items ?"_s);
        if (answers.first() == MessageAnswer::Yes) {
            const FileDialogRequest request = platform.callsOf(ScriptedPlatform::Kind::OpenFile).at(0).request;
            QCOMPARE(request.title, u"Find File New Localisation"_s);
            QCOMPARE(request.filter, u"(*.rtf)|*.rtf"_s);
            QCOMPARE(request.initialFolder, u"C:/Old/"_s); // the stored path as found on this machine
            QCOMPARE(request.initialFileName, u"Guide.rtf"_s);
            QVERIFY(request.fileMustExist);
        }
    }
};

QTEST_MAIN(TestShortcutRelocator)
#include "TestShortcutRelocator.moc"
