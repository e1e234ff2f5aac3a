#include "core/archive/ArchiveBuildPlan.h"
#include "core/archive/ArchiveExtractFlow.h"
#include "core/archive/clsZip_UnZip.h"
#include "core/archive/clsZip_Zip.h"
#include "gui/archive/ArchiveTools.h"
#include "gui/archive/frmArchiveBuild.h"
#include "gui/archive/frmArchiveExtract.h"

#include "TestConfig.h"
#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStatusBar>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

QString status(QWidget &form) { return requireChild<QStatusBar>(form, u"stbStatus"_s)->currentMessage(); }

QCheckBox *box(QWidget &form, const QString &name) { return requireChild<QCheckBox>(form, name); }

template <typename Form> bool finish(Form &form)
{
    return QTest::qWaitFor([&] { return !form.isWorking(); }, 30000);
}

// The build window over a campaign saved at Campaigns/c.vlf of `home`.
struct BuildWindow
{
    explicit BuildWindow(TestHome &home, const QByteArray &campaignBytes = "campaign")
        : campaign(home.write(u"Campaigns/c.vlf"_s, campaignBytes))
        , archive(home.file(u"out.zip"_s))
        , form(platform, home.folder(), CampaignModel::newCampaign(), campaign, platform.userName())
    {
    }
    void build()
    {
        requireChild<QLineEdit>(form, u"txtArchiveName"_s)->setText(archive);
        requireChild<QPushButton>(form, u"cmbArchive"_s, 1)->click();
    }

    ScriptedPlatform platform;
    QString campaign;
    QString archive;
    frmArchiveBuild form;
};

} // namespace

class TestArchiveWindows : public QObject
{
    Q_OBJECT

private slots:
    // The Tools menu opens the build window on the campaign being prepared, only the campaign
    // file chosen, Build waiting for a name.
    void buildWindowOpens()
    {
        FakeHost host;
        ArchiveTools tools(host);
        host.campaignSession().setPath(u"/c/x.vlf"_s);
        QString title, shown, checked;
        bool buildEnabled = true;
        host.scripted.answerDialog([&](QDialog &dialog) {
            title = dialog.windowTitle();
            shown = status(dialog);
            for (QCheckBox *check : dialog.findChildren<QCheckBox *>())
                checked += check->isChecked() ? check->objectName() : QString();
            buildEnabled = requireChild<QPushButton>(dialog, u"cmbArchive"_s, 1)->isEnabled();
            return 0;
        });
        host.findChild<QAction *>(u"mnuToolsArchiveBuild"_s)->trigger();
        QCOMPARE(title, u"Build ZIP Archive"_s);
        QCOMPARE(shown, u"\"/c/x.vlf\" being prepared for archiving."_s);
        QCOMPARE(checked, u"chkVLF"_s);
        QVERIFY(!buildEnabled);
        QCOMPARE(host.scripted.unusedAnswers(), 0);
        QVERIFY(host.findChild<QAction *>(u"mnuToolsArchiveExtract"_s));
    }

    // A group forces and greys its members; cleared, each comes back as the user left it, also
    // through a group inside a group.
    void groupsForceAndRestore()
    {
        TestHome home;
        BuildWindow window(home);
        box(window.form, u"chkClasses_Prest"_s)->click();
        for (const QString &group : { u"chkClasses_Top"_s, u"chkDocuments"_s }) {
            box(window.form, group)->click();
            for (const QString &member : { u"chkClasses_Std"_s, u"chkClasses_Prest"_s }) {
                QVERIFY(box(window.form, member)->isChecked());
                QVERIFY(!box(window.form, member)->isEnabled());
            }
            box(window.form, group)->click();
            QVERIFY(!box(window.form, u"chkClasses_Std"_s)->isChecked());
            QVERIFY(box(window.form, u"chkClasses_Prest"_s)->isChecked());
            QVERIFY(box(window.form, u"chkClasses_Std"_s)->isEnabled());
        }
    }

    // Only the campaign file: one entry named relative to the application folder, the preset
    // comment replaced and signed with the user name.
    void buildsTheCampaignFile()
    {
        TestHome home;
        BuildWindow window(home);
        window.build();
        QVERIFY(finish(window.form));
        QCOMPARE(status(window.form), u"\""_s + window.archive + u"\" created: 1 files."_s);
        QCOMPARE(requireChild<QProgressBar>(window.form, u"prgWork"_s)->value(), 100);
        clsZip_UnZip unzip;
        QVERIFY(unzip.ZipOpen(window.archive));
        QCOMPARE(unzip.FileList(), QStringList { u"Campaigns/c.vlf"_s });
        QCOMPARE(unzip.ZipComment(), u"Velmora campaign archive.\r\ngamemaster"_s);
    }

