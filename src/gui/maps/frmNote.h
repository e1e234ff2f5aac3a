#pragma once

#include "gui/maps/MarkerDialog.h"

#include <optional>

namespace Velmora {

/// The note marker dialog ("Map Note"): a marker's map, position and icon with the note's text;
/// a new note takes the first free note key. The caller runs it through Platform::execDialog.
class frmNote : public MarkerDialog
{
    Q_OBJECT

public:
    frmNote(Platform &platform, AppFolder folder, QWidget *parent = nullptr);

    /// `note` std::nullopt makes a new marker, placed on `currentMapKey` when it is a map's.
    void init(const QList<MapEntry> &maps, const QList<oNote> &notes, const std::optional<oNote> &note,
        const QString &currentMapKey = {});
    oNote GetNote() const;
    /// The note's text box, txtNote.
    QLineEdit *noteField() const { return m_text; }

private:
    QLineEdit *m_text = nullptr;
    QString m_id;
};

} // namespace Velmora
