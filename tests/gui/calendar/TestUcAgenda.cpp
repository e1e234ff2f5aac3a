#include "gui/calendar/ucAgenda.h"
#include "support/gui/GuiHarness.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const oCalendar DefaultCalendar = oCalendar::newCampaignCalendar();
const QString Start = u"2007:1:1"_s;

/// A 16 x 16 picture whose red level tells the phase it stands for.
QByteArray phasePicture(int phase)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(qRgb(phase * 20, 0, 0));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

/// An agenda over an application folder holding the eight phase pictures, shown on screen.
struct Agenda
{
    TestHome home;
    AgendaBook book;
    std::unique_ptr<ucAgenda> agenda;

    Agenda()
    {
        for (int phase = 1; phase <= 8; ++phase)
            home.write(u"Icons/Moon%1.png"_s.arg(phase), phasePicture(phase));
        agenda = std::make_unique<ucAgenda>(home.folder(), book, false);
        agenda->resize(600, 500);
        agenda->show();
        QVERIFY(QTest::qWaitForWindowExposed(agenda.get()));
    }
    template<typename T>
    T *get(const QString &name, int index = -1) const { return requireChild<T>(*agenda, name, index); }
    QPlainTextEdit *editor() const { return get<QPlainTextEdit>(u"txtEdit"_s); }
    QString year() const { return get<QLabel>(u"lblCurrentYear"_s)->text(); }
    // A month's page, brought to the front as a click on its tab does.
    QTreeView *page(int month) const
    {
        get<QTabBar>(u"tbsMonth"_s)->setCurrentIndex(month - 1);
        return get<QTreeView>(u"lsvAgenda"_s, month);
    }
    QVariant cell(int month, int day, int column, int role = Qt::DisplayRole) const
    {
        const QAbstractItemModel *model = page(month)->model();
        return model ? model->data(model->index(day - 1, column), role) : QVariant();
    }
    void clickYear(int index) { get<QPushButton>(u"cmdScrollY"_s, index)->click(); }
    void clickEvents(int month, int day)
    {
        QTreeView *view = page(month);
        const QRect rect = view->visualRect(view->model()->index(day - 1, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    /// Plain tokens are typed; "<Enter>", "<Alt+Enter>", "<Esc>", "<Backspace>" and "<Home>" are
    /// keys.
    void type(const QStringList &tokens)
    {
        static const QHash<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {u"<Enter>"_s, {Qt::Key_Return, Qt::NoModifier}},   {u"<Alt+Enter>"_s, {Qt::Key_Return, Qt::AltModifier}},
            {u"<Esc>"_s, {Qt::Key_Escape, Qt::NoModifier}},     {u"<Backspace>"_s, {Qt::Key_Backspace, Qt::NoModifier}},
            {u"<Home>"_s, {Qt::Key_Home, Qt::ControlModifier}},
        };
        for (const QString &token : tokens) {
            if (keys.contains(token))
                QTest::keyClick(editor(), keys.value(token).first, keys.value(token).second);
            else
                QTest::keyClicks(editor(), token);
        }
    }
};

} // namespace

class TestUcAgenda : public QObject
{
    Q_OBJECT

private slots:
    void pagesFollowTheCalendar_data()
    {
        QTest::addColumn<QStringList>("months");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QString>("startDate"); // the two start date labels

        QTest::newRow("no calendar") << QStringList{} << QStringList{u"Calendar not set"_s} << u"|"_s;
        QTest::newRow("two months") << QStringList{u"Frost;40"_s, u"Thaw;12"_s} << QStringList{u"Frost"_s, u"Thaw"_s}
                                    << u"1372:2:3|1372/2/3"_s;
    }