    void nothingToAdd()
    {
        TestHome home;
        BuildWindow window(home);
        box(window.form, u"chkVLF"_s)->click();
        window.build();
        QVERIFY(finish(window.form));
        QCOMPARE(status(window.form), u"There were no files to add to archive."_s);
        QVERIFY(!QFile::exists(window.archive));
    }

    // Cancel while the archive is written: no archive and no temporary file.
    void cancelLeavesNoArchive()
    {
        TestHome home;
        QByteArray noise(24 << 20, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        BuildWindow window(home, noise);
        window.build();
        requireChild<QPushButton>(window.form, u"cmdCancel"_s)->click();
        QVERIFY(finish(window.form));
        QCOMPARE(status(window.form), ArchiveBuildPlan::stoppedText());
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList());
    }

    // An archive of one file: both one-file messages, the file below the target.
    void extractsOneFile()
    {
        TestHome home;
        clsZip_Zip zip(home.folder());
        zip.FileAdd(home.write(u"in/a.txt"_s, "a"));
        QVERIFY(zip.WriteZip(home.file(u"one.zip"_s), true));
        QDir(home.path()).mkdir(u"target"_s);
        ScriptedPlatform platform;
        frmArchiveExtract form(platform);
        QCOMPARE(status(form), u"Select the archive to be extracted."_s);
        platform.answerFile(home.file(u"one.zip"_s));
        requireChild<QPushButton>(form, u"cmdArchive"_s)->click();
        QCOMPARE(status(form), u"Select the target directory for archive extraction."_s);
        platform.answerFile(home.file(u"target/*.*"_s));
        requireChild<QPushButton>(form, u"cmdTarget"_s)->click();
        QCOMPARE(status(form), u"Click 'Extract' to open archive"_s);
        QSignalSpy messages(requireChild<QStatusBar>(form, u"stbStatus"_s), &QStatusBar::messageChanged);
        requireChild<QPushButton>(form, u"cmdExtract"_s)->click();
        QVERIFY(finish(form));
        QTRY_COMPARE(messages.size(), 2);
        QCOMPARE(messages[0][0].toString(), u"Only 1 file in this archive."_s);
        QCOMPARE(messages[1][0].toString(), u"Only 1 file extracted from this archive."_s);
        QVERIFY(QFile::exists(home.file(u"target/a.txt"_s)));
        QCOMPARE(requireChild<QProgressBar>(form, u"prgWork"_s)->value(), 100);
        QCOMPARE(platform.calls()[0].request.filter, u"Zip file (*.zip)|*.zip"_s);
    }

    // An extraction that does not run to its end says why: Cancel (no partial file left) or a
    // limit against archive bombs.
    void extractionCutShort_data()
    {
        QTest::addColumn<QString>("archive"); // "" for 24 MiB of zeros, cancelled
        QTest::addColumn<QString>("said");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("cancelled") << QString() << u"Extraction cancelled; files extracted until then: 0."_s
                                   << QStringList();
        QTest::newRow("overlapping entries")
            << QStringLiteral(VELMORA_TEST_DATA_DIR "/zip/overlap.zip")
            << u"Files sharing their packed bytes with other files were refused, as archive bombs do; files "
               u"extracted: 1."_s
            << QStringList { u"b.txt"_s };
    }

    void extractionCutShort()
    {
        QFETCH(QString, archive);
        QFETCH(QString, said);
        QFETCH(QStringList, files);
        TestHome home;
        const bool cancel = archive.isEmpty();
        if (cancel) {
            clsZip_Zip zip(home.folder());
            zip.FileAdd(home.write(u"in/zeros.bin"_s, QByteArray(24 << 20, '\0')));
            archive = home.file(u"big.zip"_s);
            QVERIFY(zip.WriteZip(archive, true));
        }
        QDir(home.path()).mkdir(u"target"_s);
        ScriptedPlatform platform;
        frmArchiveExtract form(platform);
        platform.answerFile(archive);
        requireChild<QPushButton>(form, u"cmdArchive"_s)->click();
        platform.answerFile(home.file(u"target/*.*"_s));
        requireChild<QPushButton>(form, u"cmdTarget"_s)->click();
        requireChild<QPushButton>(form, u"cmdExtract"_s)->click();
        if (cancel)
            requireChild<QPushButton>(form, u"cmdCancel"_s)->click();
        QVERIFY(finish(form));
        QTRY_COMPARE(status(form), said);
        QCOMPARE(QDir(home.file(u"target"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);
    }
};

QTEST_MAIN(TestArchiveWindows)
#include "TestArchiveWindows.moc"
