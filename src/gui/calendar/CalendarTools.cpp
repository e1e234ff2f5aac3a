#include "gui/calendar/CalendarTools.h"

#include "core/calendar/AgendaReport.h"
#include "core/calendar/DatedLine.h"
#include "core/persistence/CampaignModel.h"
#include "gui/app/VelmoraForm.h"
#include "gui/calendar/AgendaReportWindow.h"
#include "gui/calendar/CalendarWizardForm.h"
#include "gui/calendar/CampaignClockPanel.h"
#include "gui/calendar/DateWeatherFrame.h"
#include "gui/calendar/frmMoons.h"
#include "gui/calendar/ucAgenda.h"
#include "gui/ui/Platform.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QString CalendarPictureKey = u"calendar"_s;

} // namespace

CalendarTools::CalendarTools(VelmoraForm &form)
    : QObject(&form)
    , m_form(form)
    , m_weather(form.platform().random())
{
    setObjectName(u"CalendarTools"_s);
    buildMainTab();
    buildUserTab();

    m_mnuToolsCalendar = m_form.menus().mnuTools->addAction(tr("&Calendar..."));
    m_mnuToolsCalendar->setObjectName(u"mnuToolsCalendar"_s);
    m_mnuToolsCollate = m_form.menus().mnuTools->addAction(AgendaReport::CollateCaption(AgendaReport::Kind::Agenda));
    m_mnuToolsCollate->setObjectName(u"mnuToolsCollate"_s);
    connect(m_mnuToolsCalendar, &QAction::triggered, this, &CalendarTools::CalendarWizardCommand_Click);
    connect(m_mnuToolsCollate, &QAction::triggered, this, &CalendarTools::mnuToolsCollate_Click);

    m_weather.follow(m_clock);
    connect(&m_clock, &CampaignClock::modified, this, &CalendarTools::markModified);
    connect(&m_weather, &CampaignWeather::modified, this, &CalendarTools::markModified);
    refreshCollateMenu();
}

CalendarTools::~CalendarTools() = default;

void CalendarTools::buildMainTab()
{
    m_clockPanel = new CampaignClockPanel(m_clock, m_form.sounds());
    m_weatherFrame = new DateWeatherFrame(m_weather, m_clock, m_form.folder(), m_form.sounds());
    auto *tools = new QWidget;
    tools->setObjectName(u"CalendarToolsMain"_s);
    auto *row = new QHBoxLayout(tools);
    row->addWidget(m_clockPanel, 0, Qt::AlignTop);
    row->addWidget(m_weatherFrame, 0, Qt::AlignTop);
    row->addStretch(1);
    m_form.placeTools(0, tools);
    connect(m_clockPanel->moonsButton(), &QPushButton::clicked, this, &CalendarTools::cmdMoons_Click);
    connect(m_clockPanel->calendarButton(), &QPushButton::clicked, this,
            &CalendarTools::CalendarWizardCommand_Click);
}

void CalendarTools::buildUserTab()
{
    m_sstbUser = new QTabWidget;
    m_sstbUser->setObjectName(u"sstbUser"_s);
    const QStringList captions{tr("Agenda"), tr("Almanach")};
    for (int i = 0; i < 2; ++i) {
        m_agendas[i] = new ucAgenda(m_form.folder());
        m_agendas[i]->setProperty("index", i);
        m_sstbUser->addTab(m_agendas[i], captions[i]);
        connect(m_agendas[i], &ucAgenda::changed, this, [this] {
            markModified();
            refreshCollateMenu();
        });
        // Another year shown restamps every entry at the next save.
        connect(m_agendas[i], &ucAgenda::yearChanged, this, &CalendarTools::markModified);
    }
    // The statistics page arrives with the statistics tools; its place on the strip is kept.
    auto *statistics = new QLabel(tr("Statistics come with a later version."));
    statistics->setObjectName(u"lblComingLaterStatistics"_s);
    statistics->setAlignment(Qt::AlignCenter);
    statistics->setEnabled(false);
    m_sstbUser->addTab(statistics, tr("Statistics"));
    connect(m_sstbUser, &QTabWidget::currentChanged, this, &CalendarTools::refreshCollateMenu);
    m_form.placeTools(1, m_sstbUser);
}

