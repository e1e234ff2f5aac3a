#include "core/documents/ItemOpening.h"

#include "core/documents/ReferenceList.h"

using namespace Qt::StringLiterals;

namespace Velmora {

bool ItemOpening::endsWith(const QString &location, const QString &ending)
{
    return location.right(ending.size()).toLower() == ending;
}

ItemOpening ItemOpening::of(int listIndex, const QString &location)
{
    const bool pdf = endsWith(location, u"pdf"_s);
    switch (listIndex) {
    case ReferenceList::Standard:
    case ReferenceList::Prestige:
        return { pdf ? Action::PathOnly : Action::Viewer, Label::ClassFile, true, true };
    case ReferenceList::WebSites:
        return { Action::Shell, Label::Doc, false, false };
    case ReferenceList::BattleBoxes:
        return { Action::BattleBox, Label::None, false, true };
    case ReferenceList::Characters:
        return { Action::Viewer, Label::None, true, true };
    case ReferenceList::Library:
        return { Action::Viewer, Label::Doc, true, true };
    default:
        break;
    }
    if (pdf)
        return { Action::Shell, Label::None, true, true };
    if (endsWith(location, u"htm"_s) || endsWith(location, u"html"_s))
        return { Action::ShellBusy, Label::None, true, true };
    return { Action::Viewer, Label::Doc, true, true };
}

} // namespace Velmora
