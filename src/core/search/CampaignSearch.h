#pragma once

#include "core/common/AppFolder.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

struct CampaignModel;

/// One place of a campaign that holds text: a document or an entry.
struct SearchPlace
{
    /// "notes:Notes", "notes:Last", "notes:NPCs", "list:<index>:<item text>", "battlebox-notes",
    /// "agenda", "almanach" or "map-note:<map key>".
    QString where;
    /// The document's file as the campaign names it; "" for an entry of the campaign itself.
    QString path;
    /// Which entry: the date of an agenda or almanach day, the key of a map note; else "".
    QString key;
    /// The place's plain text, each line ended by "\n".
    QString text;
};

/// One match: its place, the line it is on, and where it is in the place's text.
struct SearchHit
{
    QString where;
    QString path;
    QString key;
    QString context;
    qsizetype start = 0;
    qsizetype length = 0;

    /// {"where", "path", "context"}.
    QJsonObject toJson() const;
    bool operator==(const SearchHit &) const = default;
};

/// The search across a whole campaign: a word in the three notes documents, every document of
/// every reference list (classes, custom links, articles, net books, and the Characters and
/// Library folders of the application folder), the notes of the linked Battle Box files, the
/// agenda and almanach entries and the map notes. Documents are read from their files as they
/// are saved: RTF through our reader, ".txt" as Windows-1252 text; files that are missing, not
/// readable, pdf or web pages are passed over.
class CampaignSearch
{
public:
    struct Options
    {
        bool wholeWord = false;
        bool matchCase = false;
    };

    /// Longest context given whole; a longer line is cut around the match.
    static constexpr qsizetype MaxContext = 160;

    explicit CampaignSearch(AppFolder folder);

    /// Every place of `model` that has text, in the order above.
    QList<SearchPlace> places(const CampaignModel &model) const;
    /// Every match of `text` in `model`'s places, place by place, each in text order.
    QList<SearchHit> Search(const CampaignModel &model, const QString &text, Options options) const;
    /// The matches of `text` in one place; none for an empty text.
    static QList<SearchHit> find(const SearchPlace &place, const QString &text, Options options);
    /// The first match of `what` in `text` at or after `from`, or -1.
    static qsizetype indexOf(const QString &text, const QString &what, qsizetype from, Options options);
    /// The plain text of the document at `file`; std::nullopt when it is passed over.
    static std::optional<QString> documentText(const QString &file);

private:
    void addDocument(QList<SearchPlace> &places, const QString &where, const QString &stored) const;
    void addFolder(QList<SearchPlace> &places, int list, const QString &folder) const;

    AppFolder m_folder;
};

} // namespace Velmora
