#include "cli/CalendarCommands.h"

#include "core/calendar/AgendaBook.h"
#include "core/calendar/oCalendar.h"
#include "core/calendar/oMoon.h"
#include "core/persistence/Campaign.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QStringList kClimates = {u"cold"_s, u"temperate"_s, u"desert"_s};

QStringList moonLines(const CampaignModel &model)
{
    QStringList lines;
    for (const MoonRecord &moon : model.moons)
        lines << moon.toItem();
    return lines;
}

} // namespace

CalendarCommands::CalendarCommands(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int CalendarCommands::usage()
{
    m_err << "usage: velmora-cli calendar FILE [--ordinal DATE | --date N | --next DATE | --prev DATE]"
             " | moons FILE | agenda FILE | almanach FILE"
          << Qt::endl;
    return 2;
}

int CalendarCommands::run(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    if (arguments.size() < 2 || (command != u"calendar"_s && arguments.size() != 2))
        return usage();
    const QString path = arguments.at(1);
    if (!QFileInfo(path).isFile()) {
        m_err << "velmora-cli: " << path << ": no such file" << Qt::endl;
        return 1;
    }
    Campaign campaign(AppFolder::locate());
    const LoadOutcome outcome = campaign.LoadCampaignFile(path);
    if (!outcome.readable) {
        m_err << "velmora-cli: " << path << ": " << outcome.problem << Qt::endl;
        return 1;
    }
    int result = 2;
    if (command == u"calendar"_s)
        result = calendar(campaign, arguments.mid(2));
    else if (command == u"moons"_s)
        result = moons(campaign);
    else if (command == u"agenda"_s || command == u"almanach"_s)
        result = entries(campaign, command == u"almanach"_s);
    return result == 2 ? usage() : result;
}

int CalendarCommands::calendar(const Campaign &campaign, const QStringList &options)
{
    const CampaignModel &model = campaign.model;
    const oCalendar calendar = oCalendar::fromState(model.calendar);
    QJsonObject result;
    if (options.isEmpty()) {
        QJsonArray months;
        for (const CalendarState::Month &month : model.calendar.months)
            months.append(QJsonObject{{u"name"_s, month.name}, {u"days"_s, month.days}});
        const ClockTime &time = model.time;
        result = QJsonObject{
            {u"months"_s, months},
            {u"yearLength"_s, calendar.YearLenght()},
            {u"startDate"_s, model.calendar.startDate},
            {u"currentDate"_s, model.calendar.currentDate},
            {u"time"_s, time.hour + u':' + time.minute + (time.pm ? u" PM"_s : u" AM"_s)},
            {u"climate"_s, model.weather.climate >= 0 ? QJsonValue(kClimates.value(model.weather.climate)) : QJsonValue()},
            {u"weather"_s, model.weather.text},
        };
    } else if (options.size() == 2 && options.at(0) == u"--ordinal"_s) {
        const oCalendar::OrdinalLookup found = calendar.GetOrdinalFromDate(options.at(1));
        result = QJsonObject{{u"date"_s, options.at(1)}, {u"ordinal"_s, found.dayNumber}, {u"status"_s, found.status}};
    } else if (options.size() == 2 && options.at(0) == u"--date"_s) {
        bool ok = false;
        const int dayNumber = options.at(1).toInt(&ok);
        if (!ok)
            return 2;
        const oCalendar::DateLookup found = calendar.GetDateFromOrdinal(dayNumber);
        result = QJsonObject{{u"ordinal"_s, dayNumber}, {u"date"_s, found.date}, {u"status"_s, found.status}};
    } else if (options.size() == 2 && (options.at(0) == u"--next"_s || options.at(0) == u"--prev"_s)) {
        result = QJsonObject{{u"date"_s, calendar.NextDate(options.at(1), options.at(0) == u"--next"_s ? 1 : -1)}};
    } else {
        return 2;
    }
    m_out << QJsonDocument(result).toJson(QJsonDocument::Indented);
    m_out.flush();
    return 0;
}

int CalendarCommands::moons(const Campaign &campaign)
{
    const oCalendar calendar = oCalendar::fromState(campaign.model.calendar);
    QJsonArray moons;
    for (const QString &line : moonLines(campaign.model)) {
        std::optional<oMoon> moon = oMoon::fromLine(line);
        if (!moon)
            continue;
        moon->BuildPhaseTable(calendar);
        QJsonArray phases;
        for (const oPhase &phase : moon->Phases())
            phases.append(QJsonObject{{u"date"_s, phase.PhaseDate()}, {u"phase"_s, phase.PhaseNumber()}});
        moons.append(QJsonObject{{u"name"_s, moon->MoonName()}, {u"period"_s, moon->Period()},
                                 {u"fullDate"_s, moon->FullDate()}, {u"phases"_s, phases}});
    }
    m_out << QJsonDocument(moons).toJson(QJsonDocument::Indented);
    m_out.flush();
    return 0;
}

int CalendarCommands::entries(const Campaign &campaign, bool almanach)
{
    const CampaignModel &model = campaign.model;
    AgendaBook book;
    book.init(almanach ? model.almanach : model.agenda, oCalendar::fromState(model.calendar), model.calendar.startDate,
              model.moons);
    QJsonArray entries;
    for (const oAgendaEntry &entry : book.Entries())
        entries.append(QJsonObject{{u"date"_s, entry.EntryDate()}, {u"text"_s, entry.Entry()}});
    m_out << QJsonDocument(entries).toJson(QJsonDocument::Indented);
    m_out.flush();
    return 0;
}

} // namespace Velmora
