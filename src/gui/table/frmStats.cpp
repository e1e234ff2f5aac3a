#include "gui/table/frmStats.h"

#include "core/table/StatsListModel.h"
#include "gui/ui/FieldFilter.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The frames in caption order, with the fields they hold: the combat options (hit points, speed,
// initiative) come before the saves in the values but after them on the dialog.
struct FrameFields
{
    int first;
    int last;
};
constexpr std::array<FrameFields, 5> Frames = {{{0, 9}, {10, 15}, {19, 21}, {16, 18}, {22, 22}}};

} // namespace

frmStats::frmStats(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmStats"_s);
    setWindowTitle(StatsListModel::MenuTitle());
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::array<QString, 2> captions = {tr("OK"), tr("Cancel")};
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setObjectName(u"cmdCMD"_s);
        m_buttons[i]->setProperty("index", i);
        m_buttons[i]->setAutoDefault(false);
        buttons->addWidget(m_buttons[i]);
    }
    m_buttons[0]->setEnabled(false);
    connect(m_buttons[0], &QPushButton::clicked, this, [this] {
        m_cancelled = false;
        accept();
    });
    connect(m_buttons[1], &QPushButton::clicked, this, &QDialog::reject);

    auto *frames = new QGridLayout;
    frames->addWidget(buildFrame(0), 0, 0, 3, 1);
    frames->addWidget(buildFrame(1), 0, 1, 3, 1);
    for (int frame = 2; frame < int(Frames.size()); ++frame)
        frames->addWidget(buildFrame(frame), frame - 2, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);
}

QWidget *frmStats::buildFrame(int frame)
{
    auto *box = new QGroupBox(StatsListModel::FrameCaption(frame), this);
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int i = Frames[size_t(frame)].first; i <= Frames[size_t(frame)].last; ++i) {
        auto *field = new QLineEdit(box);
        field->setObjectName(u"txtStat"_s);
        field->setProperty("index", i);
        field->installEventFilter(this);
        FieldFilter::keepOnly(field, [](QChar c) { return c != u';'; });
        connect(field, &QLineEdit::textEdited, this, [this] { m_buttons[0]->setEnabled(true); });
        // The armour class has its frame for a caption and no label of its own.
        if (i < StatsRow::Count - 1)
            form->addRow(StatsListModel::FieldLabel(i), field);
        else
            form->addRow(field);
        m_fields[size_t(i)] = field;
    }
    return box;
}

void frmStats::init(const QStringList &values)
{
    for (int i = 0; i < FieldCount; ++i)
        m_fields[size_t(i)]->setText(values.value(i));
    m_fields[0]->setFocus();
}

QStringList frmStats::GetValues() const
{
    QStringList values;
    for (const QLineEdit *field : m_fields)
        values << field->text();
    return values;
}

// Entering a field selects its text, also by a click, so that typing replaces it.
bool frmStats::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            QMetaObject::invokeMethod(field, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Velmora
