#include "core/common/ItemFields.h"

namespace Velmora {

ItemFields::ItemFields(QStringView item, QChar separator)
    : m_item(item)
{
    m_starts.append(0);
    const QChar *const data = item.data();
    for (qsizetype i = 0; i < item.size(); ++i) {
        if (data[i] == separator)
            m_starts.append(i + 1);
    }
}

QStringView ItemFields::at(qsizetype i) const
{
    return m_item.sliced(m_starts[i], end(i) - m_starts[i]);
}

QStringView ItemFields::span(qsizetype first, qsizetype last) const
{
    return m_item.sliced(m_starts[first], end(last) - m_starts[first]);
}

QString ItemFields::join(std::initializer_list<QStringView> fields)
{
    qsizetype length = fields.size() ? qsizetype(fields.size()) - 1 : 0;
    for (QStringView field : fields)
        length += field.size();
    QString item;
    item.reserve(length);
    bool first = true;
    for (QStringView field : fields) {
        if (!first)
            item += u';';
        item += field;
        first = false;
    }
    return item;
}

} // namespace Velmora
