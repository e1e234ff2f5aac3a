#pragma once

#include "core/calendar/CampaignClock.h"
#include "core/calendar/CampaignWeather.h"
#include "core/calendar/DatedLine.h"
#include "core/calendar/MoonRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QAction;
class QTabWidget;

namespace Velmora {

class CampaignClockPanel;
class DateWeatherFrame;
class VelmoraForm;
class ucAgenda;
struct CampaignModel;

/// The calendar's tools on the main window: the clock and the weather frame on the "Main" tab,
/// the Agenda and the Almanach on the user tab strip sstbUser of the "User" tab, the Moons dialog
/// (cmdMoons), the Calendar Wizard (CalendarWizardCommand, mnuToolsCalendar) and the collate
/// entry of the Tools menu. The campaign's clock, weather and moon list live in the models held
/// here; apply() fills them from a loaded campaign and collect() gives them back before a save.
class CalendarTools : public QObject
{
    Q_OBJECT

public:
    /// The tabs of sstbUser.
    enum UserTab { AgendaTab = 0, AlmanachTab = 1, StatisticsTab = 2 };

    explicit CalendarTools(VelmoraForm &form);
    ~CalendarTools() override;

    /// After a load or a new campaign, once the program-wide options are set: nothing rolls
    /// weather and nothing is marked modified.
    void apply(const CampaignModel &model);
    void collect(CampaignModel &model) const;

    CampaignClock &clock() { return m_clock; }
    CampaignWeather &weather() { return m_weather; }
    const QList<MoonRecord> &moons() const { return m_moons; }
    ucAgenda &agenda(int index) { return *m_agendas[index]; }

    void cmdMoons_Click();
    void CalendarWizardCommand_Click();
    void mnuToolsCollate_Click();
    /// The collate entry's caption and enabling for the tab in front of sstbUser.
    void refreshCollateMenu();

private:
    void buildMainTab();
    void buildUserTab();
    void markModified();
    /// Both agendas from their entries, the moon list and the clock's calendar.
    void initAgendas(const std::array<QList<DatedLine>, 2> &entries);
    /// Both agendas again, from what they show.
    void rebuildAgendas();
    QString calendarPicture() const;

    VelmoraForm &m_form;
    CampaignClock m_clock;
    CampaignWeather m_weather;
    QList<MoonRecord> m_moons;
    QString m_calendarPicture; ///< the campaign's "calendar" picture as it stores it; "" for the shipped one
    CampaignClockPanel *m_clockPanel = nullptr;
    DateWeatherFrame *m_weatherFrame = nullptr;
    QTabWidget *m_sstbUser = nullptr;
    std::array<ucAgenda *, 2> m_agendas{};
    QAction *m_mnuToolsCalendar = nullptr;
    QAction *m_mnuToolsCollate = nullptr;
};

} // namespace Velmora
