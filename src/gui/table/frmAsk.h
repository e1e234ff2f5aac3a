#pragma once

#include "core/generators/Oracle.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Velmora {

class AppFolder;
class CrystalBall;
class Platform;

/// "Ask the Velmora": the game master types a question and clicks the crystal ball (or presses
/// Enter) for an answer the Oracle draws from the application folder's answer file.
class frmAsk : public QDialog
{
    Q_OBJECT

public:
    frmAsk(Platform &platform, const AppFolder &folder, QWidget *parent = nullptr);

    void imgBall_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    /// The first showing: a fresh seed, and the answer file read whole.
    void Form_Activate();
    void showAnswer(const QString &text);

    Platform &m_platform;
    QString m_answerFile;
    Oracle m_oracle;
    bool m_activated = false;

    QLineEdit *m_query;
    CrystalBall *m_ball;
    QPlainTextEdit *m_answer;
    QPushButton *m_done;
};

} // namespace Velmora
