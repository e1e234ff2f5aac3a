#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>

namespace Velmora {

/// The round counter and the two duration counters of the Battle Box, with the situation text
/// of each duration. Every value is kept as the text the window shows; the operations are the
/// counters' buttons (the window plays their sounds).
class BattleBoxCounters
{
public:
    static constexpr int DurationCount = 2;
    static constexpr int MaxDuration = 32767;
    /// The round stops here: the largest whole number whose shortest text has no exponent.
    static constexpr double MaxRound = 999999999999999.0;

    /// The start values of a new campaign: round "1", durations "0", no situations.
    BattleBoxCounters() = default;
    BattleBoxCounters(const QString &round, const QString &duration1, const QString &duration2,
                      const QString &situation1, const QString &situation2);

    const QString &round() const { return m_round; }
    /// `which` is 0 or 1.
    const QString &duration(int which) const { return m_durations.at(which); }
    const QString &situation(int which) const { return m_situations.at(which); }
    void setSituation(int which, const QString &text) { m_situations.at(which) = text; }

    /// The counters' part of a round advance: the round one up, each duration one down but
    /// never below 1.
    void advanceRound();
    /// The round one down, never below 1; the durations stay.
    void stepRoundBack();
    /// One up; a duration at MaxDuration stays there.
    void durationUp(int which);
    /// One down, only from 2 or more.
    void durationDown(int which);
    /// The duration back to 1; its situation stays.
    void resetDuration(int which);
    /// "Clear All": round and durations "1", situations empty.
    void clearAll();

    bool isAtStart() const { return *this == BattleBoxCounters(); }

    /// The five values as the campaign keeps them (block BBSTATE), one item each so that any
    /// text survives: round, duration 1, duration 2, situation 1, situation 2.
    QStringList toItems() const;
    /// A missing item keeps its start value.
    static BattleBoxCounters fromItems(const QStringList &items);
    QJsonObject toJson() const;
    bool operator==(const BattleBoxCounters &) const = default;

private:
    static int durationValue(const QString &text);
    void setRound(double value);

    QString m_round = QStringLiteral("1");
    std::array<QString, DurationCount> m_durations = {QStringLiteral("0"), QStringLiteral("0")};
    std::array<QString, DurationCount> m_situations;
};

} // namespace Velmora
