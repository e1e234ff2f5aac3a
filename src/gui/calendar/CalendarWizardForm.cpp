#include "gui/calendar/CalendarWizardForm.h"

#include "gui/options/PictureBox.h"

#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

enum Column { NameColumn, DaysColumn };

QLineEdit *makeBox(const QString &name, const QString &toolTip, const QString &pattern, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), box));
    return box;
}

} // namespace

CalendarWizardForm::CalendarWizardForm(Platform &platform, const SoundCuePlayer &sounds, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_sounds(sounds)
    , m_grid(new QTableWidget(0, 2, this))
    // Counts and lengths are 16-bit: five digits at most.
    , m_monthCount(makeBox(u"CampaignMonthsText"_s, QString(), u"[0-9]{0,5}"_s, this))
    // Month names key the calendar's months and are written into ";"-separated lines: the
    // characters that would break them cannot be typed.
    , m_monthName(makeBox(u"txtMonthName"_s, tr("Month name"), u"[^;_:]*"_s, this))
    , m_monthLength(makeBox(u"txtMonthLen"_s, tr("Number of days in that month"), u"[0-9]{0,5}"_s, this))
    , m_add(PushButtons::make(tr("Add"), u"cmdMonthNameAdd"_s, this, tr("Add new or replace selection")))
    , m_up(PushButtons::make(tr("Up"), u"cmdUp"_s, this, tr("Move selection up one row")))
    , m_down(PushButtons::make(tr("Down"), u"cmdDown"_s, this, tr("Move selection down one row")))
    , m_remove(PushButtons::make(tr("Remove"), u"cmdRemove"_s, this, tr("Remove selected month")))
    , m_clear(PushButtons::make(tr("Clear"), u"cmdClear"_s, this, tr("Clear the month list")))
    , m_year(makeBox(u"txtYear"_s, tr("Enter year of campaign"), u"[0-9]*"_s, this))
    , m_month(new QComboBox(this))
    , m_day(new QComboBox(this))
    , m_ok(PushButtons::make(tr("OK"), u"cmdOK"_s, this, tr("Accept changes")))
    , m_cancel(PushButtons::make(tr("Cancel"), u"cmdCancel"_s, this, tr("Discard changes")))
    , m_image(new PictureBox(platform, sounds, QPixmap(), this))
{
    setObjectName(u"CalendarWizardForm"_s);
    setWindowTitle(tr("Calendar Wizard"));
    buildWidgets();

    connect(m_monthCount, &QLineEdit::editingFinished, this, &CalendarWizardForm::CampaignMonthsText_LostFocus);
    for (QLineEdit *box : {m_monthName, m_monthLength, m_year})
        connect(box, &QLineEdit::textChanged, this, &CalendarWizardForm::updateButtons);
    connect(m_grid, &QTableWidget::cellClicked, this, &CalendarWizardForm::MSFlexGrid1_Click);
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, [this] {
        // A row chosen with the arrow keys is loaded as a clicked one is, so that Add never
        // replaces a row whose values the boxes do not show.
        m_rules.select(gridSelection());
        loadSelectedRow();
        updateButtons();
    });
    connect(m_add, &QPushButton::clicked, this, &CalendarWizardForm::cmdMonthNameAdd_Click);
    connect(m_up, &QPushButton::clicked, this, [this] { cmdMove_Click(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { cmdMove_Click(+1); });
    connect(m_remove, &QPushButton::clicked, this, &CalendarWizardForm::cmdRemove_Click);
    connect(m_clear, &QPushButton::clicked, this, &CalendarWizardForm::cmdClear_Click);
    connect(m_month, &QComboBox::currentIndexChanged, this, &CalendarWizardForm::cboMonth_Click);
    connect(m_day, &QComboBox::currentIndexChanged, this, &CalendarWizardForm::updateButtons);
    connect(m_ok, &QPushButton::clicked, this, &CalendarWizardForm::cmdOK_Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_image, &PictureBox::replaced, this, &CalendarWizardForm::pictureReplaced);
    updateButtons();
}

void CalendarWizardForm::buildWidgets()
{
    m_month->setObjectName(u"cboMonth"_s);
    m_month->setToolTip(tr("Select starting month of campaign"));
    m_day->setObjectName(u"cboDay"_s);
    m_day->setToolTip(tr("Select starting date of campaign"));
    m_image->setObjectName(u"CalendarWizardImage"_s);
    m_monthName->setPlaceholderText(m_monthName->toolTip());
    m_monthLength->setPlaceholderText(m_monthLength->toolTip());

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_image);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildCalendarFrame(), 1);
    layout->addWidget(buildStartFrame());
    layout->addLayout(buttons);
}

