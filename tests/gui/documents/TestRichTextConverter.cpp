#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"
#include "gui/documents/RichTextConverter.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

RichTextParagraph textOnly(const QString &text, const RichTextCharFormat &format = {})
{
    RichTextParagraph paragraph;
    paragraph.runs = {{text, format, std::nullopt}};
    return paragraph;
}

/// A notes document with every kind of block and most formats.
RichTextDocument sample()
{
    RichTextCharFormat bold, link, fancy, raised, lowered;
    bold.bold = true;
    link.underline = true;
    link.foreground = 0x0000FFu;
    link.anchorHref = u"https://www.d20srd.org/"_s;
    fancy.italic = fancy.strike = true;
    fancy.fontHalfPoints = 32;
    fancy.fontFamily = u"DejaVu Serif"_s;
    fancy.background = 0xFFFF00u;
    raised.verticalAlignment = RichTextCharFormat::VerticalAlignment::Superscript;
    lowered.verticalAlignment = RichTextCharFormat::VerticalAlignment::Subscript;

    RichTextParagraph title = textOnly(u"The Sunless Keep"_s, bold);
    title.alignment = RichTextParagraph::Alignment::Center;
    title.spaceAfter = 120;
    RichTextParagraph body;
    body.leftIndent = 360;
    body.firstLineIndent = -180;
    body.runs = {{u"Read the "_s, {}, std::nullopt}, {u"SRD"_s, link, std::nullopt},
                 {u" \u2014 then roll \u20ac 5"_s, fancy, std::nullopt}, {u"d"_s, raised, std::nullopt},
                 {u"6"_s, lowered, std::nullopt}};
    RichTextDocument document;
    document.defaultFontFamily = u"DejaVu Sans"_s;
    document.blocks << title << body;
    for (const QString &item : {u"Rope"_s, u"Torches"_s, u"Rations"_s}) {
        RichTextParagraph bullet = textOnly(item);
        bullet.listKind = RichTextParagraph::ListKind::Bullet;
        document.blocks << bullet;
    }
    RichTextTable table;
    for (int r = 0; r < 3; ++r) {
        RichTextTableRow row;
        for (int c = 0; c < 4; ++c)
            row.cells << RichTextTableCell{{textOnly(u"r%1c%2"_s.arg(r).arg(c))}, (c + 1) * 1500};
        table.rows << row;
    }
    document.blocks << table << textOnly(u"The end."_s);
    return document;
}

} // namespace

class TestRichTextConverter : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryFormat()
    {
        QTextDocument editor;
        RichTextConverter::toQTextDocument(sample(), editor);
        RichTextDocument back = RichTextConverter::fromQTextDocument(editor);
        RichTextDocument expected = sample();
        expected.mergeRuns();
        QCOMPARE(back.blocks.size(), expected.blocks.size());
        for (qsizetype i = 0; i < expected.blocks.size(); ++i)
            QVERIFY2(back.blocks.at(i) == expected.blocks.at(i), qPrintable(u"block %1"_s.arg(i)));
        QVERIFY(back == expected);
    }

    void editorSeesTheFormats()
    {
        QTextDocument editor;
        RichTextConverter::toQTextDocument(sample(), editor);
        const QTextBlock title = editor.begin();
        QCOMPARE(title.text(), u"The Sunless Keep"_s);
        QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(title.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        const QTextBlock body = title.next();
        bool linked = false;
        for (auto it = body.begin(); !it.atEnd(); ++it)
            linked = linked || it.fragment().charFormat().anchorHref() == u"https://www.d20srd.org/"_s;
        QVERIFY(linked);
        QTextCursor cursor(body);
        cursor.movePosition(QTextCursor::EndOfBlock);
        QCOMPARE(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignSubScript);
        cursor.movePosition(QTextCursor::PreviousCharacter);
        QCOMPARE(cursor.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
        const QTextList *list = body.next().textList();
        QVERIFY(list);
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
        cursor = QTextCursor(list->item(2));
        cursor.movePosition(QTextCursor::NextBlock);
        const QTextTable *table = cursor.currentTable();
        QVERIFY(table);
        QCOMPARE(table->rows(), 3);
        QCOMPARE(table->columns(), 4);
        QCOMPARE(table->cellAt(2, 3).firstCursorPosition().block().text(), u"r2c3"_s);
        QVERIFY(editor.toPlainText().endsWith(u"The end."_s));
    }

    void rtfThroughTheEditorAndBack()
    {
        // What the notes editor does: read a file, edit nothing, write it back; the text and its
        // formats survive.
        const QByteArray rtf = RtfWriter::write(sample());
        RtfReader reader;
        const std::optional<RichTextDocument> read = reader.read(rtf);
        QVERIFY(read);
        QTextDocument editor;
        RichTextConverter::toQTextDocument(*read, editor);
        const std::optional<RichTextDocument> again = reader.read(RtfWriter::write(RichTextConverter::fromQTextDocument(editor)));
        QVERIFY(again);
        QCOMPARE(again->toPlainText(), sample().toPlainText());
        QVERIFY(*again == *read);
    }
};

} // namespace Velmora

QTEST_MAIN(Velmora::TestRichTextConverter)
#include "TestRichTextConverter.moc"
