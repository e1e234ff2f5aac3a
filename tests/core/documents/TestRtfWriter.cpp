#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"

#include "RichTextTestData.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Velmora::RichTextDocument)

using namespace Qt::StringLiterals;

namespace Velmora {

using namespace RichTextTestData;
using ListKind = RichTextParagraph::ListKind;
using Alignment = RichTextParagraph::Alignment;
using Script = RichTextCharFormat::VerticalAlignment;

namespace {

RichTextRun textRun(const QString &text, const std::function<void(RichTextCharFormat &)> &change = [](auto &) {})
{
    RichTextRun run{text, {}, std::nullopt};
    change(run.format);
    return run;
}

RichTextParagraph paragraph(QList<RichTextRun> runs,
                            const std::function<void(RichTextParagraph &)> &change = [](auto &) {})
{
    RichTextParagraph result;
    result.runs = std::move(runs);
    change(result);
    return result;
}

RichTextParagraph listItem(const QString &text, ListKind kind, int level = 0)
{
    return paragraph({textRun(text)}, [&](RichTextParagraph &p) {
        p.listKind = kind;
        p.listLevel = level;
        p.leftIndent = 720 * (level + 1);
        p.firstLineIndent = -360;
    });
}

RichTextDocument document(QList<RichTextDocument::Block> blocks, const QString &defaultFont = u"Arial"_s)
{
    RichTextDocument result;
    result.blocks = std::move(blocks);
    result.defaultFontFamily = defaultFont;
    return result;
}

RichTextTable table(const QList<QStringList> &rows)
{
    RichTextTable result;
    for (const QStringList &texts : rows) {
        RichTextTableRow row;
        for (qsizetype i = 0; i < texts.size(); ++i)
            row.cells << RichTextTableCell{{paragraph({textRun(texts.at(i))})}, 1500 * int(i + 1)};
        result.rows << row;
    }
    return result;
}

/// A notes document that uses every format the writer knows.
RichTextDocument everything()
{
    RichTextRun picture;
    picture.image = RichTextImage{RichTextImage::Format::Png, tinyPng(), 900, 675};
    RichTextTable cells = table({{u"Name"_s, u"HP"_s, u"AC"_s}, {u"Goblin"_s, u"7"_s, u"15"_s}});
    cells.rows[1].cells[0].paragraphs << paragraph({textRun(u"(leader)"_s, [](auto &f) { f.italic = true; })},
                                                   [](auto &p) { p.alignment = Alignment::Right; });
    return document({
        paragraph({textRun(u"Session 12"_s, [](auto &f) { f.bold = true, f.fontHalfPoints = 32, f.fontFamily = u"Georgia"_s; })},
                  [](auto &p) { p.alignment = Alignment::Center, p.spaceAfter = 120; }),
        paragraph({textRun(u"plain, "_s), textRun(u"italic"_s, [](auto &f) { f.italic = true; }),
                   textRun(u"under"_s, [](auto &f) { f.underline = true; }),
                   textRun(u"struck"_s, [](auto &f) { f.strike = true; }),
                   textRun(u"2"_s, [](auto &f) { f.verticalAlignment = Script::Superscript; }),
                   textRun(u"n"_s, [](auto &f) { f.verticalAlignment = Script::Subscript; }),
                   textRun(u"red on yellow"_s, [](auto &f) { f.foreground = 0xC00000, f.background = 0xFFFF00; }),
                   textRun(u"mono"_s, [](auto &f) { f.fontFamily = u"Courier New"_s; })},
                  [](auto &p) {
                      p.leftIndent = 360, p.rightIndent = 240, p.firstLineIndent = 180, p.spaceBefore = 60;
                      p.alignment = Alignment::Justify;
                  }),
        paragraph({}, [](auto &p) { p.markFormat.fontHalfPoints = 40; }),
        listItem(u"Rope"_s, ListKind::Bullet), listItem(u"Silk rope"_s, ListKind::Bullet, 1), listItem(u"Torches"_s, ListKind::Bullet),
        paragraph({textRun(u"between lists"_s)}),
        listItem(u"Open the gate"_s, ListKind::Decimal), listItem(u"Quietly"_s, ListKind::LowerAlpha, 1),
        listItem(u"Fight"_s, ListKind::Decimal), listItem(u"Upper"_s, ListKind::UpperAlpha),
        listItem(u"Roman"_s, ListKind::LowerRoman), listItem(u"ROMAN"_s, ListKind::UpperRoman),
        cells,
        paragraph({textRun(u"Map: "_s), picture, textRun(u" see "_s),
                   textRun(u"the rules"_s,
                           [](auto &f) { f.anchorHref = u"https://example.org/srd?a=1&b=\"2\""_s, f.underline = true; }),
                   textRun(u" or "_s), textRun(u"top"_s, [](auto &f) { f.anchorHref = u"#top"_s; }),
                   textRun(u" or "_s), textRun(u"file"_s, [](auto &f) { f.anchorHref = u"C:\\maps\\crypt.rtf"_s; })}),
    });
}

/// Runs the independent reader on `rtf` and gives its text.
QString unrtfText(const QByteArray &rtf)
{
    const QString program = QStandardPaths::findExecutable(u"unrtf"_s);
    if (program.isEmpty())
        qFatal("unrtf is missing: scripts/bootstrap installs it");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"written.rtf"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return {};
    file.close();
    QProcess unrtf;
    unrtf.start(program, {u"--text"_s, path});
    if (!unrtf.waitForFinished(60000) || unrtf.exitCode() != 0)
        return {};
    // unrtf writes each character as the low byte of its code point: Latin-1 for what we check.
    return QString::fromLatin1(unrtf.readAllStandardOutput());
}

/// True when every one of `texts` occurs in `haystack`, in this order.
bool containsInOrder(const QString &haystack, const QStringList &texts)
{
    qsizetype from = 0;
    for (const QString &text : texts) {
        from = haystack.indexOf(text, from);
        if (from < 0) {
            qWarning("missing from the text read back: %s", qPrintable(text));
            return false;
        }
        from += text.size();
    }
    return true;
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<RichTextDocument>("original");

        QTest::newRow("empty") << RichTextDocument{};
        QTest::newRow("no default font") << document({paragraph({textRun(u"x"_s)})}, QString());
        QTest::newRow("every format") << everything();
        QTest::newRow("special characters")
            << document({paragraph({textRun(u"{braces} \\back\\slash\\ tab\there line\u2028break"_s),
                                    textRun(u"\u00A0nbsp\u00ADsoft\u2011hard — “quoted” €5 é Ω 😀 日本"_s,
                                            [](auto &f) { f.bold = true; })})});
        QTest::newRow("picture fonts") << document({paragraph({textRun(u"•πa\u00E9"_s, [](auto &f) { f.fontFamily = u"Symbol"_s; }),
                                                               textRun(u"✓"_s, [](auto &f) { f.fontFamily = u"Wingdings"_s; })})});
        QTest::newRow("empty paragraphs") << document({paragraph({}), paragraph({}), paragraph({textRun(u"x"_s)}), paragraph({})});
        QTest::newRow("table only") << document({table({{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}})});
        QTest::newRow("jpeg") << document({paragraph({RichTextRun{{}, {}, RichTextImage{RichTextImage::Format::Jpeg,
                                                                                       QByteArray::fromHex("ffd8ffe0"), 30, 45}}})});
    }

