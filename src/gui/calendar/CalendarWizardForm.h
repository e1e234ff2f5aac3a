#pragma once

#include "core/calendar/CalendarWizardRules.h"
#include "core/calendar/oCalendar.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QPushButton;
class QTableWidget;

namespace Velmora {

class PictureBox;

class Platform;
class SoundCuePlayer;

/// The Calendar Wizard: the game master lists the campaign's months with their lengths in a
/// grid and picks the campaign's start date. It works on a copy of the campaign calendar; the
/// caller runs it through Platform::execDialog and, unless cancelled, takes the new calendar,
/// the start date and the month count through the getters.
class CalendarWizardForm : public QDialog
{
    Q_OBJECT

public:
    explicit CalendarWizardForm(Platform &platform, const SoundCuePlayer &sounds, QWidget *parent = nullptr);

    /// Shows the months of `calendar` and `startDate` (a date string, or the compact YYYYMMDD).
    /// Without a start date the wizard starts on day 1 of month 1 of the calendar's start year.
    void init(const oCalendar &calendar, const QString &startDate);

    /// After OK, the calendar of the grid's months under the start date given to init (the
    /// chosen start date goes back through the date getters); before that, the calendar given
    /// to init.
    oCalendar GetNewCalendar() const { return m_newCalendar; }
    /// The month count as a number.
    qint16 GetCampaignLenght() const;
    /// The chosen start date as a date string ("2010:3:5").
    QString Get_YYYYMMDD_DateString() const;
    /// The chosen start date for display ("March 5, 2010").
    QString Get_DateString() const;
    bool cancelled() const { return m_cancelled; }
    void setPicture(const QPixmap &picture);

    void done(int result) override;

signals:
    /// The user chose a new picture for the wizard; `path` is the file chosen.
    void pictureReplaced(const QString &path);

protected:

private:
    void buildWidgets();
    QWidget *buildCalendarFrame();
    QWidget *buildStartFrame();

    void setRow(int row, const QString &name, const QString &days);
    /// The rules' rows, count and selection into the grid and the count box, then the start
    /// months and the buttons.
    void showRows();
    void loadSelectedRow();
    int gridSelection() const;
    int chosenMonth() const;
    int chosenDay() const;
    void fillMonths(int month, int keepDay);
    void refillMonths();
    void fillDays(int keepDay);
    void updateButtons();

    void CampaignMonthsText_LostFocus();
    void MSFlexGrid1_Click(int row);
    void cmdMonthNameAdd_Click();
    void cmdMove_Click(int step);
    void cmdRemove_Click();
    void cmdClear_Click();
    void cboMonth_Click();
    void cmdOK_Click();
    void CalendarWizardImage_Click();

    Platform &m_platform;
    const SoundCuePlayer &m_sounds;
    QString m_startDate; ///< the start date the wizard was opened with
    CalendarWizardRules m_rules;
    oCalendar m_newCalendar;
    bool m_cancelled = true;

    QTableWidget *m_grid;
    QLineEdit *m_monthCount;
    QLineEdit *m_monthName;
    QLineEdit *m_monthLength;
    QPushButton *m_add;
    QPushButton *m_up;
    QPushButton *m_down;
    QPushButton *m_remove;
    QPushButton *m_clear;
    QLineEdit *m_year;
    QComboBox *m_month;
    QComboBox *m_day;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    PictureBox *m_image; ///< the replaceable picture: click to replace, right click for its size
};

} // namespace Velmora
