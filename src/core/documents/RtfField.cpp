#include "core/documents/RtfField.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

/// The instruction's next word or quoted text.
QString nextToken(QStringView text, qsizetype &pos, bool &quoted)
{
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    QString token;
    quoted = pos < text.size() && text[pos] == u'"';
    if (!quoted) {
        while (pos < text.size() && !text[pos].isSpace())
            token += text[pos++];
        return token;
    }
    for (++pos; pos < text.size() && text[pos] != u'"'; ++pos) {
        if (text[pos] == u'\\' && pos + 1 < text.size() && (text[pos + 1] == u'\\' || text[pos + 1] == u'"'))
            ++pos;
        token += text[pos];
    }
    ++pos;
    return token;
}

} // namespace

QString RtfField::hyperlinkTarget(QStringView instruction)
{
    qsizetype pos = 0;
    bool quoted = false;
    if (nextToken(instruction, pos, quoted).compare(u"HYPERLINK"_s, Qt::CaseInsensitive) != 0)
        return {};
    QString url;
    QString bookmark;
    while (pos < instruction.size()) {
        const QString token = nextToken(instruction, pos, quoted);
        if (!quoted && token.size() == 2 && token[0] == u'\\') {
            const QChar option = token[1].toLower();
            if (option == u'l')
                bookmark = nextToken(instruction, pos, quoted);
            else if (option == u'o' || option == u't') // a tooltip or a target frame
                nextToken(instruction, pos, quoted);
        } else if (url.isEmpty() && !token.isEmpty()) {
            url = token;
        }
    }
    return bookmark.isEmpty() ? url : url + u'#' + bookmark;
}

} // namespace Velmora
