#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace Velmora {

class BattleBoxList;
class ReplicationCount;

/// "Replicate Selected Battle Box Character": how many numbered copies of one combatant to add.
/// The caller runs it through Platform::execDialog and reads it only when not cancelled.
class frmBBReplicate : public QDialog
{
    Q_OBJECT

public:
    explicit frmBBReplicate(QWidget *parent = nullptr);

    /// Shows the name of `row` of `list`.
    void init(const BattleBoxList &list, int row);

    int NumberOfReplication() const;
    bool Cancelled() const { return m_cancelled; }

    void done(int result) override;

private:
    bool m_cancelled = true;
    QLabel *m_name;
    ReplicationCount *m_count;
    QPushButton *m_ok;
};

} // namespace Velmora
