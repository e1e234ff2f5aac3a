#pragma once

#include "core/table/BattleBoxCounters.h"

#include <QWidget>

#include <array>
#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace Velmora {

class SoundCuePlayer;

/// The Battle Box's round counter, its two duration counters with their situation texts and
/// their buttons. Every button plays the click sound; the round's "Up" and the clear-turn-marks
/// button touch the list too, so they are only reported (the frame runs them).
class BattleBoxCounterPanel : public QWidget
{
    Q_OBJECT

public:
    BattleBoxCounterPanel(const SoundCuePlayer &sounds, QWidget *parent = nullptr);

    const BattleBoxCounters &counters() const { return m_counters; }
    void setCounters(const BattleBoxCounters &counters);

    /// The counters' part of a round advance (the frame plays its sounds).
    void advanceCounters();
    void stepRoundBack();
    /// `which` is 0 or 1.
    void durationUp(int which);
    void durationDown(int which);
    void resetDuration(int which);
    /// "Clear All".
    void clearAll();

signals:
    /// A command or the user's typing changed a counter or a situation.
    void countersChanged();
    void advanceRequested();
    void clearTurnMarksRequested();

private:
    void buildRound(QGridLayout *grid);
    void buildDuration(QGridLayout *grid, int which);
    /// Plays the click and shows the counters after `change`.
    void clicked(const std::function<void()> &change);
    void showCounters();

    const SoundCuePlayer &m_sounds;
    BattleBoxCounters m_counters;
    QLabel *m_round = nullptr;
    std::array<QLabel *, BattleBoxCounters::DurationCount> m_durations {};
    std::array<QLineEdit *, BattleBoxCounters::DurationCount> m_situations {};
};

} // namespace Velmora
