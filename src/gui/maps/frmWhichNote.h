#pragma once

#include "core/maps/MarkerChoice.h"

#include <QDialog>

class QTreeWidget;

namespace Velmora {

/// The marker choice ("Note Selection" or "Player Selection"): the markers of one map, of which
/// the user picks the one to edit or remove. The caller runs it through Platform::execDialog.
class frmWhichNote : public QDialog
{
    Q_OBJECT

public:
    explicit frmWhichNote(QWidget *parent = nullptr);

    /// Lists the candidates of a choice among several markers of one map (the collection's
    /// ChooseMarker decides them, the window's title and the column's header), the first one
    /// selected.
    void init(const MarkerChoice &choice);
    /// The chosen marker's key; "" when none is chosen.
    QString GetNoteID() const;
    bool cancelled() const { return m_cancelled; }

private:
    QTreeWidget *m_list = nullptr;
    bool m_cancelled = true;
};

} // namespace Velmora
