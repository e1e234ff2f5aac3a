#include "core/search/CampaignSearch.h"

#include "core/common/CodePage.h"
#include "core/documents/RtfReader.h"
#include "core/persistence/CampaignModel.h"
#include "core/table/BattleBoxFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The line of `text` that holds [start, start + length), without its surrounding blanks; a long
// line is cut to the match with what stands around it.
QString lineAround(const QString &text, qsizetype start, qsizetype length)
{
    qsizetype begin = start;
    while (begin > 0 && text.at(begin - 1) != u'\n' && text.at(begin - 1) != u'\r')
        --begin;
    qsizetype end = start + length;
    while (end < text.size() && text.at(end) != u'\n' && text.at(end) != u'\r')
        ++end;
    if (end - begin <= CampaignSearch::MaxContext)
        return text.mid(begin, end - begin).trimmed();
    const qsizetype side = (CampaignSearch::MaxContext - length) / 2;
    const qsizetype from = std::max(begin, start - std::max<qsizetype>(side, 0));
    const qsizetype to = std::min(end, start + length + std::max<qsizetype>(side, 0));
    return (from > begin ? u"..."_s : QString()) + text.mid(from, to - from).trimmed()
        + (to < end ? u"..."_s : QString());
}

} // namespace

QJsonObject SearchHit::toJson() const
{
    return QJsonObject{{u"where"_s, where}, {u"path"_s, path}, {u"context"_s, context}};
}

CampaignSearch::CampaignSearch(AppFolder folder)
    : m_folder(std::move(folder))
{
}

qsizetype CampaignSearch::indexOf(const QString &text, const QString &what, qsizetype from, Options options)
{
    if (what.isEmpty())
        return -1;
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype at = text.indexOf(what, from, cs); at >= 0; at = text.indexOf(what, at + 1, cs)) {
        const qsizetype end = at + what.size();
        if (!options.wholeWord
            || ((at == 0 || !isWordCharacter(text.at(at - 1))) && (end == text.size() || !isWordCharacter(text.at(end)))))
            return at;
    }
    return -1;
}

// The viewers hand pdf files and web pages to the shell; what they show is not our text.
std::optional<QString> CampaignSearch::documentText(const QString &file)
{
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == u"pdf"_s || suffix == u"htm"_s || suffix == u"html"_s)
        return std::nullopt;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.readAll();
    if (suffix == u"txt"_s)
        return CodePage::toUnicode(bytes);
    RtfReader reader;
    const std::optional<RichTextDocument> document = reader.read(bytes);
    if (!document)
        return std::nullopt;
    return document->toPlainText();
}

void CampaignSearch::addDocument(QList<SearchPlace> &places, const QString &where, const QString &stored) const
{
    if (stored.isEmpty())
        return;
    if (std::optional<QString> text = documentText(m_folder.storedFile(stored)))
        places.append({where, stored, QString(), std::move(*text)});
}

// The folder lists are not stored: they are what the folder holds now, sorted by name.
void CampaignSearch::addFolder(QList<SearchPlace> &places, int list, const QString &folder) const
{
    const QDir dir(m_folder.file(folder));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        addDocument(places, u"list:%1:%2"_s.arg(list).arg(name), m_folder.storedPath(dir.filePath(name)));
}

QList<SearchPlace> CampaignSearch::places(const CampaignModel &model) const
{
    QList<SearchPlace> places;
    // The Docs tab shows the campaign's documents only when all three are there.
    const NotesDocuments notes = NotesDocuments::filesExist(model.documents.toItems(), m_folder)
        ? model.documents
        : NotesDocuments::defaults();
    for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot)
        addDocument(places, u"notes:"_s + NotesDocuments::key(slot), notes.paths[size_t(slot)]);
    for (const ClassEntry &entry : model.classes)
        addDocument(places, u"list:%1:%2"_s.arg(entry.prestige ? 1 : 0).arg(entry.name), entry.path);
    const std::pair<int, const QList<Shortcut> *> lists[] = {{2, &model.links}, {3, &model.articles}, {4, &model.netBooks}};
    for (const auto &[index, shortcuts] : lists) {
        for (const Shortcut &shortcut : *shortcuts)
            addDocument(places, u"list:%1:%2"_s.arg(index).arg(shortcut.name), shortcut.location);
    }
    addFolder(places, 7, u"\\Characters"_s);
    addFolder(places, 8, u"\\Library"_s);
    for (const Shortcut &linked : model.linkedBattleBoxes) {
        BattleBoxFile::Content content;
        const Result<BattleBoxFile::Reading> reading = BattleBoxFile::read(m_folder.storedFile(linked.location), content);
        if (reading && *reading == BattleBoxFile::Reading::Loaded)
            places.append({u"battlebox-notes"_s, linked.location, QString(),
                BattleBoxFile::notesDocument(content.notes).toPlainText()});
    }
    for (const DatedLine &day : model.agenda)
        places.append({u"agenda"_s, QString(), day.date, day.text});
    for (const DatedLine &day : model.almanach)
        places.append({u"almanach"_s, QString(), day.date, day.text});
    for (const NoteMarker &note : model.noteMarkers)
        places.append({u"map-note:"_s + note.mapKey, QString(), note.key, note.content});
    // One character ends a line, as in the editors that show the text: a match's place in the
    // text is its place there too.
    for (SearchPlace &place : places)
        place.text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    return places;
}

QList<SearchHit> CampaignSearch::find(const SearchPlace &place, const QString &text, Options options)
{
    QList<SearchHit> hits;
    for (qsizetype at = indexOf(place.text, text, 0, options); at >= 0;
         at = indexOf(place.text, text, at + text.size(), options))
        hits.append({place.where, place.path, place.key, lineAround(place.text, at, text.size()), at, text.size()});
    return hits;
}

QList<SearchHit> CampaignSearch::Search(const CampaignModel &model, const QString &text, Options options) const
{
    QList<SearchHit> hits;
    if (text.isEmpty())
        return hits;
    for (const SearchPlace &place : places(model))
        hits += find(place, text, options);
    return hits;
}

} // namespace Velmora
