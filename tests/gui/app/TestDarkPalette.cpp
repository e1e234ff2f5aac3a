#include "core/calendar/AgendaBook.h"
#include "gui/app/VelmoraSplash.h"
#include "gui/calendar/ucAgenda.h"
#include "gui/maps/ucPictureSiz.h"
#include "gui/table/frmRandom.h"
#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"
#include "support/gui/ScriptedPlatform.h"

#include "TestConfig.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The desktop's dark palette, as a dark theme gives it.
QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::AlternateBase, QColor(0x2c, 0x2c, 0x2c));
    for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::Dark, QColor(0x1c, 0x1c, 0x1c));
    return dark;
}

double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrast(QRgb a, QRgb b)
{
    const double one = luminance(a);
    const double other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

// The strongest contrast in `area` of `image` against the area's top-left pixel, its background:
// what the eye has to tell a mark or a text by.
double strongest(const QImage &image, QRect area)
{
    const QRgb background = image.pixel(area.topLeft());
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, contrast(image.pixel(x, y), background));
    }
    return best;
}

constexpr double ReadableText = 4.5; // text
constexpr double VisibleMark = 3.0;  // pictures and marks

} // namespace

// The program under a dark desktop palette: what it paints itself stays readable.
class TestDarkPalette : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setPalette(darkPalette()); }

    // Every moon picture, the new moon's dark disc too, and every day number of a page.
    void agendaDaysAndMoons()
    {
        TestHome home(TestHome::Shipped);
        AgendaBook book;
        ucAgenda agenda(home.folder(), book, true);
        agenda.init({}, oCalendar::newCampaignCalendar(), u"2007:1:1"_s, {{u"Luna"_s, 8, u"2007:1:1"_s}}, true);
        agenda.resize(600, 800);
        agenda.show();
        QVERIFY(QTest::qWaitForWindowExposed(&agenda));
        QTreeView *page = requireChild<QTreeView>(agenda, u"lsvAgenda"_s, 1);
        const QImage shot = page->viewport()->grab().toImage();
        int moons = 0;
        for (int row = 0; row < 8; ++row) {
            const QModelIndex day = page->model()->index(row, 0);
            const QModelIndex moon = page->model()->index(row, 2);
            QVERIFY2(strongest(shot, page->visualRect(day)) >= ReadableText, qPrintable(u"day %1"_s.arg(row + 1)));
            QVERIFY2(strongest(shot, page->visualRect(moon)) >= VisibleMark, qPrintable(u"moon %1"_s.arg(row + 1)));
            moons += moon.data(Qt::DecorationRole).isValid();
        }
        QCOMPARE(moons, 8); // every phase, one a day
    }

    // Beside the map the view shows the palette's own dark colour, never a fixed light one.
    void mapViewSurround()
    {
        ScriptedPlatform platform;
        ucPictureSiz view(platform);
        view.resize(900, 700);
        view.show();
        QVERIFY(view.PutPicture(QStringLiteral(VELMORA_SHIPPED_DATA_DIR "/Campaigns/Sample Map.jpg"), 0, false, {}, {},
                                {}, {}));
        QVERIFY(QTest::qWaitFor([&] { return !view.isLoading(); }, 5000));
        const QImage shot = view.viewport()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() - 2, shot.height() - 2)), darkPalette().color(QPalette::Dark));
    }

    void splashTexts()
    {
        VelmoraSplash splash;
        splash.ShowLoadingMessage(u"Loading default pictures"_s);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QImage shot = splash.grab().toImage();
        const QList<QLabel *> labels = splash.findChildren<QLabel *>();
        QCOMPARE(labels.size(), 3);
        for (const QLabel *label : labels) {
            const QRect area(label->mapTo(&splash, QPoint()), label->size());
            QVERIFY2(strongest(shot, area) >= ReadableText, qPrintable(label->text()));
        }
    }

    // The refused field's yellow comes with dark text, whatever the palette's text colour.
    void refusedRangeFieldText()
    {
        ScriptedPlatform platform;
        frmRandom dialog(platform);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *to = requireChild<QLineEdit>(dialog, u"txtTo"_s);
        to->setFocus();
        to->selectAll();
        QTest::keyClicks(to, u"0"_s);
        requireChild<QLineEdit>(dialog, u"txtFrom"_s)->setFocus();
        QCOMPARE(to->palette().color(QPalette::Base), QColor(Qt::yellow));
        QVERIFY(contrast(to->palette().color(QPalette::Text).rgb(), QColor(Qt::yellow).rgb()) >= ReadableText);
    }
};

QTEST_MAIN(TestDarkPalette)
#include "TestDarkPalette.moc"
