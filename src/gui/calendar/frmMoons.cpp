#include "gui/calendar/frmMoons.h"

#include "core/calendar/MoonEditRules.h"
#include "core/calendar/oCalendar.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

} // namespace

frmMoons::frmMoons(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_list(new QTreeWidget(this))
    , m_name(new QLineEdit(this))
    , m_period(new QLineEdit(this))
    , m_addOne(PushButtons::make(tr("Add one"), u"cmdAdjust"_s, this, {}, 0))
    , m_substractOne(PushButtons::make(tr("Substract one"), u"cmdAdjust"_s, this, {}, 1))
    , m_month(new QComboBox(this))
    , m_day(new QComboBox(this))
    , m_add(PushButtons::make(tr("Add"), u"cmdAdd"_s, this))
    , m_cancelEdit(PushButtons::make(tr("Discard"), u"cmdCancelEdit"_s, this))
    , m_remove(PushButtons::make(tr("Remove"), u"cmdRemove"_s, this))
    , m_ok(PushButtons::make(tr("OK"), u"cmdDone"_s, this, {}, 0))
    , m_cancel(PushButtons::make(tr("Cancel"), u"cmdDone"_s, this, {}, 1))
    , m_showMoons(new QCheckBox(tr("Show moons in Agenda and Almanach"), this))
{
    setObjectName(u"frmMoons"_s);
    setWindowTitle(tr("Moons"));
    buildWidgets();

    connect(m_month, &QComboBox::currentIndexChanged, this, &frmMoons::cboMonth_Click);
    connect(m_day, &QComboBox::currentIndexChanged, this, &frmMoons::cboDay_Click);
    connect(m_name, &QLineEdit::textChanged, this, &frmMoons::markChanged);
    connect(m_period, &QLineEdit::textChanged, this, &frmMoons::markChanged);
    connect(m_addOne, &QPushButton::clicked, this, [this] { cmdAdjust_Click(true); });
    connect(m_substractOne, &QPushButton::clicked, this, [this] { cmdAdjust_Click(false); });
    connect(m_add, &QPushButton::clicked, this, &frmMoons::cmdAdd_Click);
    connect(m_cancelEdit, &QPushButton::clicked, this, &frmMoons::cmdCancelEdit_Click);
    connect(m_remove, &QPushButton::clicked, this, &frmMoons::cmdRemove_Click);
    connect(m_list, &QTreeWidget::itemClicked, this, &frmMoons::lsvMoons_ItemClick);
    connect(m_showMoons, &QCheckBox::toggled, this, [this](bool show) {
        m_rules.setShowMoons(show);
        showButtons();
    });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMoons::buildWidgets()
{
    m_list->setObjectName(u"lsvMoons"_s);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Name"), tr("Period"), tr("First full moon on"), tr("Date YYYYMMDD")});
    m_name->setObjectName(u"txtName"_s);
    // Moons are stored as ";"-separated fields: a ";" cannot be typed or pasted into a name.
    m_name->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[^;]*"_s), m_name));
    m_period->setObjectName(u"txtPeriod"_s);
    m_period->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), m_period));
    m_month->setObjectName(u"cboMonth"_s);
    m_day->setObjectName(u"cboDay"_s);
    m_showMoons->setObjectName(u"chkShowMoons"_s);

    auto *properties = new QGroupBox(tr(" Moon properties "), this);
    auto *adjust = new QHBoxLayout;
    adjust->addWidget(m_addOne);
    adjust->addWidget(m_substractOne);
    auto *propertiesLayout = new QFormLayout(properties);
    propertiesLayout->addRow(tr("Moon name:"), m_name);
    propertiesLayout->addRow(tr("Period (days):"), m_period);
    propertiesLayout->addRow(adjust);

    auto *date = new QGroupBox(tr(" Date of first full moon "), this);
    auto *dateLayout = new QFormLayout(date);
    dateLayout->addRow(tr("Month:"), m_month);
    dateLayout->addRow(tr("Day:"), m_day);

    auto *edit = new QHBoxLayout;
    edit->addWidget(m_add);
    edit->addWidget(m_cancelEdit);
    edit->addWidget(m_remove);
    edit->addStretch();
    auto *done = new QHBoxLayout;
    done->addWidget(m_showMoons);
    done->addStretch();
    done->addWidget(m_ok);
    done->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Campaign moon list:"), this));
    layout->addWidget(m_list, 1);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(properties);
    boxes->addWidget(date);
    layout->addLayout(boxes);
    layout->addLayout(edit);
    layout->addLayout(done);
}

