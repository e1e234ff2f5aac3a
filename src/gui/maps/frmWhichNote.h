#pragma once

#include "core/maps/MapCollection.h"

#include <QDialog>

class QTreeWidget;

namespace Velmora {

/// One marker as the choice lists it.
struct MarkerChoice
{
    QString key;
    QString text;
    QString mapKey;

    static QList<MarkerChoice> of(const QList<oPlayer> &players);
    static QList<MarkerChoice> of(const QList<oObject> &objects);
    static QList<MarkerChoice> of(const QList<oNote> &notes);
};

/// The marker choice ("Note Selection" or "Player Selection"): the markers of one map, of which
/// the user picks the one to edit or remove. The caller runs it through Platform::execDialog.
class frmWhichNote : public QDialog
{
    Q_OBJECT

public:
    explicit frmWhichNote(QWidget *parent = nullptr);

    /// Lists the markers whose map is `mapKey`, in list order, the first one selected.
    void init(bool isNote, const QList<MarkerChoice> &markers, const QString &mapKey);
    /// The chosen marker's key; "" when none is chosen.
    QString GetNoteID() const;
    bool cancelled() const { return m_cancelled; }

private:
    QTreeWidget *m_list = nullptr;
    bool m_cancelled = true;
};

} // namespace Velmora
