#include "gui/calendar/CampaignClockPanel.h"

#include "gui/ui/PushButtons.h"
#include "gui/ui/StepButton.h"
#include "core/calendar/CampaignClock.h"
#include "gui/options/SoundCuePlayer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The fields take digits only: the clock reads them as 16-bit numbers, and any other text would
// read as 0. An empty field is allowed while typing (it reads as 0 too). A day beyond the month's
// length may be typed; the next month pick or day step brings it back into the calendar.
QLineEdit *makeField(const QString &name, int maxLength, const QString &toolTip, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), field));
    field->setToolTip(toolTip);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(u'0') * (maxLength + 2) + 8);
    return field;
}

// The arrow buttons of this window are raised only under the mouse.
QToolButton *stepButton(const QString &name, Qt::ArrowType arrow, const QString &toolTip, QWidget *parent)
{
    auto *button = new StepButton(name, arrow, toolTip, parent);
    button->setAutoRaise(true);
    return button;
}

// The program writes a field only when its text differs, so that the echo of the user's own
// typing leaves the cursor where it is.
void showText(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    const QSignalBlocker blocker(field);
    field->setText(text);
}

QLayout *stepPair(QWidget *up, QWidget *down)
{
    auto *pair = new QVBoxLayout;
    pair->setSpacing(0);
    pair->addWidget(up);
    pair->addWidget(down);
    return pair;
}

} // namespace

CampaignClockPanel::CampaignClockPanel(CampaignClock &clock, const SoundCuePlayer &sounds, QWidget *parent)
    : QFrame(parent)
    , m_clock(clock)
    , m_sounds(sounds)
    , m_year(makeField(u"YearText"_s, 5, tr("Year"), this))
    , m_month(new QComboBox(this))
    , m_day(makeField(u"DateText"_s, 5, tr("Day of the month"), this))
    , m_dayUp(stepButton(u"DateUpCommand"_s, Qt::UpArrow, tr("Next day"), this))
    , m_dayDown(stepButton(u"DateDownCommand"_s, Qt::DownArrow, tr("Previous day"), this))
    , m_yearUp(stepButton(u"YearUpCommand"_s, Qt::UpArrow, tr("Next year"), this))
    , m_yearDown(stepButton(u"YearDownCommand"_s, Qt::DownArrow, tr("Previous year"), this))
    , m_hour(makeField(u"HourText"_s, 2, tr("Hour"), this))
    , m_minute(makeField(u"MinuteText"_s, 2, tr("Minute"), this))
    , m_hourUp(stepButton(u"HourUpCommand"_s, Qt::UpArrow, tr("One hour later"), this))
    , m_hourDown(stepButton(u"HourDownCommand"_s, Qt::DownArrow, tr("One hour earlier"), this))
    , m_minuteUp(stepButton(u"MinuteUpCommand"_s, Qt::UpArrow, tr("One minute later"), this))
    , m_minuteDown(stepButton(u"MinuteDownCommand"_s, Qt::DownArrow, tr("One minute earlier"), this))
    , m_am(new QRadioButton(tr("AM"), this))
    , m_pm(new QRadioButton(tr("PM"), this))
    , m_startDate(new QLabel(this))
    , m_startDateString(new QLabel(this))
    , m_moons(PushButtons::make(tr("Moons..."), u"cmdMoons"_s, this, tr("Edit the campaign's moons")))
    , m_calendarWizard(PushButtons::make(tr("Calendar..."), u"CalendarWizardCommand"_s, this,
                                         tr("Change the campaign's calendar")))
{
    m_month->setObjectName(u"MonthCombo"_s);
    m_month->setToolTip(tr("Month"));
    m_am->setObjectName(u"AMOption"_s);
    m_pm->setObjectName(u"PMOption"_s);
    m_startDate->setObjectName(u"lblStartDate"_s);
    m_startDate->setToolTip(tr("The first day of the calendar"));
    m_startDateString->setObjectName(u"lblYYYYMMDD"_s);
    buildLayout();
    connectControls();
    connectClock();
}

void CampaignClockPanel::buildLayout()
{
    auto *date = new QHBoxLayout;
    date->addWidget(m_year);
    date->addLayout(stepPair(m_yearUp, m_yearDown));
    date->addWidget(m_month, 1);
    date->addWidget(m_day);
    date->addLayout(stepPair(m_dayUp, m_dayDown));

    auto *time = new QHBoxLayout;
    time->addWidget(m_hour);
    time->addLayout(stepPair(m_hourUp, m_hourDown));
    time->addWidget(new QLabel(u":"_s, this));
    time->addWidget(m_minute);
    time->addLayout(stepPair(m_minuteUp, m_minuteDown));
    time->addWidget(m_am);
    time->addWidget(m_pm);
    time->addStretch();

    auto *start = new QHBoxLayout;
    start->addWidget(new QLabel(tr("Start date:"), this));
    start->addWidget(m_startDate);
    start->addWidget(m_startDateString);
    start->addStretch();
    start->addWidget(m_moons);
    start->addWidget(m_calendarWizard);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(date);
    layout->addLayout(time);
    layout->addLayout(start);
}

