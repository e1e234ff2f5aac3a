#include "gui/documents/RichTextToolBar.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTextList>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestRichTextToolBar : public QObject
{
    Q_OBJECT

    static QStringList enabledKeys(const RichTextToolBar &bar)
    {
        QStringList keys;
        for (const QString &key : RichTextToolBar::keys()) {
            if (bar.button(key)->isEnabled())
                keys << key;
        }
        return keys;
    }

private slots:
    void stateFollowsModifiedAndText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QStringList>("enabled");
        const QStringList formatting{u"Fonts"_s, u"Bold"_s, u"Italic"_s, u"Underline"_s, u"bullet"_s,
                                     u"align left"_s, u"center"_s, u"align right"_s};
        QTest::newRow("empty, saved") << QString() << false << QStringList{u"Open"_s, u"SaveAs"_s};
        QTest::newRow("empty, modified") << QString() << true << QStringList{u"Open"_s, u"Save"_s, u"SaveAs"_s};
        QTest::newRow("text, saved") << u"Notes"_s << false << (QStringList{u"Open"_s, u"SaveAs"_s} + formatting);
        QTest::newRow("text, modified") << u"Notes"_s << true << (QStringList{u"Open"_s, u"Save"_s, u"SaveAs"_s} + formatting);
    }

    void stateFollowsModifiedAndText()
    {
        QFETCH(QString, text);
        QFETCH(bool, modified);
        QFETCH(QStringList, enabled);
        ScriptedPlatform platform;
        RichTextToolBar bar(platform);
        QTextEdit editor;
        editor.setPlainText(text);
        bar.bindEditor(&editor);
        bar.refreshState(modified);
        QCOMPARE(enabledKeys(bar), enabled);
    }

    void formattingActsOnTheSelectionThenReports()
    {
        ScriptedPlatform platform;
        RichTextToolBar bar(platform);
        QTextEdit editor;
        editor.setPlainText(u"One\nTwo"_s);
        editor.selectAll();
        bar.bindEditor(&editor);
        bar.refreshState(false);
        QSignalSpy pressed(&bar, &RichTextToolBar::buttonClick);

        const auto press = [&](const QString &key) { bar.button(key)->trigger(); };
        press(u"Bold"_s);
        QCOMPARE(editor.textCursor().charFormat().fontWeight(), int(QFont::Bold));
        press(u"Bold"_s);
        QCOMPARE(editor.textCursor().charFormat().fontWeight(), int(QFont::Normal));
        press(u"Italic"_s);
        press(u"Underline"_s);
        QVERIFY(editor.textCursor().charFormat().fontItalic());
        QVERIFY(editor.textCursor().charFormat().fontUnderline());
        press(u"bullet"_s);
        QCOMPARE(editor.document()->lastBlock().textList()->count(), 2);
        press(u"bullet"_s);
        QVERIFY(!editor.document()->firstBlock().textList());
        QCOMPARE(editor.document()->firstBlock().blockFormat().indent(), 0);
        press(u"center"_s);
        QCOMPARE(editor.document()->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
        bar.refreshState(true);
        press(u"Save"_s); // carried out by the owner
        QCOMPARE(editor.toPlainText(), u"One\nTwo"_s);

        QStringList keys;
        for (const QList<QVariant> &signal : pressed)
            keys << signal.at(0).toString();
        QCOMPARE(keys, (QStringList{u"Bold"_s, u"Bold"_s, u"Italic"_s, u"Underline"_s, u"bullet"_s, u"bullet"_s,
                                    u"center"_s, u"Save"_s}));
    }

    void fontsSetTheEditorsOwnFont()
    {
        ScriptedPlatform platform;
        RichTextToolBar bar(platform);
        QTextEdit editor;
        editor.setPlainText(u"Text"_s);
        bar.bindEditor(&editor);
        bar.refreshState(false);
        QFont chosen(u"DejaVu Serif"_s, 15);
        chosen.setItalic(true);
        platform.answerFont(chosen);
        platform.answerFont(std::nullopt);

        bar.button(u"Fonts"_s)->trigger();
        QCOMPARE(editor.font().family(), u"DejaVu Serif"_s);
        QCOMPARE(editor.font().pointSize(), 15);
        QVERIFY(editor.font().italic());
        QVERIFY(!editor.textCursor().charFormat().hasProperty(QTextFormat::FontFamilies));
        bar.button(u"Fonts"_s)->trigger(); // cancelled: nothing changes
        QCOMPARE(editor.font().family(), u"DejaVu Serif"_s);
        QCOMPARE(platform.trace(), (QStringList{u"font-dialog Fonts"_s, u"font-dialog Fonts"_s}));
    }
};

QTEST_MAIN(TestRichTextToolBar)
#include "TestRichTextToolBar.moc"
