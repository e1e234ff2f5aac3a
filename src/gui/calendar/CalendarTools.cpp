#include "gui/calendar/CalendarTools.h"

#include "core/app/CampaignSession.h"
#include "core/calendar/AgendaReport.h"
#include "core/calendar/DatedLine.h"
#include "core/common/AppFolder.h"
#include "core/persistence/CampaignModel.h"
#include "gui/calendar/AgendaReportWindow.h"
#include "gui/calendar/CalendarWizardForm.h"
#include "gui/calendar/CampaignClockPanel.h"
#include "gui/calendar/DateWeatherFrame.h"
#include "gui/calendar/frmMoons.h"
#include "gui/calendar/ucAgenda.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/FoundMatch.h"
#include "gui/ui/ListColumns.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QString CalendarPictureKey = u"calendar"_s;

} // namespace

CalendarTools::CalendarTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_weather(host.platform().random())
{
    setObjectName(u"CalendarTools"_s);
    // Empty books on no calendar until a campaign comes, as an agenda shows them.
    for (AgendaBook &book : m_books)
        book.init({}, oCalendar(), QString(), {});
    buildMainTab();
    buildUserPages();

    m_mnuToolsCalendar = new QAction(tr("&Calendar..."), this);
    m_mnuToolsCalendar->setObjectName(u"mnuToolsCalendar"_s);
    m_host.addToMenu(MainMenu::Tools, m_mnuToolsCalendar);
    m_mnuToolsCollate = new QAction(AgendaReport::CollateCaption(AgendaReport::Kind::Agenda), this);
    m_mnuToolsCollate->setObjectName(u"mnuToolsCollate"_s);
    m_host.addToMenu(MainMenu::Tools, m_mnuToolsCollate);
    connect(m_mnuToolsCalendar, &QAction::triggered, this, &CalendarTools::CalendarWizardCommand_Click);
    connect(m_mnuToolsCollate, &QAction::triggered, this, &CalendarTools::mnuToolsCollate_Click);

    m_weather.follow(m_clock);
    connect(&m_clock, &CampaignClock::modified, this, &CalendarTools::markModified);
    connect(&m_weather, &CampaignWeather::modified, this, &CalendarTools::markModified);
    refreshCollateMenu();
    m_host.services().provide<MoonDisplay>(this);
    m_host.services().provide<SearchHitOpener<SearchPlaceKind::Calendar>>(this);
    connect(&m_host.services(), &PartServices::columnsReset, this, [this](LayoutList list) {
        if (list == LayoutList::Moons)
            m_moonColumns = ListLayout::initialWidths()[size_t(LayoutList::Moons)];
    });
}

CalendarTools::~CalendarTools() = default;

void CalendarTools::setShowMoons(bool show)
{
    if (show == m_showMoons)
        return;
    m_showMoons = show;
    rebuildAgendas();
    markModified();
}

void CalendarTools::buildMainTab()
{
    m_clockPanel = new CampaignClockPanel(m_clock, m_host.sounds());
    m_weatherFrame = new DateWeatherFrame(m_weather, m_clock, m_host.folder(), m_host.sounds());
    auto *tools = new QWidget;
    tools->setObjectName(u"CalendarToolsMain"_s);
    auto *row = new QHBoxLayout(tools);
    row->addWidget(m_clockPanel, 0, Qt::AlignTop);
    row->addWidget(m_weatherFrame, 0, Qt::AlignTop);
    row->addStretch(1);
    m_host.placeOnTab(MainTab::Main, tools);
    connect(m_clockPanel->moonsButton(), &QPushButton::clicked, this, &CalendarTools::cmdMoons_Click);
    connect(m_clockPanel->calendarButton(), &QPushButton::clicked, this,
            &CalendarTools::CalendarWizardCommand_Click);
}

void CalendarTools::buildUserPages()
{
    for (int i = 0; i < 2; ++i)
        m_host.onFirstShown(
            i == Agenda ? StripPage::UserAgenda : StripPage::UserAlmanach, this, [this, i] { buildAgenda(i); });
    m_host.onPageChanged(TabStrip::User, this, [this] { refreshCollateMenu(); });
}