void CalendarTools::apply(const CampaignModel &model)
{
    m_clock.setUpdating(true);
    m_clock.load(oCalendar::fromState(model.calendar), model.calendar, model.time);
    m_weather.load(model.weather);
    m_clock.setUpdating(false);
    m_moons = model.moons;
    m_calendarPicture.clear();
    for (const ImageEntry &image : model.images) {
        if (image.key.compare(CalendarPictureKey, Qt::CaseInsensitive) == 0)
            m_calendarPicture = image.path;
    }
    initAgendas({model.agenda, model.almanach});
    const int userTab = model.layout.sstbUser;
    if (userTab >= 0 && userTab < m_sstbUser->count())
        m_sstbUser->setCurrentIndex(userTab);
}

void CalendarTools::collect(CampaignModel &model) const
{
    for (ucAgenda *agenda : m_agendas)
        agenda->commitOpenEdit();
    model.calendar = m_clock.toCalendarState();
    model.time = m_clock.toClockTime();
    model.weather = m_weather.toState();
    model.moons = m_moons;
    model.agenda = m_agendas[AgendaTab]->GetEntries();
    model.almanach = m_agendas[AlmanachTab]->GetEntries();
    model.layout.sstbUser = m_sstbUser->currentIndex();
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
    if (!m_form.state().quiet())
        m_form.state().campaignModified = true;
}

void CalendarTools::initAgendas(const std::array<QList<DatedLine>, 2> &entries)
{
    for (int i = 0; i < 2; ++i)
        m_agendas[i]->init(entries[i], m_clock.calendar(), m_clock.startDate(), m_moons, m_form.state().showMoons);
    refreshCollateMenu();
}

void CalendarTools::rebuildAgendas()
{
    std::array<QList<DatedLine>, 2> entries;
    for (int i = 0; i < 2; ++i) {
        m_agendas[i]->commitOpenEdit();
        entries[i] = m_agendas[i]->GetEntries();
    }
    initAgendas(entries);
}

void CalendarTools::cmdMoons_Click()
{
    m_form.sounds().play(SoundEvent::Click);
    // The dialog places every first full moon in the year of the start date shown.
    oCalendar calendar = m_clock.calendar();
    calendar.Init_4({}, m_clock.startDate());
    frmMoons dialog(m_form.platform(), &m_form);
    dialog.init(m_moons, calendar, m_form.state().showMoons);
    m_form.platform().execDialog(dialog);
    if (dialog.cancelled())
        return;
    m_moons = dialog.moons();
    m_form.state().showMoons = dialog.showMoons();
    rebuildAgendas();
    markModified();
}

QString CalendarTools::calendarPicture() const
{
    return m_form.folder().storedFile(m_calendarPicture.isEmpty() ? u"\\Pictures\\Calendar.bmp"_s
                                                                  : m_calendarPicture);
}

void CalendarTools::CalendarWizardCommand_Click()
{
    m_form.sounds().play(SoundEvent::Click);
    CalendarWizardForm wizard(m_form.platform(), m_form.sounds(), &m_form);
    wizard.setPicture(QPixmap(calendarPicture()));
    connect(&wizard, &CalendarWizardForm::pictureReplaced, this, [this](const QString &path) {
        m_calendarPicture = path;
        markModified();
    });
    wizard.init(m_clock.calendar(), m_clock.startDate());
    m_form.platform().execDialog(wizard);
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
        m_sstbUser->currentIndex(), m_agendas[AgendaTab]->IsThereEntries(), m_agendas[AlmanachTab]->IsThereEntries());
    m_mnuToolsCollate->setText(menu.caption);
    m_mnuToolsCollate->setEnabled(menu.enabled);
}

void CalendarTools::mnuToolsCollate_Click()
{
    const int front = m_sstbUser->currentIndex();
    if (front != AgendaTab && front != AlmanachTab)
        return;
    const AgendaReport::Kind kind = front == AgendaTab ? AgendaReport::Kind::Agenda : AgendaReport::Kind::Almanach;
    const QList<AgendaReport::Line> lines =
        AgendaReport::Collate(kind, m_agendas[front]->GetEntries(), m_clock.monthNames(),
                              m_form.state().currentCampaignPath,
                              m_clock.calendar().FormatDateWithMonthName(m_clock.currentDate()));
    AgendaReportWindow report(m_form.platform(), kind, lines, &m_form);
    m_form.platform().execDialog(report);
}

} // namespace Velmora