    void roundTrip()
    {
        QFETCH(RichTextDocument, original);
        const QByteArray rtf = RtfWriter::write(original);
        QCOMPARE(RtfReader().read(rtf), original);
        // A Battle Box file keeps its notes with their line breaks taken out.
        QByteArray joined = rtf;
        joined.replace("\r\n", "");
        QCOMPARE(RtfReader().read(joined), original);
    }

    void writesExactBytes()
    {
        const RichTextDocument written = document({
            paragraph({textRun(u"Hi "_s), textRun(u"café €"_s, [](auto &f) { f.bold = true, f.foreground = 0xFF0000; }),
                       textRun(u"2"_s, [](auto &f) { f.verticalAlignment = Script::Superscript; }),
                       textRun(u"n"_s, [](auto &f) { f.verticalAlignment = Script::Subscript; })},
                      [](auto &p) { p.alignment = Alignment::Center; }),
            listItem(u"One"_s, ListKind::Bullet),
        });
        QByteArray levels;
        for (int level = 0; level < 9; ++level)
            levels += "{\\listlevel\\levelnfc23\\levelnfcn23\\leveljc0\\levelfollow0\\levelstartat1"
                      "{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}\\fi-360\\li"
                + QByteArray::number(720 * (level + 1)) + "}";
        const QByteArray expected = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
                                    "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                                    "{\\colortbl;\\red255\\green0\\blue0;}\r\n"
                                    "{\\*\\listtable\r\n{\\list\\listtemplateid1000"
                                    + levels + "\\listid1000}}\r\n"
                                      "{\\*\\listoverridetable{\\listoverride\\listid1000\\listoverridecount0\\ls1}}\r\n"
                                      "\\viewkind4\r\n"
                                      "\\pard\\plain\\qc{Hi }{\\b\\cf1 caf\\'e9 \\'80}{\\super 2}{\\sub n}\\par\r\n"
                                      "\\pard\\plain\\li720\\fi-360{\\pntext\\'95\\tab}{\\*\\pn\\pnlvlblt\\pnindent360{\\pntxtb\\'95}}"
                                      "\\ls1\\ilvl0{One}\\par\r\n"
                                      "}\r\n";
        QCOMPARE(RtfWriter::write(written), expected);
    }

