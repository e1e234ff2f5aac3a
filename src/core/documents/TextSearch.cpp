#include "core/documents/TextSearch.h"

namespace Velmora {

namespace {

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

bool isWholeWord(QStringView text, qsizetype start, qsizetype length)
{
    const qsizetype end = start + length;
    return (start == 0 || !isWordCharacter(text.at(start - 1)))
        && (end >= text.size() || !isWordCharacter(text.at(end)));
}

} // namespace

TextMatch TextSearch::find(QStringView text, QStringView what, qsizetype from, Options options)
{
    if (what.isEmpty())
        return {};
    const Qt::CaseSensitivity sensitivity = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = qMax<qsizetype>(from, 0); at <= text.size() - what.size(); ++at) {
        at = text.indexOf(what, at, sensitivity);
        if (at < 0)
            break;
        if (!options.wholeWord || isWholeWord(text, at, what.size()))
            return { at, what.size() };
    }
    return {};
}

void TextSearch::setText(const QString &what)
{
    m_what = what;
    m_next = false;
}

QString TextSearch::caption() const { return m_next ? tr("&Find Next") : tr("&Find"); }

TextMatch TextSearch::press(QStringView text, qsizetype selectionStart, qsizetype selectionLength, Options options)
{
    const qsizetype from = m_next ? selectionStart + selectionLength : 0;
    const TextMatch match = find(text, m_what, from, options);
    m_next = match.found();
    return match;
}

} // namespace Velmora