QWidget *CalendarWizardForm::buildCalendarFrame()
{
    m_grid->setObjectName(u"MSFlexGrid1"_s);
    m_grid->setHorizontalHeaderLabels({tr("Month name"), tr("# of days")});
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(DaysColumn, QHeaderView::ResizeToContents);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows change only through the entry boxes and the buttons.
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *count = new QFormLayout;
    count->addRow(tr("Campaign lenght"), m_monthCount);
    auto *move = new QHBoxLayout;
    move->addWidget(m_up);
    move->addWidget(m_down);
    auto *side = new QVBoxLayout;
    side->addLayout(count);
    side->addWidget(m_monthName);
    side->addWidget(m_monthLength);
    side->addWidget(m_add);
    side->addLayout(move);
    side->addWidget(m_remove);
    side->addWidget(m_clear);
    side->addStretch();

    auto *frame = new QGroupBox(tr(" Basic Calendar "), this);
    auto *columns = new QHBoxLayout;
    columns->addWidget(m_grid, 1);
    columns->addLayout(side);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(columns);
    auto *hint = new QLabel(tr("Enter each month's name and number of days for each."), frame);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    return frame;
}

QWidget *CalendarWizardForm::buildStartFrame()
{
    auto *frame = new QGroupBox(tr(" Campaign starts on this date "), this);
    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(m_year);
    layout->addWidget(m_month, 1);
    layout->addWidget(m_day);
    return frame;
}

void CalendarWizardForm::init(const oCalendar &calendar, const QString &startDate)
{
    m_newCalendar = calendar;
    m_cancelled = true;
    m_startDate = startDate.trimmed();
    if (!m_startDate.isEmpty() && !m_startDate.contains(u':'))
        m_startDate = oCalendar::ExpandCompactDate(m_startDate).value_or(QString());
    if (m_startDate.isEmpty()) {
        QString year = calendar.StartDate().section(u':', 0, 0);
        if (year.isEmpty())
            year = oCalendar::defaultStartDate().section(u':', 0, 0);
        m_startDate = year + u":1:1"_s;
    }

    m_rules.load(calendar);
    m_monthName->clear();
    m_monthLength->clear();
    m_year->setText(m_startDate.section(u':', 0, 0));
    showRows();
    fillMonths(m_startDate.section(u':', 1, 1).toInt(), m_startDate.section(u':', 2, 2).toInt());
}

qint16 CalendarWizardForm::GetCampaignLenght() const
{
    return qint16(m_rules.monthCount());
}

QString CalendarWizardForm::Get_YYYYMMDD_DateString() const
{
    return CalendarWizardRules::DateString(m_year->text(), chosenMonth(), chosenDay());
}

QString CalendarWizardForm::Get_DateString() const
{
    return CalendarWizardRules::DisplayDate(m_month->currentText(), chosenDay(), m_year->text());
}

void CalendarWizardForm::setPicture(const QPixmap &picture)
{
    m_image->setPixmap(picture);
}

void CalendarWizardForm::done(int result)
{
    // Cancel, Escape and the close box all end here as rejections.
    m_cancelled = result != QDialog::Accepted;
    QDialog::done(result);
}

void CalendarWizardForm::setRow(int row, const QString &name, const QString &days)
{
    m_grid->setItem(row, NameColumn, new QTableWidgetItem(name));
    m_grid->setItem(row, DaysColumn, new QTableWidgetItem(days));
}

void CalendarWizardForm::showRows()
{
    {
        const QSignalBlocker blocker(m_grid);
        const QList<CalendarWizardRules::Row> &rows = m_rules.rows();
        m_grid->setRowCount(int(rows.size()));
        for (int row = 0; row < rows.size(); ++row)
            setRow(row, rows.at(row).name, rows.at(row).days);
        m_grid->clearSelection();
        if (m_rules.selectedRow() >= 0)
            m_grid->selectRow(m_rules.selectedRow());
    }
    m_monthCount->setText(QString::number(m_rules.monthCount()));
    refillMonths();
}

