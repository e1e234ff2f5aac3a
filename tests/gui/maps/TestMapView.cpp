#include "gui/maps/ucPictureSiz.h"

#include "support/gui/ScriptedPlatform.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QColor Ground(0, 128, 0);
const QColor Marker(255, 0, 0);

void mouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestMapView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_picture = m_dir.filePath(u"Keep.png"_s); // 200 × 100
    QString m_icon = m_dir.filePath(u"Red.png"_s); // 8 × 8
    ScriptedPlatform m_platform;

    // A 400 × 400 view of the picture: stretched, each picture unit is 2 pixels across, 4 down.
    std::unique_ptr<ucPictureSiz> show(
        int mode, const QList<oPlayer> &players, const QList<oObject> &objects = {}, QSize size = { 400, 400 })
    {
        auto view = std::make_unique<ucPictureSiz>(m_platform);
        view->resize(size);
        view->show();
        const bool put = view->PutPicture(m_picture, mode, false, oGrid {}, players, {}, objects);
        if (!put || !QTest::qWaitFor([&] { return !view->isLoading(); }, 5000))
            QTest::qFail("the picture was not shown", __FILE__, __LINE__);
        return view;
    }

    void drag(QWidget *surface, QPoint from, QPoint to)
    {
        mouse(surface, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
        mouse(surface, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, to);
        mouse(surface, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
    }

private slots:
    void initTestCase()
    {
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Ground);
        QVERIFY(picture.save(m_picture));
        QImage icon(8, 8, QImage::Format_RGB32);
        icon.fill(Marker);
        QVERIFY(icon.save(m_icon));
    }

    void init() { m_platform.clearCalls(); }

    void unreadablePictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << m_dir.filePath(u"Gone.png"_s);
        QTest::newRow("not a picture") << QFINDTESTDATA("TestMapView.cpp");
    }

    void unreadablePictures()
    {
        QFETCH(QString, file);
        ucPictureSiz view(m_platform);
        QVERIFY(!view.PutPicture(file, 0, false, oGrid {}, {}, {}, {}));
        QVERIFY(!view.isLoading());
    }

    void centreMarkerAtControlCentre_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wide") << QSize(300, 120);
        QTest::newRow("tall") << QSize(120, 300);
    }

    void centreMarkerAtControlCentre()
    {
        QFETCH(QSize, size);
        const auto view = show(2, { { u"Ann"_s, u"Keep"_s, 100, 50, m_icon } }, {}, size);
        const QImage shown = view->grab().toImage();
        const QPoint centre(size.width() / 2, size.height() / 2);
        QCOMPARE(shown.pixelColor(centre), Marker);
        QCOMPARE(shown.pixelColor(centre - QPoint(1, 1)), Ground);
    }

    void dropReportsPictureUnits()
    {
        const auto view = show(2, { { u"Ann"_s, u"Keep"_s, 10, 10, m_icon } });
        QSignalSpy moved(view.get(), &ucPictureSiz::PlayerMoved);
        drag(view->viewport(), { 25, 45 }, { 105, 205 }); // grabbed 5, 5 inside the marker at 20, 40
        QCOMPARE(moved, (QList<QVariantList> { { u"Ann"_s, 50.0f, 50.0f } }));
        QCOMPARE(view->toolTipAt({ 101, 201 }), u"Ann at 50, 50"_s);
    }

    void fixedObjectIsNotDragged()
    {
        const auto view = show(0, {}, { { u"Statue"_s, u"Keep"_s, 10, 10, m_icon, false } });
        QSignalSpy moved(view.get(), &ucPictureSiz::ObjectMoved);
        drag(view->viewport(), { 12, 12 }, { 80, 80 });
        QCOMPARE(m_platform.trace(),
            QStringList { u"message Object Cannot be Dragged: You must use the editor to move this object."_s });
        QCOMPARE(moved.count(), 0);
        QCOMPARE(view->toolTipAt({ 12, 12 }), u"Statue at 10, 10"_s);
    }

    void middleButtonSteps_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("label");
        QTest::newRow("50 units: nothing") << QPoint(40, 50) << QString();
        QTest::newRow("51 units: a point") << QPoint(41, 50) << u"51"_s;
    }

    void middleButtonSteps()
    {
        QFETCH(QPoint, to);
        QFETCH(QString, label);
        const auto view = show(0, {});
        auto *distance = view->findChild<QLabel *>(u"lblPopDist"_s);
        QVERIFY(distance);
        mouse(view->viewport(), QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, { 10, 10 });
        mouse(view->viewport(), QEvent::MouseMove, Qt::NoButton, Qt::MiddleButton, to);
        QCOMPARE(distance->isVisibleTo(view.get()) ? distance->text() : QString(), label);
        mouse(view->viewport(), QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, to);
        QVERIFY(!distance->isVisibleTo(view.get()));
    }

    void savedFormatFollowsTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bitmap") << u"Map.bmp"_s << QByteArray("bmp");
        QTest::newRow("PNG") << u"Map.PNG"_s << QByteArray("png");
    }

    void savedFormatFollowsTheName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        const auto view = show(0, {});
        QVERIFY(view->SaveMapAsBMP(m_dir.filePath(name)));
        QImageReader saved(m_dir.filePath(name));
        QCOMPARE(saved.format(), format);
        QCOMPARE(saved.size(), QSize(200, 100));
    }

    void scrollKeptWhenShownAgain()
    {
        const auto view = show(0, {}, {}, { 120, 80 });
        view->setScrollBar_H_Value(60);
        // What a visibility toggle does: the same picture again, then the scroll values back.
        QVERIFY(view->PutPicture(m_picture, 0, true, oGrid { 4, 0 }, {}, {}, {}));
        view->setScrollBar_H_Value(60);
        QVERIFY(!view->isLoading());
        QCOMPARE(view->ScrollBar_H_Value(), 60);
    }

    void printsToPdf()
    {
        const auto view = show(2, { { u"Ann"_s, u"Keep"_s, 10, 10, m_icon } });
        const QString pdf = m_dir.filePath(u"Map.pdf"_s);
        m_platform.answerPrinter(pdf);
        QVERIFY(view->PrintPicture());
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.read(5) == "%PDF-");
    }
};

} // namespace Velmora

QTEST_MAIN(Velmora::TestMapView)
#include "TestMapView.moc"
