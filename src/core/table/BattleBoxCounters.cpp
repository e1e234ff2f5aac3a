#include "core/table/BattleBoxCounters.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace Velmora {

namespace {

// The round as a number; a text that is none (only a damaged saved value could be) counts as 0,
// so the next step puts the round back at 1.
double roundValue(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

} // namespace

BattleBoxCounters::BattleBoxCounters(const QString &round, const QString &duration1, const QString &duration2,
                                     const QString &situation1, const QString &situation2)
    : m_round(round)
    , m_durations{duration1, duration2}
    , m_situations{situation1, situation2}
{
}

void BattleBoxCounters::advanceRound()
{
    setRound(std::min(roundValue(m_round) + 1, MaxRound));
    for (QString &duration : m_durations)
        duration = QString::number(std::max(durationValue(duration) - 1, 1));
}

void BattleBoxCounters::stepRoundBack() { setRound(std::max(roundValue(m_round) - 1, 1.0)); }

void BattleBoxCounters::durationUp(int which)
{
    // Durations are 16-bit counts: at the top the counter simply stays.
    QString &duration = m_durations.at(which);
    duration = QString::number(std::min(durationValue(duration) + 1, MaxDuration));
}

void BattleBoxCounters::durationDown(int which)
{
    QString &duration = m_durations.at(which);
    if (const int value = durationValue(duration); value >= 2)
        duration = QString::number(value - 1);
}

void BattleBoxCounters::resetDuration(int which) { m_durations.at(which) = QStringLiteral("1"); }

void BattleBoxCounters::clearAll()
{
    m_round = QStringLiteral("1");
    m_durations.fill(QStringLiteral("1"));
    m_situations.fill(QString());
}

int BattleBoxCounters::durationValue(const QString &text)
{
    // A text that is not a 16-bit number (only a damaged saved value could be) counts as 0.
    bool ok = false;
    const short value = text.toShort(&ok);
    return ok ? value : 0;
}

void BattleBoxCounters::setRound(double value)
{
    // Shortest form: "2", not "2.0"; below MaxRound no exponent is needed.
    m_round = QString::number(value, 'g', 15);
}

QStringList BattleBoxCounters::toItems() const
{
    return {m_round, m_durations[0], m_durations[1], m_situations[0], m_situations[1]};
}

BattleBoxCounters BattleBoxCounters::fromItems(const QStringList &items)
{
    const QStringList start = BattleBoxCounters().toItems();
    const auto item = [&](int i) { return i < items.size() ? items.at(i) : start.at(i); };
    return BattleBoxCounters(item(0), item(1), item(2), item(3), item(4));
}

QJsonObject BattleBoxCounters::toJson() const
{
    return {{QStringLiteral("round"), m_round},
            {QStringLiteral("durations"), QJsonArray{m_durations[0], m_durations[1]}},
            {QStringLiteral("situations"), QJsonArray{m_situations[0], m_situations[1]}}};
}

} // namespace Velmora