    void pagesFollowTheCalendar()
    {
        QFETCH(QStringList, months);
        QFETCH(QStringList, tabs);
        QFETCH(QString, startDate);

        Agenda a;
        // A first campaign with its own pages and moons, replaced whole by the second.
        a.agenda->init({{u"2007:1:2"_s, u"old"_s}}, DefaultCalendar, Start, {{u"Eye"_s, 8, u"2007:1:5"_s}}, true);
        oCalendar calendar;
        calendar.Init_4(months + QStringList{QString()}, QString()); // the last line holds no month
        a.agenda->init({{u"2007:1:2"_s, u"kept"_s}}, calendar, startDate.section(u'|', 0, 0), {}, true);

        const QTabBar *bar = a.get<QTabBar>(u"tbsMonth"_s);
        for (int i = 0; i < bar->count(); ++i)
            QCOMPARE(bar->tabText(i), tabs.value(i));
        QCOMPARE(bar->count(), tabs.size());
        // The first month's page is made at once, the others when they are first shown.
        QCOMPARE(a.agenda->findChildren<QTreeView *>(u"lsvAgenda"_s).size(), qMin(1, int(months.size())));
        QCOMPARE(a.get<QLabel>(u"lblCampaignStartDate"_s, 0)->text() + u'|'
                     + a.get<QLabel>(u"lblCampaignStartDate"_s, 1)->text(),
                 startDate);
        QCOMPARE(a.year(), startDate.section(u'|', 0, 0).section(u':', 0, 0));
        if (months.isEmpty())
            return;
        const QAbstractItemModel *model = a.page(1)->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString() + u'|' + model->headerData(1, Qt::Horizontal).toString(),
                 u"Date|Events"_s);
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->rowCount(), 40);
        QCOMPARE(a.cell(2, 12, 0).toString(), u"12"_s);
        QCOMPARE(a.cell(1, 2, 1).toString(), u"kept"_s);
    }

    void yearButtons()
    {
        Agenda a;
        a.agenda->init({{u"2007:3:4"_s, u"feast"_s}}, DefaultCalendar, Start, {}, false);
        QSignalSpy changed(a.agenda.get(), &ucAgenda::yearChanged);
        a.clickYear(1);
        QCOMPARE(a.year(), u"2008"_s);
        QCOMPARE(a.agenda->GetEntries(), (QList<DatedLine>{{u"2008:3:4"_s, u"feast"_s}}));
        a.clickYear(0);
        a.clickYear(0);
        QCOMPARE(a.year(), u"2006"_s);
        QCOMPARE(changed.size(), 3);
    }

    void editing_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changes");

        QTest::newRow("Enter commits") << QStringList{u"!"_s, u"<Enter>"_s} << u"old!"_s << 1;
        QTest::newRow(";  is refused") << QStringList{u"a;b"_s, u"<Enter>"_s} << u"oldab"_s << 1;
        QTest::newRow("Alt+Enter appends a line break") << QStringList{u"<Home>"_s, u"<Alt+Enter>"_s, u"x"_s, u"<Enter>"_s}
                                                        << u"old\r\nx"_s << 1;
        QTest::newRow("Escape drops the edit") << QStringList{u"zzz"_s, u"<Esc>"_s} << u"old"_s << 0;
        QTest::newRow("unchanged: no change event") << QStringList{u"x"_s, u"<Backspace>"_s, u"<Enter>"_s} << u"old"_s << 0;
    }

    void editing()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, text);
        QFETCH(int, changes);

        Agenda a;
        a.agenda->init({{u"2007:3:4"_s, u"old"_s}, {u"2007:3:5"_s, u"next"_s}}, DefaultCalendar, Start, {}, false);
        QSignalSpy changed(a.agenda.get(), &ucAgenda::changed);
        a.clickEvents(3, 4);
        QVERIFY(a.editor()->isVisible());
        QCOMPARE(a.editor()->toPlainText(), u"old"_s);
        a.type(keys);

        QVERIFY(!a.editor()->isVisible());
        QCOMPARE(changed.size(), changes);
        QCOMPARE(a.cell(3, 4, 1, Qt::EditRole).toString(), text);
        QCOMPARE(a.agenda->GetEntries(), (QList<DatedLine>{{u"2007:3:4"_s, text}, {u"2007:3:5"_s, u"next"_s}}));
    }

    void editorOverTheCell()
    {
        Agenda a;
        a.agenda->init({{u"2007:2:1"_s, u"one"_s}, {u"2007:2:2"_s, u"two\r\nlines"_s}}, DefaultCalendar, Start, {}, false);
        QTreeView *page = a.page(2);
        a.clickEvents(2, 1);
        const int oneLine = a.editor()->height();
        QCOMPARE(a.editor()->geometry().topLeft(), page->visualRect(page->model()->index(0, 1)).topLeft());
        QCOMPARE(a.editor()->width(), page->columnWidth(1));
        a.clickEvents(2, 2);
        QCOMPARE(a.editor()->toPlainText(), u"two\nlines"_s);
        const int lineStep = a.editor()->fontMetrics().lineSpacing();
        QCOMPARE(a.editor()->height(), oneLine + lineStep);
        // The page scrolled under an open editor: a new line keeps the box on its cell.
        page->verticalScrollBar()->setValue(page->verticalScrollBar()->value() + 1);
        a.type({u"<Alt+Enter>"_s});
        QCOMPARE(a.editor()->height(), oneLine + 2 * lineStep);
        QCOMPARE(a.editor()->y(), page->visualRect(page->model()->index(1, 1)).top());
        a.type({u"<Esc>"_s});
        QTRY_VERIFY(page->hasFocus());
    }

    void anotherCellCommitsATabDrops()
    {
        Agenda a;
        a.agenda->init({}, DefaultCalendar, Start, {}, false);
        QVERIFY(!a.agenda->IsThereEntries());
        QSignalSpy changed(a.agenda.get(), &ucAgenda::changed);
        a.clickEvents(1, 1);
        a.type({u"first"_s});
        a.clickEvents(1, 2); // commits the open edit
        QCOMPARE(changed.size(), 1);
        a.type({u"second"_s});
        QTest::mouseClick(a.get<QTabBar>(u"tbsMonth"_s), Qt::LeftButton, {},
                          a.get<QTabBar>(u"tbsMonth"_s)->tabRect(3).center());
        QVERIFY(!a.editor()->isVisible());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(a.agenda->GetEntries(), (QList<DatedLine>{{u"2007:1:1"_s, u"first"_s}}));
        QVERIFY(a.page(4)->isVisible());
    }

    void moonColumns()
    {
        Agenda a;
        const QList<MoonRecord> moons{{u"Luna"_s, 28, u"2007:1:3"_s}, {u"Eye"_s, 8, u"2007:1:5"_s}};
        a.agenda->init({}, DefaultCalendar, Start, moons, true);
        const QAbstractItemModel *model = a.page(1)->model();
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString() + u'|' + model->headerData(3, Qt::Horizontal).toString(),
                 u"Luna|Eye"_s);
        // The picture of a phase day is the phase's own; a day without a phase shows none.
        const auto phaseShown = [&](int month, int day, int column) {
            const QVariant picture = a.cell(month, day, column, Qt::DecorationRole);
            return picture.isValid() ? qRed(picture.value<QPixmap>().toImage().pixel(0, 0)) / 20 : 0;
        };
        QCOMPARE(phaseShown(1, 3, 2), 1);
        QCOMPARE(phaseShown(2, 14, 2), 5);
        QCOMPARE(phaseShown(1, 4, 2), 0);
        QCOMPARE(phaseShown(1, 1, 3), 5);
        QCOMPARE(a.cell(1, 3, 2).toString(), QString());

        a.agenda->init({}, DefaultCalendar, Start, moons, false);
        QCOMPARE(a.page(1)->model()->columnCount(), 2);
    }
};

QTEST_MAIN(TestUcAgenda)
#include "TestUcAgenda.moc"
