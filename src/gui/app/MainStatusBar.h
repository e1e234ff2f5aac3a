#pragma once

#include <QStatusBar>

class QCheckBox;
class QLabel;

namespace Velmora {

/// StatusBar1: panel 1 the program version, panel 2 the current campaign; on its right the
/// check boxes Check1 (tip window at start-up) and SoundCheck (sounds on).
class MainStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit MainStatusBar(QWidget *parent = nullptr);

    /// Panel 1 or 2.
    void setPanelText(int panel, const QString &text);
    QString panelText(int panel) const;

    QCheckBox *Check1() const { return m_check1; }
    QCheckBox *SoundCheck() const { return m_soundCheck; }

private:
    QLabel *m_panel1;
    QLabel *m_panel2;
    QCheckBox *m_check1;
    QCheckBox *m_soundCheck;
};

} // namespace Velmora