    void listsInBothForms()
    {
        const RichTextDocument numbered = document({
            listItem(u"a"_s, ListKind::Decimal), listItem(u"b"_s, ListKind::LowerAlpha, 1),
            listItem(u"c"_s, ListKind::LowerAlpha, 1), listItem(u"d"_s, ListKind::Decimal), paragraph({textRun(u"e"_s)}),
            listItem(u"f"_s, ListKind::UpperRoman), listItem(u"g"_s, ListKind::UpperRoman),
            listItem(u"h"_s, ListKind::UpperRoman), listItem(u"i"_s, ListKind::UpperRoman),
        });
        const QByteArray rtf = RtfWriter::write(numbered);
        // The numbers as the rich-text control shows them, restarting after a paragraph outside the list.
        QStringList shown;
        for (qsizetype at = rtf.indexOf("{\\pntext "); at >= 0; at = rtf.indexOf("{\\pntext ", at + 1))
            shown << QString::fromLatin1(rtf.mid(at + 9, rtf.indexOf("\\tab", at) - at - 9));
        QCOMPARE(shown, QStringList({u"1."_s, u"a."_s, u"b."_s, u"2."_s, u"I."_s, u"II."_s, u"III."_s, u"IV."_s}));
        QVERIFY(rtf.contains("{\\*\\pn\\pnlvlbody\\pndec\\pnstart1\\pnindent360{\\pntxta .}}\\ls1\\ilvl0{a}"));
        QVERIFY(rtf.contains("{\\*\\pn\\pnlvlbody\\pnlcltr\\pnstart1\\pnindent360{\\pntxta .}}\\ls2\\ilvl1{b}"));
        QVERIFY(rtf.contains("{\\*\\pn\\pnlvlbody\\pnlcltr\\pnindent360{\\pntxta .}}\\ls2\\ilvl1{c}"));
        // Word's list table: one list per kind, with its level numbers.
        QVERIFY(rtf.contains("\\listlevel\\levelnfc0\\levelnfcn0\\leveljc0\\levelfollow0\\levelstartat1{\\leveltext\\'02\\'00.;}"
                             "{\\levelnumbers\\'01;}"));
        QVERIFY(rtf.contains("{\\listoverride\\listid1002\\listoverridecount0\\ls3}"));
        QVERIFY(rtf.contains("\\levelnfc1\\levelnfcn1"));
    }

    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("ASCII") << u"Hello, world"_s << QByteArray("{Hello, world}");
        QTest::newRow("escaped") << u"a\\b{c}"_s << QByteArray("{a\\\\b\\{c\\}}");
        QTest::newRow("Windows-1252") << u"é€—"_s << QByteArray("{\\'e9\\'80\\'97}");
        QTest::newRow("beyond Windows-1252") << u"Ω日"_s << QByteArray("{\\u937?\\u26085?}");
        QTest::newRow("beyond 16 bits") << u"😀"_s << QByteArray("{\\u-10179?\\u-8704?}");
        QTest::newRow("tab and line break") << u"a\tb\u2028c"_s << QByteArray("{a\\tab b\\line c}");
        QTest::newRow("space after a word") << u"\t x"_s << QByteArray("{\\tab  x}");
        QTest::newRow("special spaces") << u"\u00A0\u00AD\u2011"_s << QByteArray("{\\~\\-\\_}");
        QTest::newRow("control characters dropped") << u"a\u0001b"_s << QByteArray("{ab}");
    }

