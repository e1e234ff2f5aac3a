#include "core/calendar/AgendaBook.h"
#include "core/calendar/AgendaReport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const oCalendar Default = oCalendar::newCampaignCalendar();

/// "date;text" items as entries, split at the first ";" whatever the date holds.
QList<DatedLine> entriesOf(const QStringList &items)
{
    QList<DatedLine> entries;
    for (const QString &item : items)
        entries << DatedLine{item.section(u';', 0, 0), item.section(u';', 1)};
    return entries;
}

} // namespace

class TestAgenda : public QObject
{
    Q_OBJECT

private slots:
    void entries_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("calendar order") << QStringList{u"2007:3:4;b"_s, u"2007:12:31;c"_s, u"2007:1:2;a"_s}
                                        << QStringList{u"2007:1:2;a"_s, u"2007:3:4;b"_s, u"2007:12:31;c"_s};
        QTest::newRow("March 4 of two years: the last placed shows")
            << QStringList{u"2007:3:4;first"_s, u"2008:3:4;second"_s} << QStringList{u"2007:3:4;second"_s};
        QTest::newRow("same date twice: the second dropped")
            << QStringList{u"2007:3:4;first"_s, u"2007:3:4;second"_s} << QStringList{u"2007:3:4;first"_s};
        QTest::newRow("an empty text placed last empties the day")
            << QStringList{u"2007:3:4;first"_s, u"2009:03:04;"_s} << QStringList{};
        QTest::newRow("outside the calendar or unreadable")
            << QStringList{u"2007:2:29;a"_s, u"2007:13:1;b"_s, u"2007:3;c"_s, u"2007:5:0;d"_s} << QStringList{};
        QTest::newRow("line breaks and separators kept") << QStringList{u"2007:5:1;two\r\nlines"_s, u"2007:5:2;a;b"_s}
                                                         << QStringList{u"2007:5:1;two\r\nlines"_s, u"2007:5:2;a;b"_s};
    }

    void entries()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, entries);

        AgendaBook book;
        book.init(entriesOf(stored), Default, u"2007:1:1"_s, {});
        QCOMPARE(book.GetEntries(), entriesOf(entries));
        QCOMPARE(book.IsThereEntries(), !entries.isEmpty());
    }

    void yearShownStampsTheEntries_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<QString>("year");

        QTest::newRow("as started") << u"2007:5:5"_s << QList<int>{} << u"2007"_s;
        QTest::newRow("one year on") << u"2007:1:1"_s << QList<int>{1} << u"2008"_s;
        QTest::newRow("two back") << u"2007:1:1"_s << QList<int>{0, 0} << u"2005"_s;
        QTest::newRow("year not a number") << u"abc:1:1"_s << QList<int>{1} << u"abc"_s;
    }

    void yearShownStampsTheEntries()
    {
        QFETCH(QString, start);
        QFETCH(QList<int>, buttons);
        QFETCH(QString, year);

        AgendaBook book;
        book.init(entriesOf({u"2003:7:4;feast"_s}), Default, start, {});
        QCOMPARE(book.StartDate(), start);
        for (int button : buttons)
            book.ScrollYear(button);
        QCOMPARE(book.CurrentYear(), year);
        QCOMPARE(book.GetEntries(), entriesOf(QStringList{year + u":7:4;feast"_s}));
    }

    void editingAndMoons()
    {
        AgendaBook book;
        const QList<MoonRecord> moons{{u"Luna"_s, 28, u"2007:1:3"_s}, {u"Eye"_s, 8, u"2007:1:5"_s}};
        book.init(entriesOf({u"2007:3:4;old"_s}), Default, u"2007:1:1"_s, moons);
        QCOMPARE(book.RowCount(2), 28);
        QVERIFY(book.SetText(2, 28, u"new"_s));
        QVERIFY(!book.SetText(2, 28, u"new"_s)); // unchanged: no change event
        QVERIFY(!book.SetText(2, 29, u"x"_s));   // no such row
        QVERIFY(book.SetText(3, 4, QString()));
        QCOMPARE(book.GetEntries(), entriesOf(QStringList{u"2007:2:28;new"_s}));

        QCOMPARE(book.Moons().size(), 2);
        QCOMPARE(book.PhaseAt(0, 1, 17), 5);
        QCOMPARE(book.PhaseAt(0, 1, 4), 0);
        QCOMPARE(book.PhaseAt(1, 1, 1), 5);
        book.ScrollYear(1); // the same days whatever year is shown
        QCOMPARE(book.PhaseAt(0, 2, 14), 5);

        book.init(entriesOf({u"2007:3:4;lost"_s}), oCalendar(), QString(), moons);
        QVERIFY(!book.IsCalendarSet());
        QCOMPARE(book.PageCount(), 0);
        QVERIFY(!book.IsThereEntries());
        QCOMPARE(book.PhaseAt(0, 1, 3), 0);
    }

    void report()
    {
        const QList<DatedLine> entries = entriesOf({u"2007:1:2;Buy rope"_s, u"2007:13:4;two\r\nlines"_s});
        using Type = AgendaReport::Line::Type;
        const QString rule(71, u'=');
        const QList<AgendaReport::Line> expected{
            {Type::Rule, rule}, {Type::CampaignFile, u"Campaign file: Greyhawk.vlf;   2008/January/5"_s},
            {Type::Title, u"Almanach Event List"_s}, {Type::Rule, rule}, {Type::Blank, QString()},
            {Type::EntryDate, u"2007:January:2"_s}, {Type::EntryText, u"     Buy rope"_s}, {Type::Blank, QString()},
            {Type::EntryDate, u"2007::4"_s}, {Type::EntryText, u"     two\r\nlines"_s}, {Type::Blank, QString()},
            {Type::Rule, rule},
        };
        QCOMPARE(AgendaReport::Collate(AgendaReport::Kind::Almanach, entries, {u"January"_s, u"February"_s},
                                       u"C:\\Velmora\\Campaigns\\Greyhawk.vlf"_s, u"2008/January/5"_s),
                 expected);
        QCOMPARE(AgendaReport::Collate(AgendaReport::Kind::Agenda, {}, {}, u"/home/gm/Old.vlf"_s, u"x"_s).at(1).text,
                 u"Campaign file: Old.vlf;   x"_s);
    }

    void menuAndTexts()
    {
        using Kind = AgendaReport::Kind;
        const auto menu = [](int tab, bool agendaFilled, bool almanachFilled) {
            const AgendaReport::MenuState state = AgendaReport::CollateMenu(tab, agendaFilled, almanachFilled);
            return state.caption + (state.enabled ? u" (on)"_s : u" (off)"_s);
        };
        QCOMPARE(menu(0, true, false), u"Collate Agenda ToDo list (on)"_s);
        QCOMPARE(menu(0, false, true), u"Collate Agenda ToDo list (off)"_s);
        QCOMPARE(menu(1, false, true), u"Collate Almanach Event list (on)"_s);
        QCOMPARE(menu(1, true, false), u"Collate Almanach Event list (off)"_s);
        QCOMPARE(menu(2, true, true), u"Collate Agenda ToDo list (off)"_s); // statistics in front

        // The other texts are checked where the report window shows them.
        QCOMPARE(AgendaReport::SaveDialogTitle(Kind::Agenda), u"Save Agenda ToDo List as RichTextFile"_s);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestAgenda)
#include "TestAgenda.moc"
