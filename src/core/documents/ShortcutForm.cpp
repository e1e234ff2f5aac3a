#include "core/documents/ShortcutForm.h"

#include "core/documents/ReferenceList.h"
#include "core/documents/ShortcutRelocation.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("frmListWebSite", text); }

} // namespace

bool ShortcutForm::isWebSiteMode(int listIndex) { return listIndex == ReferenceList::WebSites; }

ShortcutForm ShortcutForm::forList(int listIndex)
{
    if (isWebSiteMode(listIndex))
        return { tr("Shortcut name: enter short name for site."), tr("Document localisation: paste URL here.") };
    return { tr("Shortcut name"), tr("Document localisation: file name.") };
}

QString ShortcutForm::getTitle() { return tr("Select A File To Create A Shortcut To"); }

QString ShortcutForm::getFilter()
{
    return u"Any file (*.*)|*.*|Ascii text (*.txt)|*.txt|Word document (*.doc)|*.doc|RichText file (*.rtf)|*.rtf"_s;
}

QString ShortcutForm::nameOfFile(const QString &path)
{
    const QString name = ShortcutRelocation::fileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

} // namespace Velmora
