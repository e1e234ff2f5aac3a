#include "core/documents/RtfReader.h"

#include "RichTextTestData.h"

#include <QTest>

#include <functional>
#include <random>

Q_DECLARE_METATYPE(Velmora::RichTextCharFormat)
Q_DECLARE_METATYPE(Velmora::RichTextParagraph)

using namespace Qt::StringLiterals;

namespace Velmora {

using namespace RichTextTestData;
using ListKind = RichTextParagraph::ListKind;
using Alignment = RichTextParagraph::Alignment;
using VerticalAlignment = RichTextCharFormat::VerticalAlignment;
using F = RichTextCharFormat;
using P = RichTextParagraph;

namespace {

RichTextDocument read(const QByteArray &rtf)
{
    RtfReader reader;
    const std::optional<RichTextDocument> document = reader.read(rtf);
    if (!document)
        qWarning("read failed: %s", qPrintable(reader.error()->what));
    return document.value_or(RichTextDocument{});
}

/// A document around `body`, with two fonts and two colours to refer to.
QByteArray wrapped(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
        + body + "}";
}

QStringList cellTexts(const RichTextTableRow &row)
{
    QStringList texts;
    for (const RichTextTableCell &cell : row.cells)
        texts << (cell.paragraphs.isEmpty() ? QString() : paragraphText(cell.paragraphs.first()));
    return texts;
}

QList<int> cellEdges(const RichTextTableRow &row)
{
    QList<int> edges;
    for (const RichTextTableCell &cell : row.cells)
        edges << cell.rightEdge;
    return edges;
}

/// A default T with `change` applied.
template<typename T> T with(const std::function<void(T &)> &change)
{
    T value;
    change(value);
    return value;
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void fixtureText_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");

        const QString sample = u"The party met Captain Vess at the harbour café.\n"
                               "%1"
                               "Name\tClass\tLevel\tGold\n"
                               "Aria\tRogue\t5\t120 €\n"
                               "Borin\tFighter\t6\t85 €\n"
                               "%2"
                               "Rules: the reference document — read it."_s;
        QTest::newRow("LibreOffice") << u"libreoffice-sample.rtf"_s
                                     << sample.arg(u"The Velmora Chronicle\n"_s, u"Rope \nTorches \nRations \n"_s);
        QTest::newRow("pandoc") << u"pandoc-sample.rtf"_s << sample.arg(QString(), u"\n•\tRope\n•\tTorches\n•\tRations\n"_s);
        QTest::newRow("LibreOffice picture")
            << u"libreoffice-picture.rtf"_s
            << u"Map of the crypt: \nOpen the gate \nLight the braziers \nFace the wight \nDanger ahead"_s;
        QTest::newRow("WordPad") << u"wordpad-bullets.rtf"_s
                                 << u"Supplies for the trip:\nRope\nTorches\nRations\n\n\nPrice: 12 €\n"
                                    "Café line one\nline two\tend\nThe Symbol font keeps a bullet • and pi π."_s;
        QTest::newRow("RichEdit pictures") << u"richedit-picture.rtf"_s
                                           << u"Crypt map:\n\nAfter the metafile.\nBad PNG kept out."_s;
        QTest::newRow("Word") << u"word-style.rtf"_s
                              << u"Word sets bold italic, struck, under not, H2O, x2 and marked.\n"
                                 "First step\nDetail\nSecond step\n"
                                 "Привет あ ✓—–‘’“”•\u00A0A\u00ADB\u2011C\n"
                                 "Page 1 and back to top.\nAfter skipped groups.\n"
                                 "Outer A\tInner 1 Inner 2 Outer B\nAfter the table."_s;
    }

    void fixtureText()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QCOMPARE(read(readFixture(file)).toPlainText(), text);
    }

    void realWorldSample_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("listItems");

