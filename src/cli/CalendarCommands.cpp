#include "cli/CalendarCommands.h"

#include "cli/CliCall.h"
#include "core/calendar/AgendaBook.h"
#include "core/calendar/oCalendar.h"
#include "core/calendar/oMoon.h"
#include "core/persistence/Campaign.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QStringList kClimates = { u"cold"_s, u"temperate"_s, u"desert"_s };

} // namespace

bool CalendarCommands::load(CliCall &call, Campaign &campaign)
{
    const QString path = call.argument(0);
    if (!call.inputExists(path))
        return false;
    const LoadOutcome outcome = campaign.LoadCampaignFile(path);
    if (!outcome.readable)
        call.refuse(path, outcome.problem);
    return outcome.readable;
}

int CalendarCommands::calendar(CliCall &call)
{
    const QStringList lookups = { u"ordinal"_s, u"date"_s, u"next"_s, u"prev"_s };
    if (std::count_if(lookups.begin(), lookups.end(), [&](const QString &option) { return call.isSet(option); }) > 1)
        return call.usageError(u"Only one of --ordinal, --date, --next and --prev at a time."_s);
    bool ok = true;
    if (call.isSet(u"date"_s))
        call.value(u"date"_s).toInt(&ok);
    if (!ok)
        return call.usageError(u"--date takes a whole number, not '%1'."_s.arg(call.value(u"date"_s)));
    Campaign campaign(AppFolder::locate());
    if (!load(call, campaign))
        return CliCall::Refused;
    const CampaignModel &model = campaign.model;
    const oCalendar calendar = oCalendar::fromState(model.calendar);
    QJsonObject result;
    if (call.isSet(u"ordinal"_s)) {
        const QString date = call.value(u"ordinal"_s);
        const oCalendar::OrdinalLookup found = calendar.GetOrdinalFromDate(date);
        result = QJsonObject { { u"date"_s, date }, { u"ordinal"_s, found.dayNumber }, { u"status"_s, found.status } };
    } else if (call.isSet(u"date"_s)) {
        const int dayNumber = call.value(u"date"_s).toInt();
        const oCalendar::DateLookup found = calendar.GetDateFromOrdinal(dayNumber);
        result = QJsonObject { { u"ordinal"_s, dayNumber }, { u"date"_s, found.date }, { u"status"_s, found.status } };
    } else if (call.isSet(u"next"_s) || call.isSet(u"prev"_s)) {
        const bool next = call.isSet(u"next"_s);
        result
            = QJsonObject { { u"date"_s, calendar.NextDate(call.value(next ? u"next"_s : u"prev"_s), next ? 1 : -1) } };
    } else {
        QJsonArray months;
        for (const CalendarState::Month &month : model.calendar.months)
            months.append(QJsonObject { { u"name"_s, month.name }, { u"days"_s, month.days } });
        const ClockTime &time = model.time;
        result = QJsonObject {
            { u"months"_s, months },
            { u"yearLength"_s, calendar.YearLenght() },
            { u"startDate"_s, model.calendar.startDate },
            { u"currentDate"_s, model.calendar.currentDate },
            { u"time"_s, time.hour + u':' + time.minute + (time.pm ? u" PM"_s : u" AM"_s) },
            { u"climate"_s,
                model.weather.climate >= 0 ? QJsonValue(kClimates.value(model.weather.climate)) : QJsonValue() },
            { u"weather"_s, model.weather.text },
        };
    }
    call.printJson(QJsonDocument(result));
    return CliCall::Success;
}

int CalendarCommands::moons(CliCall &call)
{
    Campaign campaign(AppFolder::locate());
    if (!load(call, campaign))
        return CliCall::Refused;
    const oCalendar calendar = oCalendar::fromState(campaign.model.calendar);
    QJsonArray moons;
    for (const MoonRecord &record : campaign.model.moons) {
        std::optional<oMoon> moon = oMoon::fromLine(record.toItem());
        if (!moon)
            continue;
        moon->BuildPhaseTable(calendar);
        QJsonArray phases;
        for (const oPhase &phase : moon->Phases())
            phases.append(QJsonObject { { u"date"_s, phase.PhaseDate() }, { u"phase"_s, phase.PhaseNumber() } });
        moons.append(QJsonObject { { u"name"_s, moon->MoonName() }, { u"period"_s, moon->Period() },
            { u"fullDate"_s, moon->FullDate() }, { u"phases"_s, phases } });
    }
    call.printJson(QJsonDocument(moons));
    return CliCall::Success;
}

int CalendarCommands::agenda(CliCall &call) { return entries(call, false); }

int CalendarCommands::almanach(CliCall &call) { return entries(call, true); }

int CalendarCommands::entries(CliCall &call, bool almanach)
{
    Campaign campaign(AppFolder::locate());
    if (!load(call, campaign))
        return CliCall::Refused;
    const CampaignModel &model = campaign.model;
    AgendaBook book;
    book.init(almanach ? model.almanach : model.agenda, oCalendar::fromState(model.calendar), model.calendar.startDate,
        model.moons);
    QJsonArray entries;
    for (const oAgendaEntry &entry : book.Entries())
        entries.append(QJsonObject { { u"date"_s, entry.EntryDate() }, { u"text"_s, entry.Entry() } });
    call.printJson(QJsonDocument(entries));
    return CliCall::Success;
}

} // namespace Velmora
