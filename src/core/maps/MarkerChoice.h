#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace Velmora {

/// What choosing a marker of one kind on a map comes to; the window applies it. None: show the
/// information message (nothing else happens). One: use `key`. Several: let the user pick one of
/// `candidates` in the marker choice window (frmWhichNote); cancelling it does nothing.
struct MarkerChoice
{
    enum class Outcome { None, One, Several };

    Outcome outcome = Outcome::None;
    QString key; // One
    QString messageTitle; // None: "Velmora"
    QString messageText; // None: "There are no players linked to this map." and the like
    QString windowTitle; // Several: "Note Selection" or "Player Selection"
    QString columnHeader; // Several: "Mote" for notes, else "Player name"
    QList<std::pair<QString, QString>> candidates; // Several: key and text of each row, in list order

    bool operator==(const MarkerChoice &) const = default;
};

} // namespace Velmora
