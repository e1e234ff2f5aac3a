#include "core/table/BattleBoxFile.h"

#include "core/common/CodePage.h"
#include "core/common/FileWriter.h"
#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"
#include "core/table/BattleBoxList.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr QByteArrayView Marker = "BATTLEBOX";
constexpr QByteArrayView LineEnd = "\r\n";
constexpr QByteArrayView NotePrefix = "NOTE,";

// The columns a line holds after its turn mark, in order: the values, then the icon (the sort
// key is made again from the initiative).
constexpr int LineColumns[] = {
    BattleBoxList::Initiative, BattleBoxList::Name,        BattleBoxList::Fortitude, BattleBoxList::Reflex,
    BattleBoxList::Will,       BattleBoxList::Special,     BattleBoxList::Speed,     BattleBoxList::ArmourClass,
    BattleBoxList::Melee,      BattleBoxList::MeleeDamage, BattleBoxList::Ranged,    BattleBoxList::RangedDamage,
    BattleBoxList::HitPoints,  BattleBoxList::Icon,
};

// Values are written as they are, but a "," or a line break would move the values after it into
// other columns when the file is read. The editors drop ","; a value that has one anyway (from
// an older campaign) is written with "‚" (the low quotation mark, which looks the same and is a
// byte of its own in Windows-1252), and a line break becomes a blank.
QString fileValue(QString value)
{
    value.replace(u"\r\n"_s, u" "_s);
    value.replace(u'\r', u' ').replace(u'\n', u' ').replace(u',', QChar(0x201A));
    return value;
}

// A ";" could not be kept in the campaign's record of the entry: it is dropped, as the editors
// drop the key.
BattleBoxEntry entryFromLine(QByteArrayView line)
{
    const QStringList fields = CodePage::toUnicode(line).split(u',');
    BattleBoxEntry entry;
    entry.ticked = line.startsWith('T');
    for (int i = 0; i < int(std::size(LineColumns)) && i + 1 < fields.size(); ++i)
        BattleBoxList::setText(entry, LineColumns[i], QString(fields.at(i + 1)).remove(u';'));
    return entry;
}

} // namespace

QByteArray BattleBoxFile::toBytes(const Content &content)
{
    QString text = QString::fromLatin1(Marker) + QString::fromLatin1(LineEnd);
    for (const BattleBoxEntry &entry : content.entries) {
        text += entry.ticked ? u"T,"_s : u"F,"_s;
        for (int column : LineColumns)
            text += fileValue(BattleBoxList::text(entry, column)) + u',';
        text += QString::fromLatin1(LineEnd);
    }
    return CodePage::fromUnicode(text) + NotePrefix.toByteArray() + content.notes;
}

BattleBoxFile::Reading BattleBoxFile::fromBytes(const QByteArray &bytes, Content &content)
{
    const qsizetype firstEnd = bytes.indexOf(LineEnd);
    if (firstEnd < 0)
        return Reading::Unchanged;
    if (QByteArrayView(bytes).first(firstEnd) != Marker)
        return Reading::WrongFile;
    Content read;
    for (qsizetype start = firstEnd + LineEnd.size(); start <= bytes.size();) {
        qsizetype end = bytes.indexOf(LineEnd, start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        if (line.startsWith('N')) {
            // The note runs to the end of the file. Its lines keep their CR LF: RTF does not
            // mind line breaks, and a writer that ends a line after a control word ("\par")
            // would otherwise have its next word glued to that control word.
            read.notes = bytes.mid(start + std::min(line.size(), NotePrefix.size()));
            break;
        }
        if (line.startsWith('T') || line.startsWith('F')) {
            if (BattleBoxEntry entry = entryFromLine(line); !entry.name.isEmpty())
                read.entries.append(std::move(entry));
        }
        start = end + LineEnd.size();
    }
    content = std::move(read);
    return Reading::Loaded;
}

Result<BattleBoxFile::Reading> BattleBoxFile::read(const QString &path, Content &content)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return Reading::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path, tr("cannot be read: %1").arg(file.errorString())};
    return fromBytes(file.readAll(), content);
}

Result<void> BattleBoxFile::write(const QString &path, const Content &content)
{
    return FileWriter::writeAtomically(path, toBytes(content));
}

RichTextDocument BattleBoxFile::notesDocument(const QByteArray &notes)
{
    if (notes.isEmpty())
        return {};
    RtfReader reader;
    if (std::optional<RichTextDocument> document = reader.read(notes))
        return std::move(*document);
    return RichTextDocument::fromPlainText(CodePage::toUnicode(notes));
}

QByteArray BattleBoxFile::notesBytes(const RichTextDocument &document)
{
    return document.blocks.isEmpty() ? QByteArray() : RtfWriter::write(document);
}

BattleBoxFile::Message BattleBoxFile::wrongFile()
{
    return {tr("Wrong File"),
            tr("This is not a 'BattleBox' linked file.") + u"\r\n"_s + tr("Please select another file to open.")};
}

BattleBoxFile::Message BattleBoxFile::notSaved()
{
    return {tr("File Not Saved"), tr("No file name defined. Could not save")};
}

BattleBoxFile::Message BattleBoxFile::saveChanges()
{
    return {tr("Save Changes"), tr("Do you want to save the changes made to the current Battle Box ?")};
}

QString BattleBoxFile::chooseTitle() { return tr("Select A Battle Box File"); }

QString BattleBoxFile::fileFilter() { return u"CSV (*.csv)|*.csv"_s; }

QString BattleBoxFile::FileNameOfPath(const QString &path)
{
    // Either separator: linked paths come from this system as well as from Windows campaigns.
    return path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
}

void BattleBoxFile::LinkBattleBoxFile(QList<Shortcut> &savedList, const QString &path)
{
    savedList.removeIf([&path](const Shortcut &row) { return row.location == path; });
    savedList.append(Shortcut{FileNameOfPath(path), path});
}

} // namespace Velmora
