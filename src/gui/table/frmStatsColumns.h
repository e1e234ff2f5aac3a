#pragma once

#include <QDialog>
#include <QList>

class QListWidget;

namespace Velmora {

/// "Show columns" of the statistics list: a check list of its 23 columns. The name column is
/// always shown: a row without its name could not be told from another.
class frmStatsColumns : public QDialog
{
    Q_OBJECT

public:
    explicit frmStatsColumns(QWidget *parent = nullptr);

    /// Whether each column is shown, in column order.
    void init(const QList<bool> &shown);
    QList<bool> shown() const;
    bool cancelled() const { return m_cancelled; }

private:
    QListWidget *m_columns;
    bool m_cancelled = true;
};

} // namespace Velmora
