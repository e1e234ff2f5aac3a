#include "core/documents/RtfReader.h"
#include "gui/calendar/AgendaReportWindow.h"
#include "support/gui/GuiHarness.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

QList<AgendaReport::Line> collated(AgendaReport::Kind kind)
{
    const QList<DatedLine> entries{{u"2007:1:2"_s, u"Buy rope"_s}, {u"2007:3:4"_s, u"two\r\nlines"_s}};
    return AgendaReport::Collate(kind, entries, {u"January"_s, u"February"_s, u"March"_s}, u"Greyhawk.vlf"_s,
                                 u"2008/January/5"_s);
}
const QString Rule(71, u'=');

QString reportText(const QString &title)
{
    return QStringList{Rule, u"Campaign file: Greyhawk.vlf;   2008/January/5"_s, title, Rule, QString(),
                       u"2007:January:2"_s, u"     Buy rope"_s, QString(), u"2007:March:4"_s, u"     two"_s,
                       u"     lines"_s, QString(), Rule}
        .join(u'\n');
}

struct Window
{
    ScriptedPlatform platform;
    AgendaReportWindow window;

    explicit Window(AgendaReport::Kind kind = AgendaReport::Kind::Agenda)
        : window(platform, kind, collated(kind))
    {
    }
    QTextEdit *report() { return requireChild<QTextEdit>(window, u"rtbReport"_s); }
    void click(const QString &name) { requireChild<QPushButton>(window, name)->click(); }
};

} // namespace

class TestAgendaReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void report_data()
    {
        QTest::addColumn<AgendaReport::Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("agenda") << AgendaReport::Kind::Agenda << u"Agenda ToDo List"_s;
        QTest::newRow("almanach") << AgendaReport::Kind::Almanach << u"Almanach Event List"_s;
    }

    void report()
    {
        QFETCH(AgendaReport::Kind, kind);
        QFETCH(QString, title);

        Window w(kind);
        QCOMPARE(w.window.windowTitle(), title);
        QVERIFY(w.report()->isReadOnly());
        QCOMPARE(w.report()->toPlainText(), reportText(title));
        // The title and the dates are bold, everything else is not.
        QStringList bold;
        for (QTextBlock block = w.report()->document()->begin(); block.isValid(); block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                if (fragment.fragment().charFormat().fontWeight() >= QFont::Bold)
                    bold << fragment.fragment().text();
        QCOMPARE(bold, (QStringList{title, u"2007:January:2"_s, u"2007:March:4"_s}));
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("name"); // "" cancels the dialog
        QTest::addColumn<bool>("written");

        QTest::newRow("saved") << u"report.rtf"_s << true;
        QTest::newRow("cancelled") << QString() << false;
        QTest::newRow("folder missing") << u"no/such/folder/report.rtf"_s << false;
    }

    void saveAs()
    {
        QFETCH(QString, name);
        QFETCH(bool, written);

        TestHome home;
        const QString path = name.isEmpty() ? QString() : home.file(name);
        Window w(AgendaReport::Kind::Almanach);
        w.platform.answerFile(path);
        w.click(u"cmdSaveAs"_s);

        const QList<ScriptedPlatform::Call> dialogs = w.platform.callsOf(ScriptedPlatform::Kind::SaveFile);
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs.at(0).request.title, u"Save Almanach Event List as RichTextFile"_s);
        QCOMPARE(dialogs.at(0).request.filter, u"Rich Text File (*.rtf)|*.rtf"_s);
        QVERIFY(dialogs.at(0).request.overwritePrompt);

        const QStringList messages = w.platform.trace().mid(1);
        if (written) {
            const std::optional<RichTextDocument> saved = RtfReader().read(home.read(name));
            QVERIFY(saved);
            QCOMPARE(saved->toPlainText(), reportText(u"Almanach Event List"_s));
            QCOMPARE(saved->defaultFontFamily, u"Courier New"_s);
        }
        if (written || path.isEmpty()) {
            QCOMPARE(messages, QStringList());
        } else {
            // The file, then the reason.
            QCOMPARE(messages.size(), 1);
            const QString failed = u"message Velmora: \""_s + path + u"\" could not be saved.\r\n"_s;
            QVERIFY2(messages.at(0).startsWith(failed) && messages.at(0).size() > failed.size(), qPrintable(messages.at(0)));
            QCOMPARE(w.platform.calls().last().icon, MessageIcon::Exclamation);
        }
        QCOMPARE(QFile::exists(path), written);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), written ? 1 : 0);
    }

    void print_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }

    void print()
    {
        QFETCH(bool, chosen);

        TestHome home;
        const QString pdf = home.file(u"report.pdf"_s);
        Window w;
        w.platform.answerPrinter(chosen ? pdf : QString());
        w.click(u"cmdPrint"_s);
        QCOMPARE(w.platform.trace(), QStringList{u"print-dialog Agenda ToDo List"_s});
        QCOMPARE(home.read(u"report.pdf"_s).startsWith("%PDF"), chosen);
        QCOMPARE(QFile::exists(pdf), chosen);
    }
};

QTEST_MAIN(TestAgendaReportWindow)
#include "TestAgendaReportWindow.moc"
