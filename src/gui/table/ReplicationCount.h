#pragma once

#include <QObject>

class QLineEdit;
class QToolButton;

namespace Velmora {

/// The number of copies asked for in the Battle Box dialogs: the field `txtNumber` (digits
/// only, never empty) with `btnDown` and `btnUp`, which step it by one between 0 and 32767.
class ReplicationCount : public QObject
{
    Q_OBJECT

public:
    static constexpr int Maximum = 32767;

    /// Makes the three controls as children of `parent`; the caller lays them out.
    explicit ReplicationCount(QWidget *parent);

    QLineEdit *field() const { return m_field; }
    QToolButton *downButton() const { return m_down; }
    QToolButton *upButton() const { return m_up; }

    /// The count as a 32-bit integer (0 when it does not fit).
    int value() const;
    /// The count as a 16-bit integer: a typed count beyond 32767 is taken as 32767.
    int number() const;
    /// Shows `count` with "Down" disabled (what the dialogs start with).
    void reset(int count = 0);

signals:
    /// The user typed or stepped the count.
    void changed();

private:
    void stepDown();
    void stepUp();

    QLineEdit *m_field;
    QToolButton *m_down;
    QToolButton *m_up;
};

} // namespace Velmora
