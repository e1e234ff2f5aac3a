#include "core/generators/EventGenerator.h"

#include "core/common/CodePage.h"
#include "core/generators/LineDraw.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace Velmora {

EventGenerator EventGenerator::fromBytes(QByteArrayView bytes)
{
    EventGenerator events;
    events.m_lines = CodePage::toUnicode(bytes).split(u"\r\n"_s);
    return events;
}

bool EventGenerator::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_lines.clear();
        return false;
    }
    *this = fromBytes(file.readAll());
    return true;
}

// An empty line drawn is replaced by the next draw at once, so only the line that stays is given.
std::optional<QString> EventGenerator::Draw(RandomSource &random) const
{
    const std::optional<qsizetype> k = LineDraw::draw(m_lines, random);
    if (!k)
        return std::nullopt;
    return m_lines.at(*k);
}

} // namespace Velmora
