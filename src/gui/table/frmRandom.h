#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace Velmora {

class Platform;

/// The range dialog: draws a whole number between two bounds ("Roll !") that the Dice Roller
/// shows unless the dialog is cancelled. RandomRangeRules decides the fields, the enabling and
/// the draw. The caller places it with init(), runs it through Platform::execDialog and reads
/// GetDiceRoll() when not cancelled().
class frmRandom : public QDialog
{
    Q_OBJECT

public:
    explicit frmRandom(Platform &platform, QWidget *parent = nullptr);

    /// Places the dialog 4000 twips right of and 1800 twips below `mainWindow`'s top-left corner.
    void init(const QWidget &mainWindow);
    /// The text of txtResult.
    QString GetDiceRoll() const;
    bool cancelled() const { return m_cancelled; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void boundEdited(QLineEdit *field);
    /// Leaving a bound field with the range as it stands: refused with a beep and a yellow field
    /// that keeps the focus, or accepted with the field in its normal colour.
    void boundLeft(QLineEdit *field);
    void showEnabling();
    void cmdGenerate_Click();

    Platform &m_platform;
    bool m_cancelled = true;
    bool m_activated = false;
    bool m_refusing = false; ///< a refusal is moving the focus back: that move checks nothing

    QLineEdit *m_from;
    QLineEdit *m_to;
    QLineEdit *m_result;
    QPushButton *m_generate;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace Velmora
