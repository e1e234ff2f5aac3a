#include "core/persistence/oKeyValue.h"

namespace Velmora {

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool oKeyValue::init(const QString &line)
{
    const qsizetype first = line.indexOf(u'=');
    if (first < 0)
        return false;
    m_key = trimBlanks(line.left(first));
    // Whatever follows a second "=" is dropped, as the files have always been read.
    const qsizetype second = line.indexOf(u'=', first + 1);
    QString value = trimBlanks(line.mid(first + 1, second < 0 ? -1 : second - first - 1));
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && value.at(begin) == u'"')
        ++begin;
    while (end > begin && value.at(end - 1) == u'"')
        --end;
    m_value = value.mid(begin, end - begin);
    return true;
}

} // namespace Velmora
