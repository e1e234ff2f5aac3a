#include "core/generators/Oracle.h"

#include "core/common/CodePage.h"
#include "core/common/RandomSource.h"

#include <QFile>

#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The nearest whole number to x, an exact half to the even one (the default rounding mode).
qsizetype nearest(float x)
{
    return static_cast<qsizetype>(std::nearbyint(x));
}

} // namespace

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

// A line of blanks shows no more than an empty one, so it is never drawn either.
bool Oracle::isDrawable(qsizetype line) const
{
    return line >= 1 && line < m_lines.size() && !m_lines.at(line).trimmed().isEmpty();
}

// The draw repeats until it lands on a line it can show. A file whose lines after the title are
// all empty would repeat for ever, so it is checked before the first draw; and a source that
// keeps giving an unusable r (as a scripted one can) ends after MaxDraws draws.
std::optional<QString> Oracle::Ask(RandomSource &random) const
{
    if (!hasAnswerList())
        return MissingFileText();
    bool anyDrawable = false;
    for (qsizetype line = 1; line < m_lines.size() && !anyDrawable; ++line)
        anyDrawable = isDrawable(line);
    if (!anyDrawable)
        return std::nullopt;
    const auto n = static_cast<float>(m_lines.size());
    qsizetype k = 0;
    for (int draw = 0; draw < MaxDraws && !isDrawable(k); ++draw)
        k = nearest((n - 1.0f) * random.next() + 1.0f);
    if (!isDrawable(k))
        return std::nullopt;
    qsizetype m = 0;
    for (int draw = 0; draw < MaxDraws && (m < 1 || m > Endings().size()); ++draw)
        m = nearest(8.0f * random.next() + 1.0f);
    if (m < 1 || m > Endings().size())
        return std::nullopt;
    return m_lines.at(k) + Endings().at(m - 1);
}

} // namespace Velmora
