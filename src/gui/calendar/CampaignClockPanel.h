#pragma once

#include <QFrame>

#include <functional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Velmora {

class CampaignClock;
class SoundCuePlayer;

/// The main window's clock controls: year, month list, day, hour, minute and AM/PM with their
/// step buttons, the calendar's start date, and the buttons to the moons and the calendar wizard.
///
/// The controls show the CampaignClock and hand it what the user types or picks; the clock
/// writes them back through its *Changed signals. The panel never marks the campaign modified:
/// the clock's modified() does. The main window connects moonsButton() and calendarButton().
class CampaignClockPanel : public QFrame
{
    Q_OBJECT

public:
    CampaignClockPanel(CampaignClock &clock, const SoundCuePlayer &sounds, QWidget *parent = nullptr);

    QPushButton *moonsButton() const { return m_moons; }
    QPushButton *calendarButton() const { return m_calendarWizard; }

private:
    void buildLayout();
    void connectControls();
    void connectClock();
    void connectStep(QAbstractButton *button, const std::function<void()> &step);
    /// Shows a text field of the clock now and whenever the clock writes it.
    void showField(QLineEdit *field, const QString &text, void (CampaignClock::*changed)(const QString &));

    void showMonthNames();
    void showMonthIndex(int index);
    void showStartDate(const QString &date, const QString &label);
    void showPm(bool pm);
    void amPmClicked(bool pm);
    void click() const;

    CampaignClock &m_clock;
    const SoundCuePlayer &m_sounds;

    QLineEdit *m_year;
    QComboBox *m_month;
    QLineEdit *m_day;
    QAbstractButton *m_dayUp;
    QAbstractButton *m_dayDown;
    QAbstractButton *m_yearUp;
    QAbstractButton *m_yearDown;
    QLineEdit *m_hour;
    QLineEdit *m_minute;
    QAbstractButton *m_hourUp;
    QAbstractButton *m_hourDown;
    QAbstractButton *m_minuteUp;
    QAbstractButton *m_minuteDown;
    QRadioButton *m_am;
    QRadioButton *m_pm;
    QLabel *m_startDate;
    QLabel *m_startDateString;
    QPushButton *m_moons;
    QPushButton *m_calendarWizard;
};

} // namespace Velmora