void CalendarTools::buildAgenda(int index)
{
    if (m_agendas[index])
        return;
    ucAgenda *agenda = m_agendas[index] = new ucAgenda(m_host.folder(), m_books[index], m_showMoons);
    agenda->setProperty("index", index);
    m_host.placeOnPage(index == Agenda ? StripPage::UserAgenda : StripPage::UserAlmanach, agenda);
    connect(agenda, &ucAgenda::changed, this, [this] {
        markModified();
        refreshCollateMenu();
    });
    // Another year shown restamps every entry at the next save.
    connect(agenda, &ucAgenda::yearChanged, this, &CalendarTools::markModified);
}

ucAgenda &CalendarTools::agenda(int index)
{
    buildAgenda(index);
    return *m_agendas[index];
}

void CalendarTools::openHit(FoundMatch &match)
{
    const int index = match.hit().where == u"agenda"_s ? Agenda : Almanach;
    m_host.showPage(index == Agenda ? StripPage::UserAgenda : StripPage::UserAlmanach);
    if (QPlainTextEdit *text = agenda(index).openDay(match.hit().key))
        match.selectIn(*text);
    else
        match.placeGone();
}

int CalendarTools::frontAgenda() const
{
    switch (m_host.currentPage(TabStrip::User)) {
    case StripPage::UserAgenda:
        return Agenda;
    case StripPage::UserAlmanach:
        return Almanach;
    case StripPage::UserStatistics:
        break;
    }
    return -1;
}

void CalendarTools::applyCampaign(const CampaignModel &model)
{
    m_clock.setUpdating(true);
    m_clock.load(oCalendar::fromState(model.calendar), model.calendar, model.time);
    // The clock always stands on a month of the calendar, from start-up on.
    m_clock.ensureMonthSelected();
    m_weather.load(model.weather);
    m_clock.setUpdating(false);
    m_moons = model.moons;
    m_showMoons = model.options.showMoons;
    m_moonColumns = model.layout.columns(LayoutList::Moons);
    m_calendarPicture.clear();
    for (const ImageEntry &image : model.images) {
        if (image.key.compare(CalendarPictureKey, Qt::CaseInsensitive) == 0)
            m_calendarPicture = image.path;
    }
    initAgendas({model.agenda, model.almanach});
}

void CalendarTools::commitPendingEdits()
{
    for (ucAgenda *agenda : m_agendas) {
        if (agenda)
            agenda->commitOpenEdit();
    }
}

void CalendarTools::collectCampaign(CampaignModel &model)
{
    commitPendingEdits();
    model.calendar = m_clock.toCalendarState();
    model.time = m_clock.toClockTime();
    model.weather = m_weather.toState();
    model.moons = m_moons;
    model.options.showMoons = m_showMoons;
    model.layout.columns(LayoutList::Moons) = m_moonColumns;
    model.agenda = m_books[Agenda].GetEntries();
    model.almanach = m_books[Almanach].GetEntries();
    model.agendaYearShown = m_books[Agenda].CurrentYear();
    model.almanachYearShown = m_books[Almanach].CurrentYear();
    // The picture table keeps its other pictures; only the calendar's is ours.
    bool found = false;
    for (ImageEntry &image : model.images) {
        if (image.key.compare(CalendarPictureKey, Qt::CaseInsensitive) == 0) {
            image.path = m_calendarPicture;
            found = true;
        }
    }
    if (!found && !m_calendarPicture.isEmpty())
        model.images.append(ImageEntry{CalendarPictureKey, m_calendarPicture});
}

void CalendarTools::markModified()
{
    m_host.campaignSession().markModified();
}

void CalendarTools::initAgendas(const std::array<QList<DatedLine>, 2> &entries)
{
    for (int i = 0; i < 2; ++i) {
        if (m_agendas[i])
            m_agendas[i]->init(entries[i], m_clock.calendar(), m_clock.startDate(), m_moons, m_showMoons);
        else
            m_books[i].init(entries[i], m_clock.calendar(), m_clock.startDate(), m_moons);
    }
    refreshCollateMenu();
}

