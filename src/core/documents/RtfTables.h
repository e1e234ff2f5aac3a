#pragma once

#include "core/documents/RichTextParagraph.h"
#include "core/documents/RtfControlWords.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

/// The tables at the head of an RTF file that the text refers to by number: fonts (\fonttbl,
/// with each font's code page), colours (\colortbl) and Word's lists (\listtable and
/// \listoverridetable). Entries come in one control word or piece of text at a time.
class RtfTables
{
public:
    struct Font
    {
        QString name;
        int codePage = 1252;
    };

    /// The code page of text in fonts without a charset of their own (\ansicpg).
    int ansiCodePage = 1252;

    void startFonts();
    void fontWord(RtfWord word, int param);
    void fontText(QByteArrayView text);
    void fontChar(QChar c);
    /// Ends the font entry being read (its group closed without ";").
    void endFont();
    const Font *font(int number) const;

    void startColours();
    void colourWord(RtfWord word, int param);
    void colourText(QByteArrayView text);
    /// The colour of that number, 0xRRGGBB; none for the automatic colour or a number the table
    /// lacks.
    std::optional<quint32> colour(int number) const;

    void listWord(RtfWord word, int param);
    void listOverrideWord(RtfWord word, int param);
    /// The kind of an item of list override `number` (\lsN) at `level` (\ilvl); std::nullopt
    /// when the tables do not say.
    std::optional<RichTextParagraph::ListKind> listKind(int number, int level) const;

private:
    struct List
    {
        int id = 0;
        QList<int> formats; // \levelnfc of each level
    };
    struct ListOverride
    {
        int listId = 0;
        int number = 0;
    };

    QHash<int, Font> m_fonts;
    int m_fontNumber = 0;
    int m_fontCharset = 0;
    QString m_fontName;
    QList<std::optional<quint32>> m_colours;
    quint32 m_colour = 0;
    bool m_colourSet = false;
    QList<List> m_lists;
    QList<ListOverride> m_overrides;
};

} // namespace Velmora
