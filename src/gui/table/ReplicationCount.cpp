#include "gui/table/ReplicationCount.h"

#include "gui/ui/StepButton.h"
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

} // namespace

ReplicationCount::ReplicationCount(QWidget *parent)
    : QObject(parent)
    , m_field(new QLineEdit(parent))
    , m_down(new StepButton(u"btnDown"_s, Qt::DownArrow, tr("Down by one"), parent))
    , m_up(new StepButton(u"btnUp"_s, Qt::UpArrow, tr("Up by one"), parent))
{
    m_field->setObjectName(u"txtNumber"_s);
    m_field->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9]*"_s), m_field));
    connect(m_field, &QLineEdit::textEdited, this, [this] {
        if (m_field->text().isEmpty())
            m_field->setText(u"0"_s);
        // A typed count enables the steps that it leaves room for, as a stepped one does.
        m_down->setEnabled(value() > 0);
        m_up->setEnabled(value() < Maximum);
        emit changed();
    });
    connect(m_down, &QToolButton::clicked, this, &ReplicationCount::stepDown);
    connect(m_up, &QToolButton::clicked, this, &ReplicationCount::stepUp);
    reset();
}

int ReplicationCount::value() const { return m_field->text().toInt(); }

int ReplicationCount::number() const { return qMin(value(), Maximum); }

void ReplicationCount::reset(int count)
{
    m_field->setText(QString::number(count));
    m_down->setEnabled(false);
    m_up->setEnabled(true);
}

void ReplicationCount::stepDown()
{
    const int n = value();
    if (n - 1 < 0 || n == 1) {
        m_field->setText(u"0"_s);
        m_down->setEnabled(false);
    } else {
        m_field->setText(QString::number(qMin(n - 1, Maximum)));
        m_down->setEnabled(true);
        m_up->setEnabled(n - 1 <= Maximum);
    }
    emit changed();
}

void ReplicationCount::stepUp()
{
    const int n = qMin(value() + 1, Maximum);
    m_field->setText(QString::number(n));
    m_up->setEnabled(n < Maximum);
    if (n > 0)
        m_down->setEnabled(true);
    emit changed();
}

} // namespace Velmora
