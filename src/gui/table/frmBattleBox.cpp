#include "gui/table/frmBattleBox.h"

#include "core/table/BattleBoxList.h"
#include "gui/table/ReplicationCount.h"
#include "gui/ui/Platform.h"
#include "gui/ui/PushButtons.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr int NameField = 1;

QString fieldLabel(int field)
{
    static const char *const labels[] = { "Initiative:", "Character name:", "Fort:", "Ref:", "Will:", "Special:",
        "spd:", "AC:", "Melee:", "Damage:", "Ranged:", "Damage:", "hp:" };
    return frmBattleBox::tr(labels[field]);
}

/// Typed or pasted characters that a saved record cannot hold are left out.
void dropRefusedKeys(QLineEdit *field, const QString &text)
{
    QString kept = text;
    kept.removeIf([](QChar c) { return BattleBoxList::isDroppedKey(c); });
    if (kept == text)
        return;
    const int caret = field->cursorPosition() - int(text.size() - kept.size());
    field->setText(kept);
    field->setCursorPosition(qMax(0, caret));
}

} // namespace

frmBattleBox::frmBattleBox(Platform &platform, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_count(new ReplicationCount(this))
    , m_ok(PushButtons::make(tr("OK"), u"cmdAction"_s, this, {}, 0))
    , m_cancel(PushButtons::make(tr("Cancel"), u"cmdAction"_s, this, {}, 1))
{
    setObjectName(u"frmBattleBox"_s);
    setWindowTitle(tr("Battle Box Edition"));
    buildWidgets();
    connect(m_count, &ReplicationCount::changed, this, [this] { m_ok->setEnabled(true); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmBattleBox::buildWidgets()
{
    auto *grid = new QGridLayout;
    for (int field = 0; field < FieldCount; ++field) {
        auto *label = new QLabel(fieldLabel(field), this);
        label->setObjectName(u"lblSubItems"_s);
        label->setProperty("index", field);
        QLineEdit *edit = m_fields[field] = new QLineEdit(this);
        edit->setObjectName(u"txtSubItems"_s);
        edit->setProperty("index", field);
        label->setBuddy(edit);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString &text) {
            dropRefusedKeys(edit, text);
            m_ok->setEnabled(true);
        });
        grid->addWidget(label, field / 2, (field % 2) * 2);
        grid->addWidget(edit, field / 2, (field % 2) * 2 + 1);
    }

    auto *replication = new QGroupBox(tr(" Replication "), this);
    auto *count = new QHBoxLayout(replication);
    count->addWidget(new QLabel(tr("Number of additional  time to replicate this character:"), replication));
    count->addWidget(m_count->field());
    count->addWidget(m_count->downButton());
    count->addWidget(m_count->upButton());
    m_count->field()->setParent(replication);
    m_count->downButton()->setParent(replication);
    m_count->upButton()->setParent(replication);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(replication);
    layout->addLayout(buttons);
}

void frmBattleBox::init(const BattleBoxList &list, int row)
{
    m_list = &list;
    m_row = row;
    for (int field = 0; field < FieldCount; ++field)
        m_fields[field]->setText(row < 0 ? QString() : BattleBoxList::text(list.entry(row), field + 1));
    m_count->reset();
    // Nothing to store until a value changes.
    m_ok->setEnabled(false);
    m_fields[NameField]->setFocus();
}

QStringList frmBattleBox::GetData() const
{
    QStringList values;
    for (const QLineEdit *field : m_fields)
        values << field->text().trimmed();
    return values;
}

bool frmBattleBox::IsReplication() const { return m_count->value() >= 1; }

int frmBattleBox::NumberOfReplication() const { return m_count->number(); }

void frmBattleBox::done(int result)
{
    m_cancelled = result != QDialog::Accepted;
    QDialog::done(result);
}

bool frmBattleBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        static_cast<QLineEdit *>(watched)->selectAll();
        return false;
    } else if (event->type() == QEvent::FocusOut) {
        // The focus going to another window (the clash message itself) is no leaving of the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        if (watched != m_fields[NameField])
            m_ok->setEnabled(true);
        else
            checkName();
    }
    return QDialog::eventFilter(watched, event);
}

void frmBattleBox::checkName()
{
    // Copies get numbers, so the name may repeat while some are asked for.
    // Compared as it will be stored, trimmed of blanks.
    const QString name = m_fields[NameField]->text().trimmed();
    if (!m_list || m_count->value() != 0 || !m_list->isNameTaken(name, m_row))
        return;
    m_platform.information(tr("Duplicate name"), tr("Name already exists in list.") + tr("Name must be unique."));
    m_ok->setEnabled(false);
    m_fields[NameField]->setFocus();
    m_fields[NameField]->selectAll();
}

} // namespace Velmora
