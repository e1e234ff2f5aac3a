#pragma once

#include "core/persistence/ListLayout.h"

#include <QDialog>
#include <QList>

class QCheckBox;

namespace Velmora {

/// The list-layout reset window: every list by name with a check box; "Reset" hands the ticked
/// lists over (resetChosen()) and closes.
class frmListReset : public QDialog
{
    Q_OBJECT

public:
    explicit frmListReset(QWidget *parent = nullptr);

    QList<LayoutList> chosen() const;

signals:
    void resetChosen(const QList<Velmora::LayoutList> &lists);

private:
    QList<QCheckBox *> m_boxes;
};

} // namespace Velmora
