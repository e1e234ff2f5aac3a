#include "gui/table/BattleBoxCounterPanel.h"

#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/PushButtons.h"
#include "gui/ui/StepButton.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QLabel *counterLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(48);
    return label;
}

/// The clear-turn-marks picture: an empty check box, as every row's box is left.
QIcon emptyBoxIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(2, 2, 11, 11);
    return QIcon(picture);
}

} // namespace

BattleBoxCounterPanel::BattleBoxCounterPanel(const SoundCuePlayer &sounds, QWidget *parent)
    : QWidget(parent)
    , m_sounds(sounds)
{
    setObjectName(u"BattleBoxCounterPanel"_s);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    buildRound(grid);
    for (int which = 0; which < BattleBoxCounters::DurationCount; ++which)
        buildDuration(grid, which);
    auto *clearAll
        = PushButtons::make(tr("Clear All"), u"BattleBoxResetCommand"_s, this, tr("Clear duration and situation"));
    grid->addWidget(clearAll, 0, 6, Qt::AlignRight);
    connect(clearAll, &QPushButton::clicked, this, &BattleBoxCounterPanel::clearAll);
    grid->setColumnStretch(6, 1);
    showCounters();
}

void BattleBoxCounterPanel::buildRound(QGridLayout *grid)
{
    m_round = counterLabel(u"BattleBoxTurnCounterAmountLabel"_s, this);
    auto *up = new StepButton(u"BattleBoxTurnCounterUpCommand"_s, Qt::UpArrow, tr("Up by one"), this);
    auto *down = new StepButton(u"BattleBoxTurnCounterDownCommand"_s, Qt::DownArrow, tr("Down by one"), this);
    auto *clearMarks = new QToolButton(this);
    clearMarks->setObjectName(u"ResetBattleBoxCharacterNameTextCommand"_s);
    clearMarks->setIcon(emptyBoxIcon());
    clearMarks->setToolTip(tr("Clear turn marks"));
    grid->addWidget(new QLabel(tr("Sequence / Turn Counter"), this), 0, 0);
    grid->addWidget(m_round, 0, 1);
    grid->addWidget(up, 0, 2);
    grid->addWidget(down, 0, 3);
    grid->addWidget(clearMarks, 0, 4);
    connect(up, &QAbstractButton::clicked, this, &BattleBoxCounterPanel::advanceRequested);
    connect(down, &QAbstractButton::clicked, this, &BattleBoxCounterPanel::stepRoundBack);
    connect(clearMarks, &QAbstractButton::clicked, this, &BattleBoxCounterPanel::clearTurnMarksRequested);
}

void BattleBoxCounterPanel::buildDuration(QGridLayout *grid, int which)
{
    const QString number = QString::number(which + 1);
    QLabel *label = m_durations[which] = counterLabel(u"DurationLabel"_s, this);
    label->setProperty("index", which);
    QLineEdit *reason = m_situations[which] = new QLineEdit(this);
    reason->setObjectName(u"ReasonText"_s);
    reason->setProperty("index", which);
    auto *up = new StepButton(u"Duration%1CounterUpCommand"_s.arg(number), Qt::UpArrow, tr("Up by one"), this);
    auto *down = new StepButton(u"Duration%1CounterDownCommand"_s.arg(number), Qt::DownArrow, tr("Down by one"), this);
    // The first "Reset" names the duration, the second the situation: their tooltips as they were.
    auto *reset = PushButtons::make(tr("Reset"), u"ResetDuration%1Command"_s.arg(number), this,
        which == 0 ? tr("Reset duration") : tr("Reset situation"));
    const int row = 1 + which;
    grid->addWidget(new QLabel(tr("Duration Counter"), this), row, 0);
    grid->addWidget(label, row, 1);
    grid->addWidget(up, row, 2);
    grid->addWidget(down, row, 3);
    grid->addWidget(reset, row, 4);
    grid->addWidget(new QLabel(tr("Situation (reason for Duration)"), this), row, 5);
    grid->addWidget(reason, row, 6);
    connect(up, &QAbstractButton::clicked, this, [this, which] { durationUp(which); });
    connect(down, &QAbstractButton::clicked, this, [this, which] { durationDown(which); });
    connect(reset, &QPushButton::clicked, this, [this, which] { resetDuration(which); });
    connect(reason, &QLineEdit::textEdited, this,
        [this, which](const QString &text) {
            m_counters.setSituation(which, text);
            emit countersChanged();
        });
}

void BattleBoxCounterPanel::setCounters(const BattleBoxCounters &counters)
{
    m_counters = counters;
    showCounters();
}

void BattleBoxCounterPanel::advanceCounters()
{
    m_counters.advanceRound();
    showCounters();
    emit countersChanged();
}

void BattleBoxCounterPanel::stepRoundBack()
{
    clicked([this] { m_counters.stepRoundBack(); });
}

void BattleBoxCounterPanel::durationUp(int which)
{
    clicked([this, which] { m_counters.durationUp(which); });
}

void BattleBoxCounterPanel::durationDown(int which)
{
    clicked([this, which] { m_counters.durationDown(which); });
}

void BattleBoxCounterPanel::resetDuration(int which)
{
    clicked([this, which] { m_counters.resetDuration(which); });
}

void BattleBoxCounterPanel::clearAll()
{
    clicked([this] { m_counters.clearAll(); });
}

void BattleBoxCounterPanel::clicked(const std::function<void()> &change)
{
    change();
    showCounters();
    emit countersChanged();
    m_sounds.play(SoundEvent::Click);
}

void BattleBoxCounterPanel::showCounters()
{
    m_round->setText(m_counters.round());
    for (int which = 0; which < BattleBoxCounters::DurationCount; ++which) {
        m_durations[which]->setText(m_counters.duration(which));
        if (m_situations[which]->text() != m_counters.situation(which))
            m_situations[which]->setText(m_counters.situation(which));
    }
}

} // namespace Velmora
