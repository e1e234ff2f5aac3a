#pragma once

#include "core/calendar/AgendaBook.h"
#include "core/calendar/CampaignClock.h"
#include "core/calendar/CampaignWeather.h"
#include "core/calendar/DatedLine.h"
#include "core/calendar/MoonRecord.h"
#include "gui/ui/CampaignPart.h"
#include "gui/ui/ProgramSwitches.h"
#include "gui/ui/SearchHitOpener.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>

#include <array>

class QAction;

namespace Velmora {

class CampaignClockPanel;
class DateWeatherFrame;
class ToolHost;
class ucAgenda;

/// The calendar's tools on the main window: the clock and the weather frame on the "Main" tab,
/// the Agenda and the Almanach on the pages of the "User" tab's strip, the Moons dialog
/// (cmdMoons), the Calendar Wizard (CalendarWizardCommand, mnuToolsCalendar) and the collate
/// entry of the Tools menu. The campaign's clock, weather, moon list and both agendas' books live
/// in the models held here; applyCampaign() fills them from a campaign (nothing rolls weather)
/// and collectCampaign() gives them back before a save. An agenda's page is built the first time
/// it is in front.
class CalendarTools : public QObject,
                      public CampaignPart,
                      public MoonDisplay,
                      public SearchHitOpener<SearchPlaceKind::Calendar>
{
    Q_OBJECT

public:
    enum AgendaIndex { Agenda = 0, Almanach = 1 };

    explicit CalendarTools(ToolHost &host, QObject *parent = nullptr);
    ~CalendarTools() override;

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    void commitPendingEdits() override;

    CampaignClock &clock() { return m_clock; }
    CampaignWeather &weather() { return m_weather; }
    const QList<MoonRecord> &moons() const { return m_moons; }
    bool showMoons() const override { return m_showMoons; }
    /// The options dialog's "display defined moons": the agendas shown again.
    void setShowMoons(bool show) override;
    /// The agenda's page, built now if it has not been in front yet.
    ucAgenda &agenda(int index);
    /// A match of the whole-campaign search in an agenda or almanach entry: its day in front
    /// with its text open, the match selected there.
    void openHit(FoundMatch &match) override;

    void cmdMoons_Click();
    void CalendarWizardCommand_Click();
    void mnuToolsCollate_Click();
    /// The collate entry's caption and enabling for the tab in front of sstbUser.
    void refreshCollateMenu();

private:
    void buildMainTab();
    void buildUserPages();
    void buildAgenda(int index);
    /// The agenda of the page in front of the "User" tab's strip, or -1.
    int frontAgenda() const;
    void markModified();
    /// Both agendas from their entries, the moon list and the clock's calendar.
    void initAgendas(const std::array<QList<DatedLine>, 2> &entries);
    /// Both agendas again, from what they show.
    void rebuildAgendas();
    QString calendarPicture() const;

    ToolHost &m_host;
    CampaignClock m_clock;
    CampaignWeather m_weather;
    QList<MoonRecord> m_moons;
    bool m_showMoons = false;
    QList<float> m_moonColumns; ///< the campaign's widths of the moon list, in twips
    QString m_calendarPicture; ///< the campaign's "calendar" picture as it stores it; "" for the shipped one
    CampaignClockPanel *m_clockPanel = nullptr;
    DateWeatherFrame *m_weatherFrame = nullptr;
    std::array<AgendaBook, 2> m_books;
    std::array<ucAgenda *, 2> m_agendas {}; ///< null until built
    QAction *m_mnuToolsCalendar = nullptr;
    QAction *m_mnuToolsCollate = nullptr;
};

} // namespace Velmora
