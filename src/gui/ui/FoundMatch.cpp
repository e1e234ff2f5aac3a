#include "gui/ui/FoundMatch.h"

#include "gui/ui/Platform.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// QTextEdit and QPlainTextEdit share what is needed here but no class that declares it. A
// document's plain text counts one character per position, as its cursors do.
template <typename Editor> bool selectInDocument(const FoundMatch &match, Editor &editor)
{
    const qsizetype at = match.locate(editor.document()->toPlainText());
    if (at < 0)
        return false;
    QTextCursor cursor(editor.document());
    cursor.setPosition(int(at));
    cursor.setPosition(int(at + match.hit().length), QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    editor.ensureCursorVisible();
    editor.setFocus();
    return true;
}

} // namespace

FoundMatch::FoundMatch(Platform &platform, SearchHit hit, QString searched, CampaignSearch::Options options)
    : m_platform(platform)
    , m_hit(std::move(hit))
    , m_searched(std::move(searched))
    , m_options(options)
{
}

qsizetype FoundMatch::locate(const QString &text) const
{
    qsizetype nearest = -1;
    for (qsizetype at = CampaignSearch::indexOf(text, m_searched, 0, m_options); at >= 0;
         at = CampaignSearch::indexOf(text, m_searched, at + 1, m_options)) {
        if (nearest < 0 || std::abs(at - m_hit.start) < std::abs(nearest - m_hit.start))
            nearest = at;
        if (at >= m_hit.start)
            break; // the ones after are farther still
    }
    return nearest;
}

bool FoundMatch::selectIn(QTextEdit &editor)
{
    if (selectInDocument(*this, editor))
        return true;
    placeGone();
    return false;
}

bool FoundMatch::selectIn(QPlainTextEdit &editor)
{
    if (selectInDocument(*this, editor))
        return true;
    placeGone();
    return false;
}

bool FoundMatch::selectIn(QLineEdit &editor)
{
    const qsizetype at = locate(editor.text());
    if (at < 0) {
        placeGone();
        return false;
    }
    editor.setSelection(int(at), int(m_hit.length));
    editor.setFocus();
    return true;
}

void FoundMatch::placeGone() { m_platform.information(goneTitle(), goneText()); }

QString FoundMatch::goneTitle() { return tr("Find in Campaign"); }

QString FoundMatch::goneText() const
{
    return tr("\"%1\" is no longer there: the text has changed since it was searched.").arg(m_searched);
}

} // namespace Velmora
