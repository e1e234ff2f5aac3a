#include "gui/table/frmRandom.h"

#include "core/persistence/ListLayout.h"
#include "core/table/RandomRangeRules.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QLineEdit *makeField(const QString &name, const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(name);
    return field;
}

} // namespace

frmRandom::frmRandom(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_from(makeField(u"txtFrom"_s, RandomRangeRules::InitialFrom(), this))
    , m_to(makeField(u"txtTo"_s, RandomRangeRules::InitialTo(), this))
    , m_result(makeField(u"txtResult"_s, QString(), this))
    , m_generate(PushButtons::make(RandomRangeRules::GenerateCaption(), u"cmdGenerate"_s, this))
    , m_ok(PushButtons::make(RandomRangeRules::OkCaption(), u"cmdOK"_s, this))
    , m_cancel(PushButtons::make(RandomRangeRules::CancelCaption(), u"cmdCancel"_s, this))
{
    setObjectName(u"frmRandom"_s);
    setWindowTitle(RandomRangeRules::Caption());
    // The result is the draw's alone: typed text would reach the Dice Roller as a result.
    m_result->setReadOnly(true);
    buildLayout();

    for (QLineEdit *bound : { m_from, m_to }) {
        bound->installEventFilter(this);
        connect(bound, &QLineEdit::textEdited, this, [this, bound] { boundEdited(bound); });
        connect(bound, &QLineEdit::textChanged, this, &frmRandom::showEnabling);
    }
    connect(m_result, &QLineEdit::textChanged, this, &frmRandom::showEnabling);
    connect(m_generate, &QPushButton::clicked, this, &frmRandom::cmdGenerate_Click);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    showEnabling();
}

void frmRandom::buildLayout()
{
    auto *frame = new QGroupBox(RandomRangeRules::FrameCaption(), this);
    auto *fields = new QFormLayout(frame);
    fields->addRow(RandomRangeRules::FromLabel(), m_from);
    fields->addRow(RandomRangeRules::ToLabel(), m_to);
    fields->addRow(RandomRangeRules::ResultLabel(), m_result);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_generate);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *column = new QVBoxLayout(this);
    column->addWidget(frame);
    column->addLayout(buttons);
}

void frmRandom::init(const QWidget &mainWindow)
{
    move(mainWindow.pos()
        + QPoint(
            ListLayout::toPixels(RandomRangeRules::LeftOffset), ListLayout::toPixels(RandomRangeRules::TopOffset)));
}

QString frmRandom::GetDiceRoll() const { return m_result->text(); }

void frmRandom::done(int result)
{
    // Cancel, Escape and the close box all end here as rejections.
    m_cancelled = result != QDialog::Accepted;
    QDialog::done(result);
}

void frmRandom::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    m_platform.random().seed(m_platform.clock().timerTicks());
}

void frmRandom::boundEdited(QLineEdit *field)
{
    const QString text = field == m_from ? RandomRangeRules::FromAfterEdit(field->text())
                                         : RandomRangeRules::ToAfterEdit(field->text());
    if (text != field->text())
        field->setText(text);
}

void frmRandom::boundLeft(QLineEdit *field)
{
    const bool from = field == m_from;
    const RandomRangeRules::Leave leave = from ? RandomRangeRules::LeaveFrom(m_from->text(), m_to->text())
                                               : RandomRangeRules::LeaveTo(m_from->text(), m_to->text());
    field->setPalette(QPalette());
    if (!leave.refused)
        return;
    field->setText(leave.text);
    m_platform.beep();
    QPalette yellow = field->palette();
    yellow.setColor(QPalette::Base, Qt::yellow);
    // Dark text on the yellow, whatever text colour the desktop's palette has (light in a dark one).
    yellow.setColor(QPalette::Text, Qt::black);
    field->setPalette(yellow);
    m_refusing = true;
    field->setFocus(Qt::OtherFocusReason);
    m_refusing = false;
}

void frmRandom::showEnabling()
{
    m_generate->setEnabled(RandomRangeRules::IsValid(m_from->text(), m_to->text()));
    m_ok->setEnabled(RandomRangeRules::CanAccept(m_result->text()));
}

void frmRandom::cmdGenerate_Click()
{
    const std::optional<int> drawn = RandomRangeRules::Draw(m_platform.random(), m_from->text(), m_to->text());
    if (drawn)
        m_result->setText(QString::number(*drawn));
}

bool frmRandom::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        // Typed characters other than digits are dropped; keys that type nothing printable (Tab,
        // Escape, arrows, Backspace, Enter, the editing shortcuts) keep their work. A pasted
        // text is read for its leading number.
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && typed.front().isPrint() && !RandomRangeRules::AcceptsCharacter(typed.front()))
            return true;
    }
    if (field && event->type() == QEvent::FocusOut && !m_refusing) {
        // Only a move to another control of the dialog leaves a field; another window coming
        // to the front does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            boundLeft(field);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Velmora
