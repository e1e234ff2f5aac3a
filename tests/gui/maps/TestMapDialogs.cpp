#include "gui/maps/frmMap.h"

#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QString Duplicate = u"There is already a map by that name in the collection."_s;

QList<MapEntry> mapsKeyed(const QStringList &keys)
{
    QList<MapEntry> maps;
    for (const QString &key : keys)
        maps.append({ key, key, {} });
    return maps;
}

// The message boxes shown, one line each: title, icon (1 information, 3 exclamation) and text.
QStringList messages(const ScriptedPlatform &platform)
{
    QStringList shown;
    for (const auto &call : platform.callsOf(ScriptedPlatform::Kind::Message))
        shown << call.title + u'|' + QString::number(int(call.icon)) + u'|' + call.text;
    return shown;
}

void retype(QDialog &dialog, const QString &field, const QString &keys)
{
    QLineEdit *edit = requireChild<QLineEdit>(dialog, field);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

} // namespace

class TestMapDialogs : public QObject
{
    Q_OBJECT

private slots:
    void mapPicture_data()
    {
        QTest::addColumn<QStringList>("files"); // in the application folder before the choice
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("shown"); // "%1" stands for the application folder
        QTest::addColumn<QString>("stored");
        const QString renamed = Duplicate + u"\r\nThis new map will be renamed '%2' and moved to '%1/Campaigns'"_s;
        QTest::newRow("new key") << QStringList { u"Pictures/Cave.jpg"_s } << u"Pictures/Cave.jpg"_s << QStringList()
                                 << u"\\Pictures\\Cave.jpg"_s;
        QTest::newRow("same name copied to _1")
            << QStringList { u"Pictures/Keep.jpg"_s, u"Campaigns/Keep.jpg"_s } << u"Pictures/Keep.jpg"_s
            << QStringList { u"Map Duplicate|3|"_s + renamed.arg(u"%1"_s, u"Keep_1"_s) }
            << u"\\Campaigns\\Keep_1.jpg"_s;
        QTest::newRow("then _2") << QStringList { u"Pictures/Keep.jpg"_s, u"Campaigns/Keep.jpg"_s,
            u"Campaigns/Keep_1.jpg"_s }
                                 << u"Pictures/Keep.jpg"_s
                                 << QStringList { u"Map Duplicate|3|"_s + renamed.arg(u"%1"_s, u"Keep_2"_s) }
                                 << u"\\Campaigns\\Keep_2.jpg"_s;
        QTest::newRow("same name under Campaigns refused")
            << QStringList { u"Campaigns/Old/Keep.jpg"_s } << u"Campaigns/Old/Keep.jpg"_s
            << QStringList { u"Map Duplicate|3|"_s + Duplicate } << QString();
        QTest::newRow("copy failing") << QStringList { u"Pictures/Keep.jpg"_s, u"Campaigns"_s }
                                      << u"Pictures/Keep.jpg"_s << QStringList { u"File Error|1|Error copying file."_s }
                                      << QString();
    }

    void mapPicture()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        QFETCH(QStringList, shown);
        QFETCH(QString, stored);
        TestHome home;
        for (const QString &file : files)
            home.write(file, "picture");
        ScriptedPlatform platform;
        frmMap dialog(platform, home.folder());
        dialog.init({}, {}, false, oGrid(), mapsKeyed({ u"Keep"_s, u"Dungeon"_s }), true);
        platform.answerFile(home.file(chosen));
        requireChild<QPushButton>(dialog, u"cmdBrowse"_s)->click();

        for (QString &line : shown)
            line.replace(u"%1"_s, home.path());
        QCOMPARE(messages(platform), shown);
        QCOMPARE(platform.calls().first().request.filter,
            u"JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*bmp|Other format (*.*)|*.*"_s);
        QCOMPARE(dialog.MapFilename(), stored);
        QCOMPARE(dialog.MapName(), dialog.MapKey());
        QCOMPARE(requireChild<QPushButton>(dialog, u"cmdOK"_s)->isEnabled(), !stored.isEmpty());
        if (!stored.isEmpty())
            QCOMPARE(home.read(stored.mid(1).replace(u'\\', u'/')), "picture");
    }

    void mapGrid_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<bool>("divisions");
        QTest::addColumn<QString>("y");
        QTest::addColumn<oGrid>("grid");
        QTest::newRow("X empty is 0") << QString() << false << QString() << oGrid { 0, 0, 255 };
        QTest::newRow("letters rejected") << u"1a2"_s << true << u"x5."_s << oGrid { 12, 5, 255 };
        QTest::newRow("Y only with its option") << u"8"_s << false << u"5"_s << oGrid { 8, 0, 255 };
        QTest::newRow("Y empty is 0") << u"8"_s << true << QString() << oGrid { 8, 0, 255 };
    }

    void mapGrid()
    {
        QFETCH(QString, x);
        QFETCH(bool, divisions);
        QFETCH(QString, y);
        QFETCH(oGrid, grid);
        TestHome home;
        ScriptedPlatform platform;
        frmMap dialog(platform, home.folder());
        dialog.init(u"Keep"_s, u"C:\\Maps\\Keep.jpg"_s, true, oGrid { 4, 3, 255 }, {}, false);
        requireChild<QRadioButton>(dialog, divisions ? u"optDivisions"_s : u"optSame"_s)->click();
        retype(dialog, u"txtX"_s, x);
        retype(dialog, u"txtY"_s, y);
        QCOMPARE(dialog.Grid(), grid);
        QCOMPARE(dialog.MapFilename(), u"C:\\Maps\\Keep.jpg"_s);
    }
};

QTEST_MAIN(TestMapDialogs)
#include "TestMapDialogs.moc"
