#include "gui/ui/FileFilterList.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestFileFilterList : public QObject
{
    Q_OBJECT

private slots:
    void qtFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("save dialog of campaigns")
            << u"Velmora 4.0 (*.vlf)|*.vlf|Velmora 4.0 Template (*.vlt)|*.vlt"_s
            << QStringList{u"Velmora 4.0 (*.vlf)"_s, u"Velmora 4.0 Template (*.vlt)"_s};
        QTest::newRow("wildcard inside the extension")
            << u"Any Velmora file (*.vl*)|*.vl*|Velmora 3.0 (*.vls)|*.vls"_s
            << QStringList{u"Any Velmora file (*.vl*)"_s, u"Velmora 3.0 (*.vls)"_s};
        QTest::newRow("masks joined by semicolons become blanks")
            << u"Pictures (*.bmp;*.jpg)|*.bmp;*.jpg"_s << QStringList{u"Pictures (*.bmp *.jpg)"_s};
        QTest::newRow("description naming other things in parentheses")
            << u"Bitmap (256 colours)|*.bmp"_s << QStringList{u"Bitmap (256 colours) (*.bmp)"_s};
        QTest::newRow("extension built from an empty one")
            << u"(*)|*"_s << QStringList{u"*"_s};
        QTest::newRow("dangling description is dropped") << u"Zip (*.zip)|*.zip|Other"_s
                                                         << QStringList{u"Zip (*.zip)"_s};
    }

    void qtFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(FileFilterList(filter).qtFilters(), expected);
    }

    void withDefaultExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("campaign") << u"/c/Foo"_s << 0 << u"/c/Foo.vlf"_s;
        QTest::newRow("template") << u"/c/Foo"_s << 1 << u"/c/Foo.vlt"_s;
        QTest::newRow("own extension kept") << u"/c/Foo.txt"_s << 0 << u"/c/Foo.txt"_s;
        QTest::newRow("dot in the folder only") << u"/c.d/Foo"_s << 0 << u"/c.d/Foo.vlf"_s;
        QTest::newRow("wildcard pair") << u"/c/Foo"_s << 2 << u"/c/Foo"_s;
        QTest::newRow("no pair in use") << u"/c/Foo"_s << -1 << u"/c/Foo"_s;
    }

    void withDefaultExtension()
    {
        QFETCH(QString, typed);
        QFETCH(int, index);
        QFETCH(QString, expected);
        const FileFilterList filters(u"Velmora 4.0 (*.vlf)|*.vlf|Velmora 4.0 Template (*.vlt)|*.vlt|All (*.*)|*.*"_s);
        QCOMPARE(filters.withDefaultExtension(typed, index), expected);
    }
};

QTEST_MAIN(TestFileFilterList)
#include "TestFileFilterList.moc"
