#include "core/documents/CustomClasses.h"
#include "core/documents/ItemOpening.h"
#include "core/documents/ReferenceList.h"
#include "core/documents/ShortcutForm.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestReferenceLists : public QObject
{
    Q_OBJECT

    static QStringList texts(const ReferenceList &list)
    {
        QStringList all;
        for (const ReferenceItem &item : list.items())
            all << item.text;
        return all;
    }

private slots:
    void defaultClasses()
    {
        ReferenceList prestige(ReferenceList::Prestige);
        prestige.fillDefaults();
        QCOMPARE(prestige.items().size(), 15);
        QCOMPARE(prestige.items().at(5),
            (ReferenceItem { u"Dragon Disciple"_s, u"\\Documents\\Dragon Disciple.rtf"_s, u"DragonDisciple"_s, true }));
        prestige.add(u"Red Wizard"_s, u"C:\\Red Wizard.rtf"_s);
        QCOMPARE(prestige.items().last(),
            (ReferenceItem { u"Red Wizard"_s, u"C:\\Red Wizard.rtf"_s, u"RedWizard"_s, false }));
        ReferenceList standard(ReferenceList::Standard);
        standard.fillDefaults();
        QCOMPARE(texts(standard).first(), u"Barbarian"_s);
        QCOMPARE(texts(standard).last(), u"Wizard"_s);
        QCOMPARE(standard.toClasses(), ClassEntry::defaultClasses().mid(0, 11));
    }

    void removal_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<ReferenceList::Removal>("removal");
        QTest::newRow("user class asks nothing")
            << int(ReferenceList::Standard) << 11 << ReferenceList::Removal::Remove;
        QTest::newRow("Barbarian asks") << int(ReferenceList::Standard) << 0 << ReferenceList::Removal::AskFirst;
        QTest::newRow("nothing selected")
            << int(ReferenceList::Standard) << -1 << ReferenceList::Removal::NothingSelected;
        QTest::newRow("net book") << int(ReferenceList::NetBooks) << 0 << ReferenceList::Removal::Remove;
        QTest::newRow("folder list") << int(ReferenceList::Library) << 0 << ReferenceList::Removal::Ignored;
    }

    void removal()
    {
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(ReferenceList::Removal, removal);
        ReferenceList shown(list);
        shown.fillDefaults();
        shown.add(u"Mine"_s, u"mine.rtf"_s);
        QCOMPARE(shown.removal(row), removal);
    }

    void folderListSortedAndKept()
    {
        TestHome home;
        for (const QString &name : { u"b.txt"_s, u"C.rtf"_s, u"A.pdf"_s, u".gitkeep"_s })
            home.write(u"Library/"_s + name, "x");
        ReferenceList library(ReferenceList::Library);
        library.fillFolder(home.folder());
        QCOMPARE(texts(library), (QStringList { u"A.pdf"_s, u"b.txt"_s, u"C.rtf"_s }));
        QCOMPARE(library.items().at(1).location, u"\\Library\\b.txt"_s);
        library.remove(0);
        QCOMPARE(library.items().size(), 3);
    }

    void opening_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("location");
        QTest::addColumn<ItemOpening::Action>("action");
        QTest::addColumn<ItemOpening::Label>("label");
        using A = ItemOpening::Action;
        using L = ItemOpening::Label;
        QTest::newRow("net book pdf") << int(ReferenceList::NetBooks) << u"\\Documents\\Book.PDF"_s << A::Shell
                                      << L::None;
        QTest::newRow("net book txt") << int(ReferenceList::NetBooks) << u"\\Documents\\Book.txt"_s << A::Viewer
                                      << L::Doc;
        QTest::newRow("link html") << int(ReferenceList::Links) << u"C:\\Page.html"_s << A::ShellBusy << L::None;
        QTest::newRow("article htm") << int(ReferenceList::Articles) << u"C:\\Page.htm"_s << A::ShellBusy << L::None;
        QTest::newRow("class pdf") << int(ReferenceList::Standard) << u"C:\\Bard.pdf"_s << A::PathOnly << L::ClassFile;
        QTest::newRow("class rtf") << int(ReferenceList::Prestige) << u"C:\\Bard.rtf"_s << A::Viewer << L::ClassFile;
        QTest::newRow("web site") << int(ReferenceList::WebSites) << u"https://a.org/x.pdf"_s << A::Shell << L::Doc;
        QTest::newRow("character") << int(ReferenceList::Characters) << u"\\Characters\\a.pdf"_s << A::Viewer
                                   << L::None;
        QTest::newRow("library") << int(ReferenceList::Library) << u"\\Library\\a.rtf"_s << A::Viewer << L::Doc;
    }

    void opening()
    {
        QFETCH(int, list);
        QFETCH(QString, location);
        QFETCH(ItemOpening::Action, action);
        QFETCH(ItemOpening::Label, label);
        const ItemOpening opening = ItemOpening::of(list, location);
        QCOMPARE(opening.action, action);
        QCOMPARE(opening.label, label);
        QCOMPARE(opening.relocateMissing, list != ReferenceList::WebSites);
    }

    void customClassesMerged()
    {
        const CustomClasses::Reading reading = CustomClasses::parse(
            "# my classes\r\nprestige,Red Wizard,\\Documents\\Red, Wizard.rtf\r\n\r\nStandard, bard ,C:\\b.rtf\r\n"
            "warlock,Hexer,x.rtf\r\nstandard,Samura\xef;,y.rtf\r\nprestige,Solo\r\nstandard,Warlock,\\Documents\\W."
            "rtf");
        QCOMPARE(reading.problems,
            (QStringList { u"line 5: the first field is \"warlock\", not standard or prestige"_s,
                u"line 6: a class name cannot hold \";\""_s,
                u"line 7: three fields are needed: standard or prestige, the class name, its document"_s }));
        ReferenceList standard(ReferenceList::Standard);
        standard.fillDefaults();
        QCOMPARE(standard.mergeClasses(reading.classes), 1); // "bard" is listed as "Bard"
        QCOMPARE(
            standard.items().last(), (ReferenceItem { u"Warlock"_s, u"\\Documents\\W.rtf"_s, u"Warlock"_s, false }));
        ReferenceList prestige(ReferenceList::Prestige);
        QCOMPARE(prestige.mergeClasses(reading.classes), 1);
        QCOMPARE(prestige.items().first().location, u"\\Documents\\Red, Wizard.rtf"_s);
    }

    void nameOfChosenFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("extension") << u"/home/gm/Books/Deep Caves.rtf"_s << u"Deep Caves"_s;
        QTest::newRow("last dot") << u"C:\\Books\\Keep.v2.txt"_s << u"Keep.v2"_s;
        QTest::newRow("no dot") << u"/home/gm/README"_s << u"README"_s;
        QTest::newRow("dot in folder only") << u"/home/gm.d/README"_s << u"README"_s;
    }

    void nameOfChosenFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(ShortcutForm::nameOfFile(path), name);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestReferenceLists)
#include "TestReferenceLists.moc"
