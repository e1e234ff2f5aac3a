#pragma once

#include <QGroupBox>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace Velmora {

class ToolHost;

/// The Dice Roller of the Tools tab: the number of dice and the modifier with its sign, the
/// eight die buttons and "Rand" (cmdDice 0 to 8), the step buttons for the number of dice, the
/// result. The same rolls are in the "D&ices and Turns" menu before the frame is. DiceRoller
/// decides every rule; the frame keeps the texts and draws from the platform's random source.
class DiceRollerFrame : public QGroupBox
{
    Q_OBJECT

public:
    enum Field { Count = 0, Modifier = 1 };

    explicit DiceRollerFrame(ToolHost &host, QWidget *parent = nullptr);

    /// The rolls of the "D&ices and Turns" menu, on the frame that `frame` gives (built then, if
    /// need be), for as long as `context` lives.
    static void addMenuItems(ToolHost &host, QObject *context, const std::function<DiceRollerFrame &()> &frame);

    /// A press of cmdDice `index`: 0 to 7 roll their die kind, 8 opens the range dialog.
    void cmdDice_Click(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void rollDice(int index);
    void openRangeDialog();
    void stepCount(bool up);
    void fieldEdited(Field field);

    ToolHost &m_host;
    std::array<QLineEdit *, 2> m_fields {};
    QRadioButton *m_plus = nullptr;
    QRadioButton *m_minus = nullptr;
    QLabel *m_result = nullptr;
};

} // namespace Velmora
