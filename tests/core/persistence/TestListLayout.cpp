#include "core/persistence/ListLayout.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestListLayout : public QObject
{
    Q_OBJECT

private slots:
    void load_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<int>("index");        // the one item of toItems() that differs from the defaults
        QTest::addColumn<QString>("expected"); // "" when nothing differs

        QTest::newRow("tabs") << QStringList{u"Tabs;2;1;0;1;3"_s} << true << 0 << u"Tabs;2;1;0;1;3"_s;
        QTest::newRow("tabs, trailing missing") << QStringList{u"Tabs;6"_s} << true << 0 << u"Tabs;6;0;0;0;1"_s;
        QTest::newRow("tab not a number") << QStringList{u"Tabs;x;1;;1;2"_s} << false << 0 << u"Tabs;0;1;0;1;2"_s;
        QTest::newRow("tab below zero") << QStringList{u"Tabs;-1;1"_s} << false << 0 << u"Tabs;0;1;0;0;1"_s;
        QTest::newRow("widths") << QStringList{u"Lmoon;2000;1200.5;0;45"_s} << true << 1 << u"Lmoon;2000;1200.5;0;45"_s;
        QTest::newRow("trailing widths missing") << QStringList{u"Lmoon;2000"_s} << true << 1
                                                 << u"Lmoon;2000;899.7166;1599.874;0"_s;
        QTest::newRow("more widths than columns") << QStringList{u"LXP;1;2;3;4;5"_s} << true << 2 << u"LXP;1;2;3"_s;
        QTest::newRow("width not a number") << QStringList{u"Lmoon;wide;100"_s} << false << 1
                                            << u"Lmoon;1399.748;100;1599.874;0"_s;
        QTest::newRow("decimal comma") << QStringList{u"Lmoon;1399,5"_s} << false << 1 << QString();
        QTest::newRow("negative width") << QStringList{u"Lbblist;-15"_s} << false << 9 << QString();
        QTest::newRow("no such width") << QStringList{u"Lmaps;inf;nan;1e30"_s} << false << 14 << QString();
        QTest::newRow("unknown key") << QStringList{u"Lfoo;1;2"_s, u"LMOON;5"_s, QString()} << true << 1 << QString();
        QTest::newRow("last item wins") << QStringList{u"Lplayers;100"_s, u"Lplayers;200"_s} << true << 16
                                        << u"Lplayers;200;0;0;0;0;0"_s;
    }

    void load()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, understood);
        QFETCH(int, index);
        QFETCH(QString, expected);

        ListLayout layout = ListLayout::defaults();
        QCOMPARE(layout.load(items), understood);

        QStringList written = ListLayout::defaults().toItems();
        if (!expected.isEmpty())
            written[index] = expected;
        QCOMPARE(layout.toItems(), written);

        ListLayout again;
        QVERIFY(again.load(written));
        QCOMPARE(again, layout);
    }

    void pixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");

        QTest::newRow("column") << 1399.748 << 93;
        QTest::newRow("whole") << 1440.0 << 96;
        QTest::newRow("half a pixel") << 22.5 << 2;
        QTest::newRow("hidden") << 0.0 << 0;
        QTest::newRow("left of the screen") << -60.0 << -4;
        QTest::newRow("beyond any screen") << 1e30 << 1000000;
        QTest::newRow("not a number") << qQNaN() << 0;
    }

    void pixels()
    {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(ListLayout::toPixels(twips), pixels);
    }

    void pixelsBack()
    {
        QCOMPARE(ListLayout::fromPixels(96), 1440.0f);
        QCOMPARE(ListLayout::fromPixels(-4), -60.0f);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestListLayout)
#include "TestListLayout.moc"