        // pandoc has no centring and writes its bullets as text.
        QTest::newRow("LibreOffice") << u"libreoffice-sample.rtf"_s << true << true;
        QTest::newRow("pandoc") << u"pandoc-sample.rtf"_s << false << false;
    }

    void realWorldSample()
    {
        QFETCH(QString, file);
        QFETCH(bool, centred);
        QFETCH(bool, listItems);
        const RichTextDocument document = read(readFixture(file));

        QVERIFY(runWith(document, u"Captain Vess"_s).format.bold);
        QVERIFY(!runWith(document, u"The party met "_s).format.bold);
        if (centred)
            QCOMPARE(paragraphWith(document, u"The Velmora Chronicle"_s).alignment, Alignment::Center);
        QCOMPARE(paragraphWith(document, u"The party met"_s).alignment, Alignment::Left);

        QCOMPARE(tablesOf(document).size(), 1);
        const RichTextTable table = tablesOf(document).first();
        QCOMPARE(table.rows.size(), 3);
        QCOMPARE(table.columnCount(), 4);
        QCOMPARE(cellTexts(table.rows.at(0)), QStringList({u"Name"_s, u"Class"_s, u"Level"_s, u"Gold"_s}));
        QCOMPARE(cellTexts(table.rows.at(2)), QStringList({u"Borin"_s, u"Fighter"_s, u"6"_s, u"85 €"_s}));
        QCOMPARE(cellEdges(table.rows.at(1)), centred ? QList<int>({841, 1832, 2583, 3409}) : QList<int>({2160, 4320, 6480, 8640}));

        for (const QString &item : {u"Rope"_s, u"Torches"_s, u"Rations"_s}) {
            const P paragraph = paragraphWith(document, item);
            QCOMPARE(paragraph.listKind, listItems ? ListKind::Bullet : ListKind::None);
            QVERIFY(listItems || paragraphText(paragraph).startsWith(u"•\t"_s));
        }

        const RichTextRun link = runWith(document, u"the reference document"_s);
        QCOMPARE(link.format.anchorHref, u"https://example.org/srd"_s);
        QVERIFY(link.format.underline);
        QCOMPARE(runWith(document, u" — read it."_s).format.anchorHref, QString());
    }

    void libreOfficePictureAndNumbers()
    {
        const RichTextDocument document = read(readFixture(u"libreoffice-picture.rtf"_s));
        // LibreOffice writes the PNG once for readers of pictures and once as a metafile for others.
        QCOMPARE(images(document), QList<RichTextImage>({{RichTextImage::Format::Png, tinyPng(), 720, 540}}));

        for (const QString &item : {u"Open the gate"_s, u"Light the"_s, u"Face the"_s}) {
            const RichTextParagraph p = paragraphWith(document, item);
            QCOMPARE(std::tuple(p.listKind, p.leftIndent, p.firstLineIndent), std::tuple(ListKind::Decimal, 709, -283));
        }
        QVERIFY(runWith(document, u"braziers"_s).format.italic);
        QVERIFY(runWith(document, u"wight"_s).format.underline);
        QCOMPARE(paragraphWith(document, u"ahead"_s).alignment, Alignment::Right);
        QCOMPARE(runWith(document, u"Danger"_s).format.foreground, 0xC00000u);
        QCOMPARE(runWith(document, u" ahead"_s).format.foreground, std::nullopt);
        QCOMPARE(document.defaultFontFamily, u"DejaVu Serif"_s);
    }

    void wordPadBulletsAndSymbols()
    {
        const RichTextDocument document = read(readFixture(u"wordpad-bullets.rtf"_s));
        QCOMPARE(document.defaultFontFamily, u"Calibri"_s);
        const QList<RichTextParagraph> all = paragraphs(document);
        QCOMPARE(all.size(), 9);
        for (const RichTextParagraph &p : all.mid(1, 3))
            QCOMPARE(std::tuple(p.listKind, p.leftIndent, p.firstLineIndent), std::tuple(ListKind::Bullet, 720, -360));
        QCOMPARE(all.at(4).listKind, ListKind::None); // \pard ends the list
        QVERIFY(all.at(4).runs.isEmpty());
        QCOMPARE(all.at(4).markFormat.fontHalfPoints, 22);

        // The default font: no family of its own.
        QCOMPARE(runWith(document, u"trip"_s).format, with<F>([](F &f) { f.bold = true, f.fontHalfPoints = 22; }));

        const RichTextParagraph price = paragraphWith(document, u"Price"_s);
        QCOMPARE(price.alignment, Alignment::Center);
        const F red = with<F>([](F &f) { f.italic = true, f.fontHalfPoints = 22, f.foreground = 0xFF0000; });
        QCOMPARE(price.runs, QList<RichTextRun>({{u"Price: 12 €"_s, red, {}}}));

        QCOMPARE(runWith(document, u"•"_s).format.fontFamily, u"Symbol"_s);
        QCOMPARE(runWith(document, u"π"_s).format.fontFamily, u"Symbol"_s);
        QCOMPARE(paragraphText(paragraphWith(document, u"line two"_s)), u"Café line one\u2028line two\tend"_s);
    }

    void richEditPictures()
    {
        const RichTextDocument document = read(readFixture(u"richedit-picture.rtf"_s));
        // The metafile and the PNG without a PNG signature are left out.
        const RichTextImage jpeg{RichTextImage::Format::Jpeg, QByteArray::fromHex("ffd8ffe000104a464946"), 300, 300};
        QCOMPARE(images(document), QList<RichTextImage>({{RichTextImage::Format::Png, tinyPng(), 600, 450}, jpeg}));
        QCOMPARE(runWith(document, u"After the metafile."_s).format.fontHalfPoints, 20);
    }

    void wordStyleFeatures()
    {
        const RichTextDocument document = read(readFixture(u"word-style.rtf"_s));
        QCOMPARE(runWith(document, u"bold italic"_s).format,
            with<F>([](F &f) { f.bold = f.italic = true; }));
        QVERIFY(runWith(document, u"struck"_s).format.strike);
        QVERIFY(runWith(document, u"under"_s).format.underline);
        QVERIFY(!runWith(document, u" not, H"_s).format.underline);
        QCOMPARE(runWith(document, u"marked"_s).format.background, 0xFFFF00u);

        const RichTextParagraph water = paragraphWith(document, u"Word sets"_s);
        QStringList scripts;
        for (const RichTextRun &run : water.runs) {
            if (run.format.verticalAlignment != VerticalAlignment::Normal)
                scripts << run.text + (run.format.verticalAlignment == VerticalAlignment::Subscript ? u"_"_s : u"^"_s);
        }
        QCOMPARE(scripts, QStringList({u"2_"_s, u"2^"_s}));

        QCOMPARE(paragraphWith(document, u"First step"_s).listKind, ListKind::Decimal);
        const P detail = paragraphWith(document, u"Detail"_s), next = paragraphWith(document, u"Second step"_s);
        QCOMPARE(std::pair(detail.listKind, detail.listLevel), std::pair(ListKind::Bullet, 1));
        QCOMPARE(std::pair(next.listKind, next.listLevel), std::pair(ListKind::Decimal, 0));

        QCOMPARE(runWith(document, u"Привет"_s).format.fontFamily, u"Arial Cyr"_s);
        QCOMPARE(runWith(document, u"back to top"_s).format.anchorHref, u"#top"_s);
        QCOMPARE(runWith(document, u"back to top"_s).format.foreground, 0x0000FFu);
        QCOMPARE(runWith(document, u"Page 1 and "_s).format.anchorHref, QString()); // a PAGE field: text only
        QCOMPARE(images(document).size(), 1);
        QCOMPARE(images(document).first().widthTwips, 150);

        const RichTextTable table = tablesOf(document).value(0);
        QCOMPARE(table.rows.size(), 1);
        QCOMPARE(cellEdges(table.rows.first()), QList<int>({2000, 4000}));
        QCOMPARE(table.rows.first().cells.at(1).paragraphs.size(), 3); // the nested table's cells, then "Outer B"
    }

    void text_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");

        QTest::newRow("Windows-1252 bytes") << wrapped("caf\\'e9 \\'80\\'96\\'93") << u"café €–“"_s;
        QTest::newRow("\\u skips one stand-in") << wrapped("\\u8364?x") << u"€x"_s;
        QTest::newRow("\\uc0 skips none") << wrapped("\\uc0\\u8364 x") << u"€x"_s;
        QTest::newRow("\\uc2 skips two hex bytes") << wrapped("\\uc2\\u8364\\'80\\'80x") << u"€x"_s;
        QTest::newRow("\\uc2 skips a word and a byte") << wrapped("\\uc2\\u8364\\bullet xy") << u"€y"_s;
        QTest::newRow("negative \\u") << wrapped("\\u-3913?") << u"\uF0B7"_s;
        QTest::newRow("stand-in ends with the group") << wrapped("{\\uc3\\u8364?}x") << u"€x"_s;
        QTest::newRow("surrogate pair") << wrapped("\\u-10179?\\u-8704?") << u"😀"_s;
        QTest::newRow("symbol words") << wrapped("\\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote")
                                      << u"•—–‘’“”"_s;
        QTest::newRow("escapes") << wrapped("\\\\ \\{ \\}") << u"\\ { }"_s;
        QTest::newRow("special spaces") << wrapped("a\\~b\\-c\\_d") << u"a\u00A0b\u00ADc\u2011d"_s;
        QTest::newRow("unknown words") << wrapped("keep \\foo12 this \\bar-3 text") << u"keep this text"_s;
        QTest::newRow("over-long word") << wrapped("a\\" + QByteArray(40, 'q') + " b") << u"ab"_s;
        QTest::newRow("unknown {\\*} destination") << wrapped("a{\\*\\foo b {c} d}e") << u"ae"_s;
        QTest::newRow("known {\\*} destination") << wrapped("a{\\*\\shppict b}c") << u"abc"_s;
        QTest::newRow("skipped destinations") << wrapped("a{\\info{\\title T}}b{\\header H}c{\\pntext 1.}d{\\stylesheet{x;}}e")
                                              << u"abcde"_s;
        QTest::newRow("\\bin in a skipped group") << wrapped("a{\\*\\objdata \\bin3 }}}}b") << u"ab"_s;
        QTest::newRow("\\bin in text") << wrapped("a\\bin2 xyb") << u"ab"_s;
        QTest::newRow("breaks") << wrapped("one\\par two\\line three\\tab four") << u"one\ntwo\nthree\tfour"_s;
        QTest::newRow("backslash newline") << wrapped("one\\\ntwo") << u"one\ntwo"_s;
        QTest::newRow("raw line ends") << wrapped("one\r\ntwo") << u"onetwo"_s;
        QTest::newRow("control bytes") << wrapped("a\x01" "b\tc") << u"ab\tc"_s;
        QTest::newRow("hidden text") << wrapped("a{\\v hidden}b\\v c\\v0 d") << u"abd"_s;
        QTest::newRow("empty paragraphs") << wrapped("\\par\\par x") << u"\n\nx"_s;
        QTest::newRow("last \\par") << wrapped("a\\par") << u"a"_s;
        QTest::newRow("page and section") << wrapped("a\\page b\\sect c\\page\\par d") << u"a\nb\nc\n\nd"_s;
        QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 a{\\b b{\\i c") << u"abc"_s;
        QTest::newRow("after the last brace") << QByteArray("{\\rtf1 a}b{c}") << u"a"_s;
        QTest::newRow("code page of the font") << wrapped("{\\fonttbl{\\f2\\fcharset204 Cyr;}}\\f2 \\'cf\\'f0") << u"Пр"_s;
        QTest::newRow("\\ansicpg") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf}") << u"П"_s;
        QTest::newRow("Symbol by name") << wrapped("{\\fonttbl{\\f2 Symbol;}}\\f2 a\\'b7") << u"α•"_s;
        QTest::newRow("Wingdings") << wrapped("{\\fonttbl{\\f2\\fcharset2 Wingdings;}}\\f2 \\'a7\\'fc") << u"▪✓"_s;
        QTest::newRow("double-byte") << wrapped("{\\fonttbl{\\f2\\fcharset128 Mincho;}}\\f2\\'82\\'a0\\'82\\'a2") << u"あい"_s;
        QTest::newRow("invalid hex") << wrapped("a\\'zzb\\'4") << u"azzb"_s;
    }

    void text()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(read(rtf).toPlainText(), text);
    }

    void charFormat_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<RichTextCharFormat>("format");

        QTest::newRow("plain") << QByteArray("x") << F{};
        QTest::newRow("bold") << QByteArray("\\b x") << with<F>([](F &f) { f.bold = true; });
        QTest::newRow("bold off") << QByteArray("\\b\\b0 x") << F{};
        QTest::newRow("italic") << QByteArray("\\i x") << with<F>([](F &f) { f.italic = true; });
        QTest::newRow("underline") << QByteArray("\\ul x") << with<F>([](F &f) { f.underline = true; });
        QTest::newRow("\\ulnone") << QByteArray("\\ul\\ulnone x") << F{};
        QTest::newRow("\\ul0") << QByteArray("\\ul\\ul0 x") << F{};
        QTest::newRow("strike") << QByteArray("\\strike x") << with<F>([](F &f) { f.strike = true; });
        QTest::newRow("size") << QByteArray("\\fs30 x") << with<F>([](F &f) { f.fontHalfPoints = 30; });
        QTest::newRow("font") << QByteArray("\\f1 x") << with<F>([](F &f) { f.fontFamily = u"Courier New"_s; });
        QTest::newRow("default font") << QByteArray("\\f1\\f0 x") << F{};
        QTest::newRow("colour") << QByteArray("\\cf2 x") << with<F>([](F &f) { f.foreground = 0x0080FF; });
        QTest::newRow("automatic colour") << QByteArray("\\cf2\\cf0 x") << F{};
        QTest::newRow("\\highlight") << QByteArray("\\highlight2 x") << with<F>([](F &f) { f.background = 0x0080FF; });
        const F superscript = with<F>([](F &f) { f.verticalAlignment = VerticalAlignment::Superscript; });
        const F subscript = with<F>([](F &f) { f.verticalAlignment = VerticalAlignment::Subscript; });
        QTest::newRow("superscript") << QByteArray("\\super x") << superscript;
        QTest::newRow("subscript") << QByteArray("\\sub x") << subscript;
        QTest::newRow("\\nosupersub") << QByteArray("\\sub\\nosupersub x") << F{};
        QTest::newRow("raised") << QByteArray("\\up6 x") << superscript;
        QTest::newRow("lowered by default") << QByteArray("\\dn x") << subscript;
        QTest::newRow("\\up0") << QByteArray("\\super\\up0 x") << F{};
        QTest::newRow("\\plain") << QByteArray("\\b\\i\\f1\\fs40\\cf1 \\plain x") << F{};
        QTest::newRow("group ends") << QByteArray("\\b {\\b0\\i\\f1 y}x") << with<F>([](F &f) { f.bold = true; });
        QTest::newRow("link kept by \\plain")
            << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"http://a.b/c\" }{\\fldrslt{\\b\\plain x}}}")
            << with<F>([](F &f) { f.anchorHref = u"http://a.b/c"_s; });
        QTest::newRow("link with switches")
            << QByteArray("{\\field{\\*\\fldinst{ HYPERLINK \\\\o \"tip\" \"http://a.b/\" \\\\t \"_blank\"}}{\\fldrslt x}}")
            << with<F>([](F &f) { f.anchorHref = u"http://a.b/"_s; });
        QTest::newRow("link to a path") << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"C:\\\\\\\\maps\\\\\\\\a.rtf\"}{\\fldrslt x}}")
                                        << with<F>([](F &f) { f.anchorHref = u"C:\\maps\\a.rtf"_s; });
        QTest::newRow("other field") << QByteArray("{\\field{\\*\\fldinst PAGE}{\\fldrslt x}}") << F{};
    }

    void charFormat()
    {
        QFETCH(QByteArray, body);
        QFETCH(RichTextCharFormat, format);
        const RichTextDocument document = read(wrapped(body));
        QCOMPARE(document.defaultFontFamily, u"Arial"_s);
        const RichTextRun run = runWith(document, u"x"_s);
        QCOMPARE(run.text, u"x"_s);
        QCOMPARE(run.format, format);
    }

    void paragraphFormat_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<RichTextParagraph>("layout");

        auto list = [](ListKind kind, int level) { return with<P>([=](P &p) { p.listKind = kind, p.listLevel = level; }); };
        QTest::newRow("plain") << QByteArray("x") << P{};
        QTest::newRow("centre") << QByteArray("\\qc x") << with<P>([](P &p) { p.alignment = Alignment::Center; });
        QTest::newRow("right") << QByteArray("\\qr x") << with<P>([](P &p) { p.alignment = Alignment::Right; });
        QTest::newRow("justify") << QByteArray("\\qj x") << with<P>([](P &p) { p.alignment = Alignment::Justify; });
        QTest::newRow("left after centre") << QByteArray("\\qc\\ql x") << P{};
        QTest::newRow("indents and spacing") << QByteArray("\\li720\\ri360\\fi-240\\sb120\\sa60 x") << with<P>([](P &p) {
            p.leftIndent = 720, p.rightIndent = 360, p.firstLineIndent = -240, p.spaceBefore = 120, p.spaceAfter = 60;
        });
        QTest::newRow("\\pard resets") << QByteArray("\\qc\\li720{\\pntext x}{\\*\\pn\\pnlvlblt}\\pard x") << P{};
        QTest::newRow("group ends") << QByteArray("{\\qc y\\par}x") << P{};
        QTest::newRow("paragraph keeps on") << QByteArray("\\qr y\\par x") << with<P>([](P &p) { p.alignment = Alignment::Right; });
        QTest::newRow("\\pn bullet") << QByteArray("{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}x") << list(ListKind::Bullet, 0);
        QTest::newRow("\\pn decimal") << QByteArray("{\\*\\pn\\pnlvlbody\\pndec}x") << list(ListKind::Decimal, 0);
        QTest::newRow("\\pn letters") << QByteArray("{\\*\\pn\\pnlvlbody\\pnlcltr}x") << list(ListKind::LowerAlpha, 0);
        QTest::newRow("\\pn roman level 2") << QByteArray("{\\pn\\pnlvl2\\pnucrm}x") << list(ListKind::UpperRoman, 1);
        QTest::newRow("\\pnlvlcont") << QByteArray("{\\*\\pn\\pnlvlcont}x") << P{};
        QTest::newRow("\\ls without a list table") << QByteArray("\\ls3\\ilvl2 x") << list(ListKind::Bullet, 2);
        QTest::newRow("\\ls over \\pn") << QByteArray("{\\*\\listtable{\\list{\\listlevel\\levelnfc4}{\\listlevel\\levelnfc3}\\listid7}}"
                                                      "{\\*\\listoverridetable{\\listoverride\\listid7\\ls2}}"
                                                      "{\\*\\pn\\pnlvlblt}\\ls2\\ilvl1 x")
                                        << list(ListKind::UpperAlpha, 1);
        QTest::newRow("deep level uses the last") << QByteArray("{\\*\\listtable{\\list{\\listlevel\\levelnfc2}\\listid7}}"
                                                                "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}\\ls1\\ilvl12 x")
                                                  << list(ListKind::LowerRoman, 8);
        QTest::newRow("mark format") << QByteArray("x\\b\\fs30")
                                     << with<P>([](P &p) { p.markFormat.bold = true, p.markFormat.fontHalfPoints = 30; });
    }

    void paragraphFormat()
    {
        QFETCH(QByteArray, body);
        QFETCH(RichTextParagraph, layout);
        const QList<RichTextParagraph> all = paragraphs(read(wrapped(body + "\\par")));
        QVERIFY(!all.isEmpty());
        const RichTextParagraph paragraph = all.last();
        QCOMPARE(paragraphText(paragraph), u"x"_s);
        RichTextParagraph withoutRuns = paragraph;
        withoutRuns.runs.clear();
        QCOMPARE(withoutRuns, layout);
    }

    void tables_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("rowSizes");
        QTest::addColumn<QList<int>>("firstRowEdges");

        QTest::newRow("two rows") << QByteArray("\\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row"
                                                "\\trowd\\cellx100\\cellx200\\intbl c\\cell d\\cell\\row\\pard e\\par")
                                  << u"a\tb\nc\td\ne"_s << QList<int>({2, 2}) << QList<int>({100, 200});
        QTest::newRow("edges given after the cells") << QByteArray("\\intbl a\\cell b\\cell\\trowd\\cellx300\\cellx900\\row")
                                                     << u"a\tb"_s << QList<int>({2}) << QList<int>({300, 900});
        QTest::newRow("more cells than edges") << QByteArray("\\trowd\\cellx500\\intbl a\\cell b\\cell c\\cell\\row")
                                               << u"a\tb\tc"_s << QList<int>({3}) << QList<int>({500, 1940, 3380});
        QTest::newRow("paragraphs in a cell") << QByteArray("\\trowd\\cellx500\\intbl a\\par b\\cell\\row")
                                              << u"a b"_s << QList<int>({1}) << QList<int>({500});
        QTest::newRow("row without \\row") << QByteArray("\\trowd\\cellx500\\intbl a\\cell b\\par\\pard c")
                                           << u"a\tb\nc"_s << QList<int>({2}) << QList<int>({500, 1940});
        QTest::newRow("text after the last cell") << QByteArray("\\trowd\\cellx500\\cellx900\\intbl a\\cell b\\row")
                                                  << u"a\tb"_s << QList<int>({2}) << QList<int>({500, 900});
        QTest::newRow("table at the end") << QByteArray("\\trowd\\cellx500\\intbl a\\cell\\row") << u"a"_s
                                          << QList<int>({1}) << QList<int>({500});
        QTest::newRow("nested cells") << QByteArray("\\trowd\\cellx500\\intbl\\itap2 a\\nestcell b\\nestcell"
                                                    "{\\*\\nesttableprops\\trowd\\cellx100\\nestrow}\\itap1 c\\cell\\row")
                                      << u"a b c"_s << QList<int>({1}) << QList<int>({500});
    }

    void tables()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, text);
        QFETCH(QList<int>, rowSizes);
        QFETCH(QList<int>, firstRowEdges);
        const RichTextDocument document = read(wrapped(body));
        QCOMPARE(document.toPlainText(), text);
        QCOMPARE(tablesOf(document).size(), 1);
        const RichTextTable table = tablesOf(document).first();
        QList<int> sizes;
        for (const RichTextTableRow &row : table.rows)
            sizes << int(row.cells.size());
        QCOMPARE(sizes, rowSizes);
        QCOMPARE(cellEdges(table.rows.first()), firstRowEdges);
    }

    void errors_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("maxDepth");
        QTest::addColumn<QString>("what");
        QTest::addColumn<qsizetype>("offset");

        const QString notRtf = u"This is not an RTF document."_s;
        const QString tooDeep = u"The RTF groups are nested too deeply."_s;
        QTest::newRow("empty") << QByteArray() << 256 << notRtf << qsizetype(0);
        QTest::newRow("plain text") << QByteArray("  Hello") << 256 << notRtf << qsizetype(2);
        QTest::newRow("cut header") << QByteArray("{\\rt") << 256 << notRtf << qsizetype(0);
        QTest::newRow("too deep") << QByteArray("{\\rtf1 {{{x}}}}") << 3 << tooDeep << qsizetype(9);
        QTest::newRow("deep enough") << QByteArray("{\\rtf1 {{x}}}") << 3 << QString() << qsizetype(0);
        QTest::newRow("default limit") << "{\\rtf1 " + QByteArray(300, '{') << 256 << tooDeep << qsizetype(7 + 255);
        QTest::newRow("skipped groups do not count") << "{\\rtf1 {\\*\\x " + QByteArray(300, '{') << 256 << QString()
                                                     << qsizetype(0);
    }

    void errors()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, maxDepth);
        QFETCH(QString, what);
        QFETCH(qsizetype, offset);
        RtfReader reader(RtfReader::Limits{.maxDepth = maxDepth});
        QCOMPARE(reader.read(rtf).has_value(), what.isEmpty());
        QCOMPARE(reader.error(), what.isEmpty() ? std::nullopt : std::optional(RtfError{what, offset}));
    }

    void pictureLimits()
    {
        const QByteArray picture = "{\\pict\\pngblip " + tinyPng().toHex() + "}";
        const QByteArray rtf = wrapped("a" + picture + "b" + picture + "c");
        const std::pair<RtfReader::Limits, qsizetype> limitsAndPictures[]
            = {{{}, 2}, {{.maxPictures = 1}, 1}, {{.maxPictureBytes = tinyPng().size() - 1}, 0}};
        for (const auto &[limits, pictures] : limitsAndPictures) {
            const std::optional<RichTextDocument> document = RtfReader(limits).read(rtf);
            QCOMPARE(images(document.value_or(RichTextDocument{})).size(), pictures);
            QCOMPARE(document.value_or(RichTextDocument{}).toPlainText(), u"abc"_s);
        }
    }

    void anyBytesReadSanely()
    {
        // Mutated fixtures and plain noise, from a fixed seed so that a failure repeats.
        QList<QByteArray> seeds;
        for (const QString &name : {u"libreoffice-sample.rtf"_s, u"wordpad-bullets.rtf"_s, u"word-style.rtf"_s,
                                    u"richedit-picture.rtf"_s})
            seeds << readFixture(name);
        std::mt19937 random(20070101);
        auto below = [&random](qsizetype n) { return qsizetype(random() % quint32(qMax<qsizetype>(n, 1))); };
        const char *tokens[] = {"{", "}", "\\", "\\'", "\\u", "\\bin", "\\*", "\\cell", "\\row", "\\pict", "-99999999999", "\\uc9"};

        for (int round = 0; round < 1500; ++round) {
            QByteArray bytes = seeds.at(below(seeds.size()));
            if (round % 10 == 0) {
                bytes = "{\\rtf1 " + QByteArray(below(600), '\0');
                for (qsizetype i = 7; i < bytes.size(); ++i)
                    bytes[i] = char(random());
            }
            for (int m = 0, mutations = 1 + int(below(6)); m < mutations && !bytes.isEmpty(); ++m) {
                const qsizetype at = below(bytes.size());
                switch (below(4)) {
                case 0: bytes[at] = char(random()); break;
                case 1: bytes.truncate(at); break;
                case 2: bytes.insert(at, bytes.mid(below(bytes.size()), below(64))); break;
                default: bytes.insert(at, tokens[below(std::size(tokens))]);
                }
            }
            RtfReader reader;
            const std::optional<RichTextDocument> document = reader.read(bytes);
            QVERIFY(document.has_value() != reader.error().has_value());
            if (document)
                QVERIFY2(document->toPlainText().size() <= bytes.size(), qPrintable(QString::number(round)));
        }
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestRtfReader)
#include "TestRtfReader.moc"
