#include "core/documents/RtfReader.h"
#include "gui/documents/DocumentViewer.h"

#include "support/TestHome.h"
#include "support/gui/GuiHarness.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestDocumentViewer : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        TestHome home;
        ScriptedPlatform platform;
        DocumentViewer viewer { platform, ViewerEditing::Place::Above, u"lblDoc"_s };
        QCheckBox *edit = requireChild<QCheckBox>(viewer, u"chkEdit"_s);

        QString write(const QString &name, const QByteArray &bytes) { return home.write(name, bytes); }
        void typeOver(const QString &text)
        {
            edit->click();
            viewer.view()->selectAll();
            QTest::keyClicks(viewer.view(), text);
            edit->click();
        }
    };

private slots:
    void searchBoxFollowsTheTextAndCycles()
    {
        Fixture f;
        QWidget &search = *requireChild<QWidget>(f.viewer, u"ucSearch"_s);
        auto *field = requireChild<QLineEdit>(search, u"txtSearch"_s);
        auto *find = requireChild<QPushButton>(search, u"cmdFind"_s);
        QVERIFY(!field->isEnabled());
        QVERIFY(f.viewer.loadFile(f.write(u"a.txt"_s, "The orc and the ORC\r\nOrcish")));
        QVERIFY(field->isEnabled());
        QVERIFY(!find->isEnabled());
        field->setText(u"orc"_s);
        requireChild<QCheckBox>(search, u"chkWholeWord"_s)->setChecked(true);
        QStringList seen;
        for (int press = 0; press < 3; ++press) {
            find->click();
            seen << f.viewer.view()->textCursor().selectedText() + u'@'
                    + QString::number(f.viewer.view()->textCursor().selectionStart()) + u' ' + find->text();
        }
        QCOMPARE(seen, (QStringList { u"orc@4 &Find Next"_s, u"ORC@16 &Find Next"_s, u"ORC@16 &Find"_s }));
        QCOMPARE(f.platform.trace(), QStringList { u"message Velmora: Text not found"_s });
        find->click();
        field->setText(u"orcs"_s);
        QCOMPARE(find->text(), u"&Find"_s);
        f.viewer.view()->clear();
        QVERIFY(!field->isEnabled() && !find->isEnabled());
    }

    void editBox()
    {
        Fixture f;
        f.edit->click();
        QVERIFY(!f.edit->isChecked()); // no file: nothing to edit
        const QString file = f.write(u"Doc.rtf"_s, "{\\rtf1 Old text\\par}");
        QVERIFY(f.viewer.loadFile(file));
        QCOMPARE(f.edit->toolTip(), u"Click this to edit the text displayed in the above window."_s);
        f.edit->click();
        QVERIFY(!f.viewer.view()->isReadOnly());
        QCOMPARE(f.edit->toolTip(), u"Click this to finish editing the text displayed in the above window."_s);
        QVERIFY(f.edit->palette().color(QPalette::WindowText) != QPalette().color(QPalette::WindowText));
        f.edit->click();
        QVERIFY(f.viewer.view()->isReadOnly());
        QVERIFY(f.platform.calls().isEmpty()); // unchanged: no question
        DocumentViewer below(f.platform, ViewerEditing::Place::Below, u"lblClassFile"_s);
        QCOMPARE(requireChild<QCheckBox>(below, u"chkEdit"_s)->toolTip(),
            u"Click this to edit the text displayed in the window below."_s);
    }

    void finishingAnEditAsks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("saved"); // else the file keeps its bytes
        QTest::newRow("Yes saves as RTF") << u"Doc.rtf"_s << int(MessageAnswer::Yes) << true << u"New"_s << true;
        QTest::newRow("No reloads") << u"Doc.rtf"_s << int(MessageAnswer::No) << true << u"Old text"_s << false;
        QTest::newRow("a text file is saved as RTF too")
            << u"Doc.txt"_s << int(MessageAnswer::Yes) << true << u"New"_s << true;
        QTest::newRow("pdf: never asks") << u"Doc.PDF"_s << int(MessageAnswer::Yes) << false << u"New"_s << false;
    }

    void finishingAnEditAsks()
    {
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, shown);
        QFETCH(bool, saved);
        Fixture f;
        const bool pdf = name.endsWith(u"PDF"_s);
        if (pdf) // a pdf is kept, not shown: the viewer goes on with the text it had
            QVERIFY(f.viewer.loadFile(f.write(u"Shown.txt"_s, "Old text")));
        const QByteArray original = pdf ? "%PDF" : name.endsWith(u"txt"_s) ? "Old text" : "{\\rtf1 Old text\\par}";
        const QString file = f.write(name, original);
        QFile::setPermissions(file, QFile::ReadOwner); // saving clears the read-only attribute
        QVERIFY(f.viewer.loadFile(file));
        f.platform.answerMessage(MessageAnswer(answer));
        f.typeOver(u"New"_s);
        QCOMPARE(f.platform.trace(),
            asked ? QStringList { u"message Save Data: This file has been modified.\r\nSave those changes ?"_s }
                  : QStringList());
        QCOMPARE(f.viewer.view()->toPlainText(), shown);
        const QByteArray bytes = f.home.read(name);
        if (saved)
            QCOMPARE(RtfReader().read(bytes)->toPlainText(), u"New"_s);
        else
            QCOMPARE(bytes, original);
        QCOMPARE(f.viewer.isModified(), pdf);
    }
};

QTEST_MAIN(TestDocumentViewer)
#include "TestDocumentViewer.moc"
