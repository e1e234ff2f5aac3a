#include "gui/ui/FileFilterList.h"

using namespace Qt::StringLiterals;

namespace Velmora {

FileFilterList::FileFilterList(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts.at(i + 1).trimmed().isEmpty())
            m_entries.append({parts.at(i).trimmed(), parts.at(i + 1).trimmed()});
    }
}

QStringList FileFilterList::qtFilters() const
{
    QStringList filters;
    for (const Entry &entry : m_entries) {
        QStringList masks = entry.pattern.split(u';', Qt::SkipEmptyParts);
        for (QString &mask : masks)
            mask = mask.trimmed();
        const QString spaced = masks.join(u' ');
        // Qt reads the masks from the last parentheses, separated by blanks: a description that
        // already ends with its masks loses them and gets them back in Qt's form.
        QString description = entry.description;
        for (const QString &tail : {u'(' + entry.pattern + u')', u'(' + spaced + u')'}) {
            if (description.endsWith(tail)) {
                description = description.chopped(tail.size()).trimmed();
                break;
            }
        }
        filters << (description.isEmpty() ? spaced : description + u" ("_s + spaced + u')');
    }
    return filters;
}

int FileFilterList::indexOf(const QString &qtFilter) const
{
    return static_cast<int>(qtFilters().indexOf(qtFilter));
}

} // namespace Velmora