void CalendarWizardForm::loadSelectedRow()
{
    if (const int row = m_rules.selectedRow(); row >= 0) {
        m_monthName->setText(m_rules.rows().at(row).name);
        m_monthLength->setText(m_rules.rows().at(row).days);
    }
}

int CalendarWizardForm::gridSelection() const
{
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int CalendarWizardForm::chosenMonth() const
{
    return m_month->currentIndex() + 1;
}

int CalendarWizardForm::chosenDay() const
{
    return m_day->currentIndex() + 1;
}

void CalendarWizardForm::fillMonths(int month, int keepDay)
{
    // Only named rows are listed: once every row is named, as acceptance needs, a month's
    // position in the list is its month number.
    {
        const QSignalBlocker blocker(m_month);
        m_month->clear();
        m_month->addItems(m_rules.namedMonths());
        m_month->setCurrentIndex(month >= 1 && month <= m_month->count() ? month - 1 : -1);
    }
    fillDays(keepDay);
}

void CalendarWizardForm::refillMonths()
{
    // The chosen month stays chosen, by name, wherever the grid moved it.
    const QString chosen = m_month->currentIndex() < 0 ? QString() : m_month->currentText();
    fillMonths(chosen.isEmpty() ? 0 : int(m_rules.namedMonths().indexOf(chosen)) + 1, chosenDay());
}

void CalendarWizardForm::fillDays(int keepDay)
{
    const int days = m_month->currentIndex() < 0 ? 0 : m_rules.daysOf(m_month->currentText());
    {
        const QSignalBlocker blocker(m_day);
        m_day->clear();
        for (int day = 1; day <= days; ++day)
            m_day->addItem(QString::number(day));
        // A day the month does not have leaves no day chosen.
        m_day->setCurrentIndex(keepDay >= 1 && keepDay <= days ? keepDay - 1 : -1);
    }
    updateButtons();
}

void CalendarWizardForm::updateButtons()
{
    m_add->setEnabled(CalendarWizardRules::canAdd(m_monthName->text(), m_monthLength->text()));
    for (QPushButton *button : {m_up, m_down, m_remove})
        button->setEnabled(m_rules.canMoveOrRemove());
    m_ok->setEnabled(m_rules.canAccept(m_year->text(), chosenMonth(), chosenDay()));
}

void CalendarWizardForm::CampaignMonthsText_LostFocus()
{
    m_rules.setMonthCount(m_monthCount->text());
    showRows();
}

void CalendarWizardForm::MSFlexGrid1_Click(int row)
{
    m_sounds.play(SoundEvent::Click);
    m_rules.select(row);
    loadSelectedRow();
    updateButtons();
    m_monthName->setFocus();
    m_monthName->selectAll();
}

void CalendarWizardForm::cmdMonthNameAdd_Click()
{
    m_sounds.play(SoundEvent::Click);
    m_rules.add(m_monthName->text(), m_monthLength->text());
    m_monthName->clear();
    m_monthLength->clear();
    showRows();
}

void CalendarWizardForm::cmdMove_Click(int step)
{
    m_rules.moveSelected(step);
    showRows();
}

void CalendarWizardForm::cmdRemove_Click()
{
    m_rules.removeSelected();
    showRows();
}

void CalendarWizardForm::cmdClear_Click()
{
    m_rules.clear();
    m_monthName->clear();
    m_monthLength->clear();
    showRows();
}

void CalendarWizardForm::cboMonth_Click()
{
    fillDays(chosenDay());
}

void CalendarWizardForm::cmdOK_Click()
{
    // The calendar keeps only the first of two months of one name, and the start month is
    // chosen by position: a repeated name would shift the start date to another month.
    if (const QString repeated = m_rules.repeatedName(); !repeated.isEmpty()) {
        m_platform.information(tr("Calendar Wizard"),
                               tr("Two months are named \"%1\".").arg(repeated) + u"\r\n"_s
                                   + tr("Please give each month a name of its own."));
        return;
    }
    // The calendar keeps the start date it was opened with; the chosen one goes back through
    // the date getters.
    m_newCalendar = m_rules.newCalendar(m_year->text(), chosenMonth(), chosenDay(), m_startDate);
    accept();
}

void CalendarWizardForm::CalendarWizardImage_Click()
{
    m_image->replace();
}

} // namespace Velmora