void CalendarTools::rebuildAgendas()
{
    commitPendingEdits();
    std::array<QList<DatedLine>, 2> entries;
    for (int i = 0; i < 2; ++i)
        entries[i] = m_books[i].GetEntries();
    initAgendas(entries);
}

void CalendarTools::cmdMoons_Click()
{
    m_host.sounds().play(SoundEvent::Click);
    // The dialog places every first full moon in the year of the start date shown.
    oCalendar calendar = m_clock.calendar();
    calendar.Init_4({}, m_clock.startDate());
    frmMoons dialog(m_host.platform(), m_host.dialogParent());
    dialog.init(m_moons, calendar, m_showMoons);
    // The moon list shows the campaign's column widths and keeps the user's changes to them.
    QTreeView *list = dialog.findChild<QTreeView *>(u"lsvMoons"_s);
    if (list)
        ListColumns::apply(*list, m_moonColumns);
    m_host.platform().execDialog(dialog);
    if (list)
        ListColumns::read(*list, m_moonColumns);
    if (dialog.cancelled())
        return;
    m_moons = dialog.moons();
    m_showMoons = dialog.showMoons();
    rebuildAgendas();
    markModified();
}

QString CalendarTools::calendarPicture() const
{
    return m_host.folder().storedFile(m_calendarPicture.isEmpty() ? ImageEntry::defaultPath(CalendarPictureKey)
                                                                  : m_calendarPicture);
}

void CalendarTools::CalendarWizardCommand_Click()
{
    m_host.sounds().play(SoundEvent::Click);
    CalendarWizardForm wizard(m_host.platform(), m_host.sounds(), m_host.dialogParent());
    wizard.setPicture(QPixmap(calendarPicture()));
    connect(&wizard, &CalendarWizardForm::pictureReplaced, this, [this](const QString &path) {
        m_calendarPicture = path;
        markModified();
    });
    wizard.init(m_clock.calendar(), m_clock.startDate());
    m_host.platform().execDialog(wizard);
    if (wizard.cancelled() || wizard.GetCampaignLenght() <= 0)
        return;
    // The wizard's calendar still counts its days from the start date it was opened with.
    oCalendar calendar = wizard.GetNewCalendar();
    calendar.Init_4({}, wizard.Get_YYYYMMDD_DateString());
    m_clock.setUpdating(true);
    m_clock.setCalendar(calendar);
    // The current date stays a day of the new calendar: its month, or the last one when the new
    // calendar is shorter, and a day that month has.
    m_clock.selectMonth(m_clock.monthIndex() >= 0 ? m_clock.monthIndex() : calendar.NumberOfMonths() - 1);
    m_clock.setUpdating(false);
    m_clock.setStartDate(wizard.Get_YYYYMMDD_DateString());
    m_clock.setStartDateLabel(wizard.Get_DateString());
    rebuildAgendas();
    // A new calendar is campaign data like any other: it is saved with the campaign.
    markModified();
}

void CalendarTools::refreshCollateMenu()
{
    const AgendaReport::MenuState menu = AgendaReport::CollateMenu(
        int(m_host.currentPage(TabStrip::User)), m_books[Agenda].IsThereEntries(), m_books[Almanach].IsThereEntries());
    m_mnuToolsCollate->setText(menu.caption);
    m_mnuToolsCollate->setEnabled(menu.enabled);
}

void CalendarTools::mnuToolsCollate_Click()
{
    const int front = frontAgenda();
    if (front < 0)
        return;
    const AgendaReport::Kind kind = front == Agenda ? AgendaReport::Kind::Agenda : AgendaReport::Kind::Almanach;
    const QList<AgendaReport::Line> lines
        = AgendaReport::Collate(kind, m_books[front].GetEntries(), m_clock.monthNames(),
            m_host.campaignSession().path(), m_clock.calendar().FormatDateWithMonthName(m_clock.currentDate()));
    AgendaReportWindow report(m_host.platform(), kind, lines, m_host.dialogParent());
    m_host.platform().execDialog(report);
}

} // namespace Velmora
