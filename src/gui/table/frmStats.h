#pragma once

#include <QDialog>
#include <QStringList>

#include <array>

class QLineEdit;
class QPushButton;

namespace Velmora {

/// The statistics dialog: a character's 23 values in five frames. No field takes ";"; OK is
/// enabled by the first change. The caller runs it through Platform::execDialog and checks the
/// name against the list itself.
class frmStats : public QDialog
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 23;

    explicit frmStats(QWidget *parent = nullptr);

    /// The 23 values in column order; missing ones stay empty.
    void init(const QStringList &values);
    /// The 23 values, index 0 to 22.
    QStringList GetValues() const;
    bool cancelled() const { return m_cancelled; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildFrame(int frame);

    std::array<QLineEdit *, FieldCount> m_fields{};
    std::array<QPushButton *, 2> m_buttons{};
    bool m_cancelled = true;
};

} // namespace Velmora
