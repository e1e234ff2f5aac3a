#include "core/generators/Oracle.h"

#include "core/common/CodePage.h"
#include "core/common/RandomSource.h"
#include "core/generators/LineDraw.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace Velmora {

Oracle::Oracle(QStringList lines)
    : m_lines(std::move(lines))
{
}

QString Oracle::Caption()
{
    return tr("Ask the Velmora");
}

const QStringList &Oracle::Endings()
{
    static const QStringList endings = {u"?"_s, u"!"_s, u"."_s, u"..."_s, u"?!"_s, u"!!"_s, u"!!!"_s, u"???"_s};
    return endings;
}

QString Oracle::MissingFileText()
{
    // 'strFile' stands where the file's name was meant to go; the text has always read so.
    return tr("The oracle cannot find his grimoire!") + u"\r\n"_s
        + tr("Help him by putting the file 'strFile' in the Document directory.");
}

Oracle Oracle::fromBytes(QByteArrayView bytes)
{
    return Oracle(CodePage::toUnicode(bytes).split(u"\r\n"_s));
}

bool Oracle::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_lines.clear();
        return false;
    }
    *this = fromBytes(file.readAll());
    return true;
}

// An ending is drawn as a line is, again while it is above 8; the same bound ends the repetition.
std::optional<QString> Oracle::Ask(RandomSource &random) const
{
    if (!hasAnswerList())
        return MissingFileText();
    const std::optional<qsizetype> k = LineDraw::draw(m_lines, random);
    if (!k)
        return std::nullopt;
    qsizetype m = 0;
    for (int draw = 0; draw < MaxDraws && (m < 1 || m > Endings().size()); ++draw)
        m = LineDraw::nearest(8.0f * random.next() + 1.0f);
    if (m < 1 || m > Endings().size())
        return std::nullopt;
    return m_lines.at(*k) + Endings().at(m - 1);
}

} // namespace Velmora
