#include "core/common/ItemFields.h"

#include <algorithm>

namespace Velmora {

ItemFields::ItemFields(QStringView item, QChar separator)
    : m_item(item)
{
    m_starts.append(0);
    const char16_t *const data = item.utf16();
    const char16_t mark = separator.unicode();
    for (qsizetype i = 0, n = item.size(); i < n; ++i) {
        if (data[i] == mark)
            m_starts.append(i + 1);
    }
}

QStringView ItemFields::span(qsizetype first, qsizetype last) const
{
    return m_item.sliced(m_starts[first], end(last) - m_starts[first]);
}

QString ItemFields::join(std::span<const QStringView> fields)
{
    if (fields.empty())
        return QString();
    qsizetype length = qsizetype(fields.size()) - 1;
    for (QStringView field : fields)
        length += field.size();
    QString item(length, Qt::Uninitialized);
    QChar *out = item.data();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            *out++ = u';';
        out = std::copy(fields[i].begin(), fields[i].end(), out);
    }
    return item;
}

} // namespace Velmora
