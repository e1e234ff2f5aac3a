#pragma once

#include <QDialog>
#include <QStringList>

#include <array>

class QLineEdit;
class QPushButton;

namespace Velmora {

class BattleBoxList;
class Platform;
class ReplicationCount;

/// "Battle Box Edition": the thirteen values of one combatant and the number of copies to add.
/// The caller runs it through Platform::execDialog and reads it only when not cancelled.
class frmBattleBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 13;

    explicit frmBattleBox(Platform &platform, QWidget *parent = nullptr);

    /// The list whose names must stay unique and the row edited (-1 for a new entry): the
    /// fields show that row's values, or nothing.
    void init(const BattleBoxList &list, int row);

    /// The thirteen field texts, trimmed; element i is the value of list column i + 1.
    QStringList GetData() const;
    bool IsReplication() const;
    int NumberOfReplication() const;
    bool Cancelled() const { return m_cancelled; }

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWidgets();
    /// The name check when the focus leaves the name field.
    void checkName();

    Platform &m_platform;
    const BattleBoxList *m_list = nullptr;
    int m_row = -1;
    bool m_cancelled = true;
    std::array<QLineEdit *, FieldCount> m_fields {};
    ReplicationCount *m_count;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace Velmora