    void characters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, written);
        const QByteArray rtf = RtfWriter::write(document({paragraph({textRun(text)})}));
        const qsizetype start = rtf.indexOf("\\pard\\plain") + 11;
        QCOMPARE(rtf.mid(start, rtf.indexOf("\\par\r\n", start) - start), written);
    }

    void independentReaderFindsOurText_data()
    {
        QTest::addColumn<RichTextDocument>("written");
        QTest::addColumn<QStringList>("texts");

        // Files someone else wrote, as our reader reads them; the texts in order, split at "|".
        const auto asRead = [](const QString &file) { return RtfReader().read(readFixture(file)).value_or(RichTextDocument()); };
        QTest::newRow("every format") << everything()
                                      << u"Session 12|plain, italicunderstruck2nred on yellowmono|Rope|Silk rope|Torches|"
                                         "between lists|Open the gate|Name\tHP\tAC|Goblin|(leader)|Map:|"
                                         "see the rules or top or file"_s.split(u'|');
        QTest::newRow("LibreOffice") << asRead(u"libreoffice-sample.rtf"_s)
                                     << u"The party met Captain Vess at the harbour caf\u00E9.|The Velmora Chronicle|"
                                        "Name\tClass\tLevel\tGold|Borin\tFighter\t6\t85|Rope|Torches|Rations|"
                                        "Rules: the reference document|read it."_s.split(u'|');
        QTest::newRow("LibreOffice picture")
            << asRead(u"libreoffice-picture.rtf"_s) << u"Map of the crypt:|Open the gate|Light the braziers|Danger ahead"_s.split(u'|');
        QTest::newRow("pandoc") << asRead(u"pandoc-sample.rtf"_s) << QStringList({u"Captain Vess"_s, u"Aria"_s, u"Rogue"_s});
        QTest::newRow("WordPad") << asRead(u"wordpad-bullets.rtf"_s)
                                 << u"Supplies for the trip:|Rope|Price: 12|Caf\u00E9 line one|line two"_s.split(u'|');
        QTest::newRow("Word") << asRead(u"word-style.rtf"_s)
                              << u"Word sets bold italic, struck|Second step|Page 1 and back to top.|After the table."_s.split(u'|');
    }

    // Our reader and an independent one both find the same text in what we write (and ours the
    // same formats).
    void independentReaderFindsOurText()
    {
        QFETCH(RichTextDocument, written);
        QFETCH(QStringList, texts);
        const QByteArray ours = RtfWriter::write(written);
        QCOMPARE(RtfReader().read(ours), written);
        QVERIFY(containsInOrder(unrtfText(ours), texts));
    }

    void plainText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("back");

        QTest::newRow("empty") << QString() << 1 << QString();
        QTest::newRow("line ends") << u"a\r\nb\rc\nd"_s << 4 << u"a\nb\nc\nd"_s;
        QTest::newRow("empty lines") << u"\n\nx\n"_s << 4 << u"\n\nx\n"_s;
        QTest::newRow("tabs stay") << u"a\tb"_s << 1 << u"a\tb"_s;
    }

    void plainText()
    {
        QFETCH(QString, text);
        QFETCH(int, paragraphs);
        QFETCH(QString, back);
        const RichTextDocument document = RichTextDocument::fromPlainText(text);
        QCOMPARE(document.blocks.size(), paragraphs);
        QCOMPARE(document.toPlainText(), back);
        QCOMPARE(RtfReader().read(RtfWriter::write(document)), document);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestRtfWriter)
#include "TestRtfWriter.moc"
