#include "core/persistence/CampaignModel.h"
#include "gui/documents/ReferenceTools.h"
#include "gui/documents/frmListWebSite.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// The reference tools on a host of their own, a new campaign applied and both tabs built.
struct Program : FakeHost
{
    ReferenceTools tools { *this };
    CampaignModel model = CampaignModel::newCampaign();

    explicit Program(const std::function<void(CampaignModel &)> &change = {})
    {
        if (change)
            change(model);
        apply(tools, model);
        showTab(MainTab::Classes);
        showTab(MainTab::Resources);
        scripted.clearCalls();
    }

    QTreeView *list(int index) { return requireChild<QTreeView>(*this, u"lsvClass"_s, index); }
    void select(int index, int row) { list(index)->setCurrentIndex(list(index)->model()->index(row, 0)); }
    QStringList texts(int index)
    {
        QStringList all;
        for (int row = 0; row < list(index)->model()->rowCount(); ++row)
            all << list(index)->model()->index(row, 0).data().toString();
        return all;
    }
    QStringList messages()
    {
        QStringList lines;
        for (const ScriptedPlatform::Call &call : scripted.callsOf(ScriptedPlatform::Kind::Message))
            lines << call.summary();
        return lines;
    }
};

} // namespace

class TestReferenceTools : public QObject
{
    Q_OBJECT

private slots:
    void removeAsksForDefaultClassesOnly_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("count");
        const QString ask = u"message Default Class Removal: You are about to remove a default classes.\r\nProceed ?"_s;
        QTest::newRow("user class") << 11 << MessageAnswer::No << QStringList() << 11;
        QTest::newRow("Barbarian kept") << 0 << MessageAnswer::No << QStringList { ask } << 12;
        QTest::newRow("Barbarian removed") << 0 << MessageAnswer::Yes << QStringList { ask } << 11;
        QTest::newRow("nothing selected")
            << -1 << MessageAnswer::No << QStringList { u"message Item Selection: Select existing item."_s } << 12;
    }

    void removeAsksForDefaultClassesOnly()
    {
        QFETCH(int, row);
        QFETCH(MessageAnswer, answer);
        QFETCH(QStringList, messages);
        QFETCH(int, count);
        Program program([](CampaignModel &model) {
            model.classes << ClassEntry { false, u"C:\\Mine.rtf"_s, u"Mine"_s };
        });
        QCOMPARE(
            program.list(0)->model()->index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
        QVERIFY(!program.list(0)->model()->index(11, 0).data(Qt::ForegroundRole).isValid());
        program.select(0, row);
        program.scripted.answerMessage(answer);
        program.tools.mnuC_Click(0, ReferenceTools::Remove);
        QCOMPARE(program.messages(), messages);
        QCOMPARE(program.texts(0).size(), count);
        QCOMPARE(program.list(0)->selectionModel()->selectedRows().size(), count == 11 ? 0 : int(row >= 0));
        QCOMPARE(program.campaignSession().isModified(), count == 11);
    }

    void relocationPropagatesOverTheNetBooks()
    {
        Program program;
        const QString chosen = program.home.write(u"Books/Magic Item Creation.rtf"_s, "{\\rtf1 Wands}");
        program.scripted.answerMessage(MessageAnswer::Yes);
        program.scripted.answerFile(chosen);
        program.scripted.answerMessage(MessageAnswer::Yes);
        program.tools.lsvClass_Click(4, 2);
        QStringList locations;
        for (const ReferenceItem &item : program.tools.shelf().list(4).items())
            locations << item.location;
        QStringList expected;
        for (const Shortcut &book : Shortcut::defaultNetBooks())
            expected << u"\\Books\\"_s + book.name + u".rtf"_s;
        QCOMPARE(locations, expected);
        QCOMPARE(requireChild<QLabel>(program, u"lblDoc"_s)->text(), chosen);
        QCOMPARE(requireChild<QTextEdit>(program, u"rtbView"_s, 1)->toPlainText(), u"Wands"_s);
        QVERIFY(program.campaignSession().isModified());
        CampaignModel saved = program.model;
        program.collect(program.tools, saved);
        QCOMPARE(saved.netBooks.at(8).location, u"\\Books\\Random Names.rtf"_s);
    }

    void folderListSortedAndRemoveIgnored()
    {
        Program program([](CampaignModel &) {
            const QString home = qEnvironmentVariable("VELMORA_HOME");
            for (const char *name : { "b.rtf", "C.txt", "A.rtf" }) {
                QDir(home).mkpath(u"Library"_s);
                QFile file(home + u"/Library/"_s + QLatin1String(name));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        });
        QCOMPARE(program.texts(8), (QStringList { u"A.rtf"_s, u"b.rtf"_s, u"C.txt"_s }));
        program.select(8, 0);
        program.tools.mnuC_Click(8, ReferenceTools::Remove);
        QCOMPARE(program.texts(8).size(), 3);
        QVERIFY(program.messages().isEmpty());
        program.scripted.answerPrinter(program.home.file(u"list.pdf"_s));
        program.tools.mnuC_Click(8, ReferenceTools::Print);
        QCOMPARE(program.scripted.trace().filter(u"print"_s), QStringList { u"print-dialog Library"_s });
        QVERIFY(QFileInfo(program.home.file(u"list.pdf"_s)).size() > 0);
    }

    void pdfGoesToTheShellAndTextToTheViewer()
    {
        Program program;
        const QString pdf = program.home.write(u"Documents/Deep.PDF"_s, "%PDF");
        const QString txt = program.home.write(u"Documents/Notes.txt"_s, "Caves \xe9t\xe9");
        program.tools.applyCampaign([&] {
            CampaignModel model = program.model;
            model.netBooks = { { u"Deep"_s, u"\\Documents\\Deep.PDF"_s }, { u"Notes"_s, txt } };
            return model;
        }());
        program.tools.lsvClass_Click(4, 0);
        QCOMPARE(program.scripted.trace().filter(u"shell"_s), QStringList { u"shell "_s + pdf });
        program.tools.lsvClass_Click(4, 1);
        QCOMPARE(requireChild<QTextEdit>(program, u"rtbView"_s, 1)->toPlainText(), u"Caves \u00e9t\u00e9"_s);
        QCOMPARE(requireChild<QLabel>(program, u"lblDoc"_s)->text(), txt);
        QCOMPARE(program.scripted.trace().filter(u"shell"_s).size(), 1);
    }

    void addThroughTheShortcutDialog()
    {
        Program program;
        const QString file = program.home.write(u"Documents/Keep.v2.rtf"_s, "{\\rtf1 x}");
        program.scripted.answerFile(file);
        QStringList labels;
        program.scripted.answerDialog([&labels](QDialog &dialog) {
            auto &form = static_cast<frmListWebSite &>(dialog);
            labels << requireChild<QLabel>(form, u"lblName"_s)->text()
                   << requireChild<QLabel>(form, u"lblURL"_s)->text();
            requireChild<QAbstractButton>(form, u"cmdGet"_s)->click();
            requireChild<QAbstractButton>(form, u"cmdOK"_s)->click();
            return dialog.result();
        });
        program.tools.mnuC_Click(2, ReferenceTools::Add);
        QCOMPARE(labels, (QStringList { u"Shortcut name"_s, u"Document localisation: file name."_s }));
        const FileDialogRequest get = program.scripted.callsOf(ScriptedPlatform::Kind::OpenFile).at(0).request;
        QCOMPARE(get.title, u"Select A File To Create A Shortcut To"_s);
        QCOMPARE(get.filter,
            u"Any file (*.*)|*.*|Ascii text (*.txt)|*.txt|Word document (*.doc)|*.doc|RichText file (*.rtf)|*.rtf"_s);
        QCOMPARE(program.tools.shelf().list(2).items(),
            (QList<ReferenceItem> { { u"Keep.v2"_s, u"\\Documents\\Keep.v2.rtf"_s, {}, false } }));
        QCOMPARE(program.texts(2), QStringList { u"Keep.v2"_s });
        QVERIFY(program.campaignSession().isModified());
    }

    void webSiteModeHasNoGet()
    {
        TestHome home;
        ScriptedPlatform platform;
        frmListWebSite form(platform, home.folder());
        form.init(5, u"SRD"_s, u"https://www.d20srd.org/"_s);
        QCOMPARE(requireChild<QLabel>(form, u"lblName"_s)->text(), u"Shortcut name: enter short name for site."_s);
        QCOMPARE(requireChild<QLabel>(form, u"lblURL"_s)->text(), u"Document localisation: paste URL here."_s);
        QVERIFY(requireChild<QAbstractButton>(form, u"cmdGet"_s)->isHidden());
        requireChild<QLineEdit>(form, u"txtURL_name"_s)->clear();
        QTest::keyClicks(requireChild<QLineEdit>(form, u"txtURL_name"_s), u"d20;SRD"_s);
        QCOMPARE(form.URL_name(), u"d20SRD"_s);
        QCOMPARE(form.URL(), u"https://www.d20srd.org/"_s);
    }
};

QTEST_MAIN(TestReferenceTools)
#include "TestReferenceTools.moc"