void CampaignClockPanel::connectControls()
{
    connect(m_year, &QLineEdit::textEdited, &m_clock, &CampaignClock::setYearText);
    connect(m_day, &QLineEdit::textEdited, &m_clock, &CampaignClock::setDayText);
    connect(m_hour, &QLineEdit::textEdited, &m_clock, &CampaignClock::setHourText);
    connect(m_minute, &QLineEdit::textEdited, &m_clock, &CampaignClock::setMinuteText);
    connect(m_month, &QComboBox::activated, this, [this](int index) {
        m_clock.selectMonth(index);
        // A pick the calendar has no month for is taken back.
        showMonthIndex(m_clock.monthIndex());
    });
    connect(m_am, &QRadioButton::clicked, this, [this] { amPmClicked(false); });
    connect(m_pm, &QRadioButton::clicked, this, [this] { amPmClicked(true); });

    connectStep(m_dayUp, [this] { m_clock.stepDay(1); });
    connectStep(m_dayDown, [this] { m_clock.stepDay(-1); });
    // Year down at year 1 changes nothing, but the button still clicks.
    connectStep(m_yearUp, [this] { m_clock.stepYear(1); });
    connectStep(m_yearDown, [this] { m_clock.stepYear(-1); });
    connectStep(m_hourUp, [this] { m_clock.stepTime(1, 0); });
    connectStep(m_hourDown, [this] { m_clock.stepTime(-1, 0); });
    connectStep(m_minuteUp, [this] { m_clock.stepTime(0, 1); });
    connectStep(m_minuteDown, [this] { m_clock.stepTime(0, -1); });
}

void CampaignClockPanel::connectStep(QAbstractButton *button, const std::function<void()> &step)
{
    connect(button, &QAbstractButton::clicked, this, [this, step] {
        step();
        click();
    });
}

void CampaignClockPanel::connectClock()
{
    showMonthNames();
    showStartDate(m_clock.startDate(), m_clock.startDateLabel());
    showPm(m_clock.isPm());
    connect(&m_clock, &CampaignClock::monthNamesChanged, this, &CampaignClockPanel::showMonthNames);
    connect(&m_clock, &CampaignClock::monthIndexChanged, this, &CampaignClockPanel::showMonthIndex);
    connect(&m_clock, &CampaignClock::startDateChanged, this, &CampaignClockPanel::showStartDate);
    connect(&m_clock, &CampaignClock::pmChanged, this, &CampaignClockPanel::showPm);
    showField(m_year, m_clock.yearText(), &CampaignClock::yearTextChanged);
    showField(m_day, m_clock.dayText(), &CampaignClock::dayTextChanged);
    showField(m_hour, m_clock.hourText(), &CampaignClock::hourTextChanged);
    showField(m_minute, m_clock.minuteText(), &CampaignClock::minuteTextChanged);
}

void CampaignClockPanel::showField(QLineEdit *field, const QString &text,
                                   void (CampaignClock::*changed)(const QString &))
{
    showText(field, text);
    connect(&m_clock, changed, field, [field](const QString &now) { showText(field, now); });
}

void CampaignClockPanel::showMonthNames()
{
    const QSignalBlocker blocker(m_month);
    m_month->clear();
    m_month->addItems(m_clock.monthNames());
    m_month->setCurrentIndex(m_clock.monthIndex());
}

void CampaignClockPanel::showMonthIndex(int index)
{
    const QSignalBlocker blocker(m_month);
    m_month->setCurrentIndex(index);
}

void CampaignClockPanel::showStartDate(const QString &date, const QString &label)
{
    m_startDate->setText(label);
    m_startDateString->setText(date);
}

void CampaignClockPanel::showPm(bool pm)
{
    const QSignalBlocker amBlocker(m_am);
    const QSignalBlocker pmBlocker(m_pm);
    m_am->setChecked(!pm);
    m_pm->setChecked(pm);
}

void CampaignClockPanel::amPmClicked(bool pm)
{
    const bool updating = m_clock.isUpdating();
    m_clock.setPm(pm);
    if (!updating)
        click();
}

void CampaignClockPanel::click() const
{
    m_sounds.play(SoundEvent::Click);
}

} // namespace Velmora
