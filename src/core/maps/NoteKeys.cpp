#include "core/maps/NoteKeys.h"

#include <QSet>

namespace Velmora {

QString NoteKeys::NewNoteID(const QList<NoteMarker> &notes)
{
    QSet<QString> taken;
    for (const NoteMarker &note : notes)
        taken.insert(note.key);
    // n notes take at most n of the first n + 1 numbers, so this ends.
    for (int n = 1;; ++n) {
        const QString key = u'_' + QString::number(n);
        if (!taken.contains(key))
            return key;
    }
}

} // namespace Velmora
