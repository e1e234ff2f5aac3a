#include "gui/table/DiceRollerFrame.h"

#include "gui/ui/StepButton.h"
#include "core/table/DiceRoller.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/table/frmRandom.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QLineEdit *makeField(int index, const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(u"NumberOfDiceToRollUpText"_s);
    field->setProperty("index", index);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(u'0') * 7 + 8);
    return field;
}

// The arrow buttons of this window are raised only under the mouse.
QToolButton *stepButton(const QString &name, Qt::ArrowType arrow, const QString &toolTip, QWidget *parent)
{
    auto *button = new StepButton(name, arrow, toolTip, parent);
    button->setAutoRaise(true);
    return button;
}

QRadioButton *makeSign(int index, const QString &caption, QWidget *parent)
{
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(u"Option1"_s);
    option->setProperty("index", index);
    return option;
}

} // namespace

DiceRollerFrame::DiceRollerFrame(ToolHost &host, QWidget *parent)
    : QGroupBox(DiceRoller::FrameCaption(), parent)
    , m_host(host)
{
    setObjectName(u"DiceRollerFrame"_s);
    buildLayout();
}

void DiceRollerFrame::buildLayout()
{
    auto *column = new QVBoxLayout(this);

    auto *countRow = new QHBoxLayout;
    m_fields[Count] = makeField(Count, DiceRoller::InitialCount(), this);
    auto *up = stepButton(u"NumberOfDiceToRollUpCommand"_s, Qt::UpArrow, DiceRoller::UpToolTip(), this);
    auto *down = stepButton(u"NumberOfDiceToRollDownCommand"_s, Qt::DownArrow, DiceRoller::DownToolTip(), this);
    countRow->addWidget(m_fields[Count]);
    countRow->addWidget(up);
    countRow->addWidget(down);
    countRow->addStretch();
    column->addLayout(countRow);

    // The signs sit on a widget of their own, so that they choose only between themselves.
    auto *signs = new QWidget(this);
    auto *modifierRow = new QHBoxLayout(signs);
    modifierRow->setContentsMargins(0, 0, 0, 0);
    m_plus = makeSign(0, u"+"_s, signs);
    m_minus = makeSign(1, u"-"_s, signs);
    m_plus->setChecked(true);
    m_fields[Modifier] = makeField(Modifier, DiceRoller::InitialModifier(), signs);
    modifierRow->addWidget(m_plus);
    modifierRow->addWidget(m_minus);
    modifierRow->addWidget(m_fields[Modifier]);
    modifierRow->addWidget(new QLabel(DiceRoller::ModifierLabel(), signs));
    modifierRow->addStretch();
    column->addWidget(signs);

    auto *dice = new QGridLayout;
    for (int index = 0; index <= DiceRoller::RangeButton; ++index) {
        auto *button = new QPushButton(DiceRoller::Caption(index), this);
        button->setObjectName(u"cmdDice"_s);
        button->setProperty("index", index);
        dice->addWidget(button, index / 3, index % 3);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdDice_Click(index); });
    }
    column->addLayout(dice);

    m_result = new QLabel(DiceRoller::InitialResult(), this);
    m_result->setObjectName(u"DiceRollLabel"_s);
    m_result->setAlignment(Qt::AlignCenter);
    QFont big = m_result->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    m_result->setFont(big);
    column->addWidget(m_result);

    for (int field : { Count, Modifier }) {
        m_fields[field]->installEventFilter(this);
        connect(m_fields[field], &QLineEdit::textEdited, this, [this, field] { fieldEdited(Field(field)); });
    }
    connect(up, &QToolButton::clicked, this, [this] { stepCount(true); });
    connect(down, &QToolButton::clicked, this, [this] { stepCount(false); });
}

void DiceRollerFrame::addMenuItems(ToolHost &host, QObject *context, const std::function<DiceRollerFrame &()> &frame)
{
    for (int index = 0; index < DiceRoller::KindCount; ++index) {
        auto *item = new QAction(DiceRoller::MenuCaption(index), context);
        item->setObjectName(u"mnuDicesRoll_"_s + QString::number(DiceRoller::Sides(index)));
        QObject::connect(item, &QAction::triggered, context, [frame, index] { frame().cmdDice_Click(index); });
        host.addToMenu(MainMenu::Dices, item);
    }
}

void DiceRollerFrame::cmdDice_Click(int index)
{
    m_host.sounds().play(SoundEvent::Click);
    if (index == DiceRoller::RangeButton)
        openRangeDialog();
    else
        rollDice(index);
}

void DiceRollerFrame::rollDice(int index)
{
    m_host.showTab(MainTab::Tools);
    m_result->setText(DiceRoller::InitialResult());
    m_fields[Count]->setText(DiceRoller::CountAfterEdit(m_fields[Count]->text()));
    m_fields[Modifier]->setText(DiceRoller::ModifierAfterEdit(m_fields[Modifier]->text()));
    const DiceRoll roll = DiceRoller::RollFields(m_host.platform().random(), m_fields[Count]->text(),
        DiceRoller::Sides(index), m_fields[Modifier]->text(), m_minus->isChecked());
    m_result->setText(DiceRoller::ResultText(roll));
    m_host.sounds().play(SoundEvent::Roll);
}

void DiceRollerFrame::openRangeDialog()
{
    frmRandom dialog(m_host.platform(), m_host.dialogParent());
    dialog.init(*m_host.dialogParent()->window());
    m_host.platform().execDialog(dialog);
    if (!dialog.cancelled())
        m_result->setText(dialog.GetDiceRoll());
}

void DiceRollerFrame::stepCount(bool up)
{
    QLineEdit *count = m_fields[Count];
    count->setText(up ? DiceRoller::StepUp(count->text()) : DiceRoller::StepDown(count->text()));
    m_host.sounds().play(SoundEvent::Click);
}

void DiceRollerFrame::fieldEdited(Field field)
{
    QLineEdit *edit = m_fields[field];
    const QString text
        = field == Count ? DiceRoller::CountAfterEdit(edit->text()) : DiceRoller::ModifierAfterEdit(edit->text());
    if (text == edit->text())
        return;
    edit->setText(text);
    // The default put back is selected, so that the next key replaces it.
    edit->selectAll();
}

bool DiceRollerFrame::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a field selects its text; after the event, so that the click that brought the
    // focus does not place the cursor over the selection.
    if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace Velmora
