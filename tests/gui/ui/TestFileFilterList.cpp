#include "gui/ui/FileFilterList.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestFileFilterList : public QObject
{
    Q_OBJECT

private slots:
    void qtFilters_data();
    void qtFilters();
};

void TestFileFilterList::qtFilters_data()
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

void TestFileFilterList::qtFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(FileFilterList(filter).qtFilters(), expected);
}

QTEST_MAIN(TestFileFilterList)
#include "TestFileFilterList.moc"
