#pragma once

#include "core/search/CampaignSearch.h"

#include <QCoreApplication>

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

namespace Velmora {

class Platform;

/// A match of the whole-campaign search, to be selected in the editor that shows its place.
///
/// The search reads the campaign as it was last loaded or saved and the documents from their
/// files, while an editor holds what has been typed since. So the match is looked for again in
/// the editor's text as it is now: the occurrence of the searched text nearest to where it was
/// found (that same one while nothing changed). When the text holds it no more, or the place
/// itself has gone, one message says so and nothing is selected.
class FoundMatch
{
    Q_DECLARE_TR_FUNCTIONS(FoundMatch)

public:
    FoundMatch(Platform &platform, SearchHit hit, QString searched, CampaignSearch::Options options);

    const SearchHit &hit() const { return m_hit; }

    /// Selects the match in the editor and scrolls it into view; false, after the message, when
    /// it is gone.
    bool selectIn(QTextEdit &editor);
    bool selectIn(QPlainTextEdit &editor);
    bool selectIn(QLineEdit &editor);
    /// The place of the match is no longer there (a note removed, a list item renamed).
    void placeGone();
    /// Where the match stands in `text` now, or -1.
    qsizetype locate(const QString &text) const;

    static QString goneTitle();
    QString goneText() const;

private:
    Platform &m_platform;
    SearchHit m_hit;
    QString m_searched;
    CampaignSearch::Options m_options;
};

} // namespace Velmora
