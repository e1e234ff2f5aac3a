#pragma once

#include "core/common/AppFolder.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace Velmora {

class RandomSource;

/// The tip of the day: one line of TIPOFDAY.TXT in the application folder, drawn at random;
/// "&Next Tip" shows the following one.
class frmTip : public QDialog
{
    Q_OBJECT

public:
    frmTip(const AppFolder &folder, RandomSource &random, QWidget *parent = nullptr);

    QString currentTip() const;
    /// Shows `picture` (the replaceable Image1) in place of the shipped tip picture.
    void setPicture(QWidget *picture);
    const QStringList &tips() const { return m_tips; }

    static QString tipFileName() { return QStringLiteral("TIPOFDAY.TXT"); }
    /// Reads the tips: one per line, blank lines skipped. Larger files are read up to this size.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

private:
    /// False when the file cannot be read.
    bool loadTips(const QString &path);
    void showTip(qsizetype index);
    void cmdNextTip_Click();

    QStringList m_tips;
    qsizetype m_current = -1;
    QLabel *m_tipText;
    QWidget *m_picture = nullptr;
    QPushButton *m_nextTip;
};

} // namespace Velmora
