#include "gui/documents/DocumentViewer.h"
#include "gui/documents/QuickTables.h"

#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestQuickTables : public QObject
{
    Q_OBJECT

private slots:
    void buttonsInTheirFrames()
    {
        TestHome home;
        QuickTables tables(home.folder(), nullptr);
        QStringList frames;
        for (int index = 0; index < QuickTables::Count; ++index) {
            auto *button = requireChild<QPushButton>(tables, u"ObjectsCommand"_s, index);
            QCOMPARE(button->toolTip(), u"Click to load file"_s);
            for (auto *frame : tables.findChildren<QGroupBox *>()) {
                if (frame->layout()->indexOf(button) >= 0)
                    frames << frame->title() + u": "_s + button->text();
            }
        }
        QCOMPARE(frames,
            (QStringList { u"Hardness And HP: Objects"_s, u"Hardness And HP: Substances"_s,
                u"Hardness And HP: Armor, Weapons, And Shields"_s, u"Movement: Mounts And Vehicles"_s,
                u"Movement: Movement And Distance"_s, u"Movement: Terrain And Overland"_s, u"Movement: Hampered"_s,
                u"Misc. Tables: Actions In Combat"_s, u"Misc. Tables: Encounters"_s,
                u"Misc. Tables: Exchange Value of Coins"_s, u"Misc. Tables: Light Sources And Illumination"_s,
                u"Misc. Tables: Skill Synergies"_s }));
    }

    // A press asks about the viewer's edits first, then shows the table and its path.
    void loadsIntoTheViewer()
    {
        TestHome home;
        ScriptedPlatform platform;
        DocumentViewer viewer(platform, ViewerEditing::Place::Above, u"lblDoc"_s);
        QuickTables tables(home.folder(), &viewer);
        const QString encounters = home.write(u"Library/Encounters.rtf"_s, "{\\rtf1 Encounter table\\par}");
        const QString coins = home.write(u"Library/Exchange Value Of Coins.rtf"_s, "{\\rtf1 Coins\\par}");
        requireChild<QPushButton>(tables, u"ObjectsCommand"_s, 8)->click();
        QCOMPARE(viewer.view()->toPlainText(), u"Encounter table"_s);
        QCOMPARE(requireChild<QLabel>(viewer, u"lblDoc"_s)->text(), encounters);
        requireChild<QCheckBox>(viewer, u"chkEdit"_s)->click();
        viewer.view()->insertPlainText(u"x"_s);
        requireChild<QPushButton>(tables, u"ObjectsCommand"_s, 9)->click();
        QCOMPARE(platform.trace(),
            QStringList { u"message Save Data: This file has been modified.\r\nSave those changes ?"_s });
        QCOMPARE(viewer.view()->toPlainText(), u"Coins"_s);
        QCOMPARE(viewer.loadedFile(), coins);
        QCOMPARE(home.read(u"Library/Encounters.rtf"_s), QByteArray("{\\rtf1 Encounter table\\par}"));
    }
};

QTEST_MAIN(TestQuickTables)
#include "TestQuickTables.moc"
