#include "core/maps/DistancePath.h"
#include "core/maps/MapGeometry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestMapGeometry : public QObject
{
    Q_OBJECT

private slots:
    void gridLines_data()
    {
        QTest::addColumn<oGrid>("grid");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("displayed");
        QTest::addColumn<QList<int>>("vertical");
        QTest::addColumn<QList<int>>("horizontal");
        QTest::newRow("X = 1 draws nothing")
            << oGrid { 1, 4 } << QSize(100, 100) << QSize(100, 100) << QList<int> {} << QList<int> {};
        QTest::newRow("X = 0 draws nothing")
            << oGrid { 0, 0 } << QSize(100, 100) << QSize(100, 100) << QList<int> {} << QList<int> {};
        QTest::newRow("Y = 0 makes square cells")
            << oGrid { 4, 0 } << QSize(100, 60) << QSize(100, 60) << QList<int> { 25, 50, 75 } << QList<int> { 25, 50 };
        QTest::newRow("picture units rounded, halves to even")
            << oGrid { 4, 4 } << QSize(90, 90) << QSize(90, 90) << QList<int> { 22, 44, 66 }
            << QList<int> { 22, 44, 66, 88 };
        QTest::newRow("scaled, then rounded again")
            << oGrid { 3, 2 } << QSize(100, 100) << QSize(150, 50) << QList<int> { 50, 100 } << QList<int> { 25 };
        QTest::newRow("one line even past the bottom")
            << oGrid { 2, 1 } << QSize(100, 100) << QSize(100, 100) << QList<int> { 50 } << QList<int> { 100 };
    }

    void gridLines()
    {
        QFETCH(oGrid, grid);
        QFETCH(QSize, picture);
        QFETCH(QSize, displayed);
        QFETCH(QList<int>, vertical);
        QFETCH(QList<int>, horizontal);
        QCOMPARE(MapGeometry::verticalLines(grid, picture, displayed), vertical);
        QCOMPARE(MapGeometry::horizontalLines(grid, picture, displayed), horizontal);
    }

    void factorsPerAxis()
    {
        const MapFactors factors = MapGeometry::factors({ 200, 100 }, { 400, 400 });
        QCOMPARE(factors.toSurface({ 50, 25 }), QPointF(100, 100));
        QCOMPARE(factors.toPicture({ 100, 100 }), QPointF(50, 25));
    }

    void steps_data()
    {
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("label");
        QTest::newRow("50 units records nothing") << QPointF(30, 20) << 1 << QString();
        QTest::newRow("51 units is a step") << QPointF(51, 0) << 2 << u"51"_s;
        QTest::newRow("measured on the stretched surface") << QPointF(0, 26) << 2 << u"52"_s;
    }

    void steps()
    {
        QFETCH(QPointF, to);
        QFETCH(int, points);
        QFETCH(QString, label);
        DistancePath path({ 1, 2 }, oGrid {}, { 100, 100 });
        path.start({ 0, 0 });
        path.extend(to);
        QCOMPARE(path.points().size(), points);
        QCOMPARE(path.label(), label);
    }

    void capOfPoints()
    {
        DistancePath path({ 1, 1 }, oGrid {}, { 100, 100 });
        path.start({ 0, 0 });
        for (int i = 1; i <= DistancePath::MaxPoints + 5; ++i)
            path.extend({ i * 60.0, 0 });
        QCOMPARE(path.points().size(), DistancePath::MaxPoints);
        QCOMPARE(path.total(), (DistancePath::MaxPoints - 1) * 60);
    }

    void thousands_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << QString();
        QTest::newRow("999") << qint64(999) << u"999"_s;
        QTest::newRow("1234") << qint64(1234) << u"1,234"_s;
        QTest::newRow("1234567") << qint64(1234567) << u"1,234,567"_s;
    }

    void thousands()
    {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(DistancePath::thousands(value), text);
    }

    void squaresAndFeet()
    {
        // Cells of 10 units: four diagonal cells count 4 + 2, then five straight ones.
        DistancePath path({ 1, 1 }, oGrid { 10, 0 }, { 100, 100 });
        path.start({ 5, 5 });
        QVERIFY(path.extend({ 45, 45 }));
        QVERIFY(!path.extend({ 95, 45 }));
        QVERIFY(path.extend({ 96, 45 }));
        QCOMPARE(path.label(), u"108 (11 squares, 55 ft)"_s);
    }
};

} // namespace Velmora

QTEST_APPLESS_MAIN(Velmora::TestMapGeometry)
#include "TestMapGeometry.moc"