void frmMoons::init(const QList<MoonRecord> &moons, const oCalendar &calendar, bool showMoons)
{
    m_original = moons;
    m_originalShow = showMoons;
    const QString start = calendar.StartDate();
    const QStringList monthNames = calendar.MonthNames();
    m_rules.load(moons, monthNames, start.contains(u':') ? start.section(u':', 0, 0) : start.left(4), showMoons);
    m_monthDays.clear();
    for (int month = 1; month <= monthNames.size(); ++month)
        m_monthDays << calendar.GetMonthDays(month).value_or(0);

    m_loading = true;
    m_month->clear();
    m_month->addItems(monthNames);
    m_showMoons->setChecked(showMoons);
    m_loading = false;
    resetEditArea();
    m_cancelled = true;
}

QList<MoonRecord> frmMoons::moons() const
{
    return m_cancelled ? m_original : m_rules.moons();
}

bool frmMoons::showMoons() const
{
    return m_cancelled ? m_originalShow : m_rules.showMoons();
}

void frmMoons::done(int result)
{
    m_cancelled = result != QDialog::Accepted;
    QDialog::done(result);
}

void frmMoons::resetEditArea()
{
    m_rules.resetEdit();
    m_loading = true;
    m_name->clear();
    m_period->setText(QString::number(MoonEditRules::DefaultPeriod));
    m_month->setCurrentIndex(0);
    fillDays(1);
    m_loading = false;
    showList();
}

void frmMoons::fillDays(int keepDay)
{
    const int index = m_month->currentIndex();
    const int days = index >= 0 && index < m_monthDays.size() ? m_monthDays.at(index) : 0;
    const bool wasLoading = m_loading;
    m_loading = true;
    m_day->clear();
    for (int day = 1; day <= days; ++day)
        m_day->addItem(QString::number(day));
    m_day->setCurrentIndex(std::min(keepDay, days) - 1);
    m_loading = wasLoading;
}

void frmMoons::showList()
{
    m_list->clear();
    for (int row = 0; row < m_rules.moons().size(); ++row)
        new QTreeWidgetItem(m_list, m_rules.rowTexts(row));
    showButtons();
}

void frmMoons::showButtons()
{
    m_add->setText(m_rules.selectedRow() < 0 ? tr("Add") : tr("Edit"));
    m_add->setEnabled(m_rules.canAdd(m_name->text(), m_period->text(), selectedDay()));
    m_remove->setEnabled(m_rules.canRemove());
    m_ok->setEnabled(m_rules.canApply());
}

void frmMoons::markChanged()
{
    if (m_loading)
        return;
    m_rules.markChanged();
    showButtons();
}

int frmMoons::selectedDay() const
{
    return m_day->currentIndex() + 1;
}

int frmMoons::selectedMonth() const
{
    return m_month->currentIndex() + 1;
}

void frmMoons::cboMonth_Click()
{
    fillDays(selectedDay());
    markChanged();
}

void frmMoons::cboDay_Click()
{
    if (m_loading || m_day->currentIndex() < 0)
        return;
    const MoonEditRules::DayCheck check =
        MoonEditRules::CheckDay(selectedDay(), MoonEditRules::ReadPeriod(m_period->text()));
    if (check.warn)
        m_platform.information(MoonEditRules::DateSelectionTitle(), MoonEditRules::EarlierDateMessage());
    if (check.day != selectedDay())
        m_day->setCurrentIndex(check.day - 1); // checks the moved day in turn
    else
        markChanged();
}

void frmMoons::cmdAdjust_Click(bool addOne)
{
    if (addOne) {
        m_period->setText(QString::number(MoonEditRules::AddOne(m_period->text())));
        return;
    }
    const MoonEditRules::PeriodStep step = MoonEditRules::SubstractOne(m_period->text(), selectedDay());
    if (step.warn)
        m_platform.information(MoonEditRules::DateSelectionTitle(), MoonEditRules::PeriodTooShortMessage());
    m_period->setText(QString::number(step.period));
}

void frmMoons::cmdAdd_Click()
{
    m_rules.add(m_name->text(), m_period->text(), selectedMonth(), selectedDay());
    resetEditArea();
}

void frmMoons::cmdCancelEdit_Click()
{
    resetEditArea();
}

void frmMoons::cmdRemove_Click()
{
    m_rules.removeSelected();
    m_loading = true;
    m_name->clear();
    m_period->setText(QString::number(MoonEditRules::DefaultPeriod));
    m_loading = false;
    showList();
}

void frmMoons::lsvMoons_ItemClick(QTreeWidgetItem *item)
{
    const int row = m_list->indexOfTopLevelItem(item);
    if (row < 0)
        return;
    const MoonEditRules::Edit edit = m_rules.select(row);
    m_loading = true;
    m_name->setText(edit.name);
    m_period->setText(edit.period);
    m_month->setCurrentIndex(edit.month - 1);
    fillDays(edit.day);
    m_loading = false;
    showButtons();
}

} // namespace Velmora
