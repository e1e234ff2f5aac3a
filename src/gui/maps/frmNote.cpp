#include "gui/maps/frmNote.h"

#include "core/maps/NoteKeys.h"
#include "gui/ui/FieldFilter.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace Velmora {

frmNote::frmNote(Platform &platform, AppFolder folder, QWidget *parent)
    : MarkerDialog(platform, std::move(folder),
        { u"frmNote"_s, tr("Map Note"), {}, tr("Note is on this map:"), tr("Select Custom Player Icon"),
            tr("Icon (*.ico)|*.ico"), {}, {} },
        parent)
    , m_text(new QLineEdit(this))
{
    m_text->setObjectName(u"txtNote"_s);
    FieldFilter::keepOnly(m_text, [](QChar c) { return c != u';'; }); // the text goes into a ";" record
    addField(tr("Note"), m_text);
}

void frmNote::init(const QList<MapEntry> &maps, const QList<oNote> &notes, const std::optional<oNote> &note,
    const QString &currentMapKey)
{
    initMarker({}, maps, !note, {}, note ? note->mapKey : currentMapKey);
    m_id = note ? note->key : NoteKeys::NewNoteID(notes);
    if (note) {
        m_text->setText(note->content);
        initPlace(note->x, note->y, note->icon);
    }
}

oNote frmNote::GetNote() const { return oNote { m_id, m_text->text(), mapKey(), posX(), posY(), icon() }; }

} // namespace Velmora
