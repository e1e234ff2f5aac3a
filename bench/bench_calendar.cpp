// Speed of building a campaign calendar and of converting dates to day numbers and back.
// Usage: bench_calendar [conversions]  (default 1000000)

#include "BenchSupport.h"

#include "core/calendar/oCalendar.h"

#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;


namespace {


/// The default calendar for 12 months; otherwise `months` months of 28 to 31 days, named
/// Month1, Month2, ...
QString definitionOf(int months)
{
    if (months == 12)
        return oCalendar::defaultDefinition();
    QStringList fields{QString::number(months)};
    for (int m = 1; m <= months; ++m)
        fields << u"Month%1_%2"_s.arg(m).arg(28 + m % 4);
    return fields.join(u';');
}



void measure(int months, qint64 conversions)
{
    const QString definition = definitionOf(months);
    oCalendar calendar;
    const double build = best([&] {
        if (calendar.init(definition, u"2007:1:1"_s))
            fail("the calendar was refused");
    });
    const int days = calendar.YearLenght();
    std::printf("%4d months, %5d days: build %8.3f ms\n", months, days, build * 1e3);

    // The dates of the whole year, made before timing: the lookups alone are measured.
    QStringList dates;
    for (int n = 1; n <= days; ++n)
        dates << calendar.GetDateFromOrdinal(n).date;

    qint64 sum = 0;
    const double toNumber = best([&] {
        for (qint64 i = 0; i < conversions; ++i)
            sum += calendar.GetOrdinalFromDate(dates.at(i % days)).dayNumber;
    });
    const double toDate = best([&] {
        for (qint64 i = 0; i < conversions; ++i)
            sum += calendar.GetDateFromOrdinal(int(i % days) + 1).date.size();
    });
    if (sum == 0)
        fail("no conversion found anything");
    std::printf("  %lld dates to day numbers  %8.1f ms  (%.0f ns each)\n", conversions, toNumber * 1e3,
                toNumber * 1e9 / double(conversions));
    std::printf("  %lld day numbers to dates  %8.1f ms  (%.0f ns each)\n", conversions, toDate * 1e3,
                toDate * 1e9 / double(conversions));
}

} // namespace

int main(int argc, char **argv)
{
    const qint64 conversions = argc > 1 ? std::atoll(argv[1]) : 1000000;
    if (conversions < 1)
        fail("the number of conversions must be positive");
    std::printf("best of %d runs\n", Bench::Runs);
    measure(12, conversions);
    measure(1000, conversions);
    return 0;
}
