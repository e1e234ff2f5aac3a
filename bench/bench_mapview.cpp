// Speed of the map view on a big map: an 8000 × 8000 picture with a grid and 2000 markers.
// Prints the view's decode (header look, decode off the user-interface thread, conversion to
// the painting format) beside QImageReader's own decode of the same file, then one full
// repaint of the view at full size and stretched, and the repaint of one marker-drag step.
// Usage: bench_mapview [side]  (default 8000)

#include "gui/maps/MapPicture.h"
#include "gui/maps/ucPictureSiz.h"
#include "gui/ui/QtPlatform.h"

#include <QApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

#include "BenchSupport.h"

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;

namespace {

// A picture that compresses like a real map: smooth shading with lines and blobs over it.
QString writePicture(const QString &folder, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, side, side);
    ground.setColorAt(0, QColor(236, 222, 186));
    ground.setColorAt(1, QColor(180, 150, 100));
    painter.fillRect(image.rect(), ground);
    painter.setPen(QPen(QColor(70, 50, 30), 3));
    for (int k = 0; k < 400; ++k)
        painter.drawEllipse(QPoint((k * 7919) % side, (k * 104729) % side), 40 + k % 90, 30 + k % 70);
    painter.end();
    const QString path = folder + u"/map.jpg"_s;
    if (!image.save(path, "JPEG", 85))
        fail("could not write the picture");
    return path;
}

QList<oPlayer> markers(int side)
{
    QList<oPlayer> players;
    for (int k = 0; k < 2000; ++k)
        players.append({ u"P%1"_s.arg(k), u"map"_s, float((k * 37) % side), float((k * 53 * 7) % side), {} });
    return players;
}

void mouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void line(const char *what, double seconds) { std::printf("%-34s %9.1f ms\n", what, seconds * 1e3); }

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int side = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 8000;
    QTemporaryDir dir;
    const QString path = writePicture(dir.path(), side);
    MapPicture::raiseAllocationLimit();
    line("QImageReader::read", best([&] {
        if (QImageReader(path).read().isNull())
            fail("QImageReader could not read the picture");
    }));

    QtPlatform platform;
    ucPictureSiz view(platform);
    view.resize(1280, 800);
    view.show();
    const QList<oPlayer> players = markers(side);
    const auto put = [&](int mode) {
        if (!view.PutPicture(path, mode, true, oGrid { 40, 0, 255 }, players, {}, {}))
            fail("the view refused the picture");
        while (view.isLoading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    };
    line("ucPictureSiz decode (PutPicture)", best([&] { put(0); }));

    for (int mode : { 0, 2 }) {
        put(mode);
        line(mode == 0 ? "full repaint, full size" : "full repaint, stretched",
            best([&] { view.viewport()->repaint(); }));
    }

    // A drag step: the marker's old and new place are repainted, nothing else.
    put(0);
    view.setScrollBar_H_Value(0);
    view.setScrollBar_V_Value(0);
    const QPoint grab(5, 5); // on the first marker, at 0, 0
    mouse(view.viewport(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, grab);
    int step = 0;
    line("marker drag, one step", best([&] {
        mouse(view.viewport(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grab + QPoint(++step * 7, 3));
        QCoreApplication::sendPostedEvents(view.viewport(), QEvent::UpdateRequest);
        QCoreApplication::processEvents();
    }));
    int moved = 0;
    QObject::connect(&view, &ucPictureSiz::PlayerMoved, &view, [&moved] { ++moved; });
    mouse(view.viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, grab + QPoint(step * 7, 3));
    if (moved != 1)
        fail("the marker was not dragged");
    return 0;
}
