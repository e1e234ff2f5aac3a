#pragma once

#include "core/maps/NoteMarker.h"

#include <QList>
#include <QString>

namespace Velmora {

/// The keys of note markers: "_" and a number.
struct NoteKeys
{
    /// The first of "_1", "_2", "_3", ... that no note of `notes` has: "_2" when "_1" and "_3"
    /// are taken.
    static QString NewNoteID(const QList<NoteMarker> &notes);
};

} // namespace Velmora
