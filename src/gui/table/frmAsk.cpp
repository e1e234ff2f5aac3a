#include "gui/table/frmAsk.h"

#include "core/common/AppFolder.h"
#include "gui/table/CrystalBall.h"
#include "gui/ui/Platform.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

frmAsk::frmAsk(Platform &platform, const AppFolder &folder, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_answerFile(folder.file(Oracle::FileName()))
    , m_query(new QLineEdit(this))
    , m_ball(new CrystalBall(this))
    , m_answer(new QPlainTextEdit(this))
    , m_done(new QPushButton(tr("Done"), this))
{
    setObjectName(u"frmAsk"_s);
    setWindowTitle(Oracle::Caption());
    m_query->setObjectName(u"txtQuery"_s);
    m_ball->setObjectName(u"imgBall"_s);
    m_ball->setEnabled(false);
    m_answer->setObjectName(u"txtAnswer"_s);
    m_answer->setReadOnly(true);
    m_done->setObjectName(u"cmdDone"_s);
    // Enter asks the question; it must not close the window.
    m_done->setAutoDefault(false);
    buildLayout();

    connect(
        m_query, &QLineEdit::textChanged, this, [this](const QString &text) { m_ball->setEnabled(!text.isEmpty()); });
    connect(m_query, &QLineEdit::returnPressed, m_ball, &CrystalBall::click);
    connect(m_ball, &CrystalBall::clicked, this, &frmAsk::imgBall_Click);
    connect(m_done, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAsk::buildLayout()
{
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_query);
    column->addWidget(m_ball, 0, Qt::AlignHCenter);
    m_answer->setFixedHeight(m_answer->fontMetrics().lineSpacing() * 4);
    column->addWidget(m_answer);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_done);
    column->addLayout(buttons);
}

void frmAsk::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        Form_Activate();
    }
}

void frmAsk::Form_Activate()
{
    m_platform.random().seed(m_platform.clock().timerTicks());
    if (!m_oracle.load(m_answerFile))
        showAnswer(Oracle::MissingFileText());
}

void frmAsk::imgBall_Click()
{
    if (!m_oracle.hasAnswerList()) {
        showAnswer(Oracle::MissingFileText());
        return;
    }
    m_platform.random().seed(m_platform.clock().timerTicks());
    // A file without a line to draw leaves the question unanswered: the field is emptied, so
    // that the last answer does not pass for this one.
    showAnswer(m_oracle.Ask(m_platform.random()).value_or(QString()));
}

void frmAsk::showAnswer(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    m_answer->setPlainText(shown);
}

} // namespace Velmora
