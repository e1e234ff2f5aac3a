#include "gui/ui/FileFilterList.h"

#include <QFileInfo>
#include <QRegularExpression>

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

QString FileFilterList::withDefaultExtension(const QString &path, int index) const
{
    if (index < 0 || index >= m_entries.size() || QFileInfo(path).fileName().contains(u'.'))
        return path;
    const QString mask = m_entries.at(index).pattern.split(u';').constFirst().trimmed();
    static const QRegularExpression plain(u"^\\*\\.([A-Za-z0-9_]+)$"_s);
    const QRegularExpressionMatch match = plain.match(mask);
    return match.hasMatch() ? path + u'.' + match.captured(1) : path;
}

} // namespace Velmora
