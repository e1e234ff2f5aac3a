#include "core/crypto/ProtectedCampaign.h"
#include "core/crypto/VlkFile.h"
#include "core/crypto/modTextEncryptDecrypt.h"
#include "gui/app/CampaignOpening.h"
#include "gui/archive/EncryptedCampaign.h"
#include "gui/archive/EncryptionCommands.h"
#include "gui/archive/frmDecrypt.h"
#include "gui/archive/frmVlkPassword.h"

#include "TestConfig.h"
#include "support/gui/GuiHarness.h"
#include "support/gui/RunningProgram.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

// A 3.0 campaign as the old program wrote it: one value per line.
QByteArray oldCampaign()
{
    QFile file(QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/crypto/old-campaign.vls"_s);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The scripted platform types `password` into our dialog and presses OK.
std::function<int(QDialog &)> typePassword(const QString &password)
{
    return [password](QDialog &dialog) {
        requireChild<QLineEdit>(dialog, u"txtPassword"_s)->setText(password);
        requireChild<QPushButton>(dialog, u"cmdOK"_s)->click();
        return dialog.result();
    };
}

struct Program : RunningProgram
{
    // A ".vle" of the 3.0 fixture under the key of the user "gamemaster" and `password`.
    QString enciphered(const QString &password)
    {
        const QString vls = home.write(u"Campaigns/Old.vls"_s, oldCampaign());
        return *modTextEncryptDecrypt::EncryptFile(
            vls, modTextEncryptDecrypt::KeyFromCredentials(u"gamemaster"_s, password));
    }
    void open(const QString &path)
    {
        platform.answerFile(path);
        form.campaign().OpenCampaign(false);
    }
};

} // namespace

class TestEncryption : public QObject
{
    Q_OBJECT

private slots:
    void decryptWindowAndCommand()
    {
        Program program;
        const QString vle = program.enciphered(u"secret"_s);
        QString userName, title, warning;
        bool okWithoutPassword = true;
        program.platform.answerFile(vle);
        program.platform.answerDialog([&](QDialog &dialog) {
            userName = requireChild<QLineEdit>(dialog, u"txtUserName"_s)->text();
            okWithoutPassword = requireChild<QPushButton>(dialog, u"cmdOK"_s)->isEnabled();
            title = dialog.windowTitle();
            warning = requireChild<QLabel>(dialog, u"lblWarning"_s)->text();
            return typePassword(u"wrong"_s)(dialog);
        });
        program.platform.answerMessage(MessageAnswer::Ok); // enter new credentials
        program.platform.answerDialog(typePassword(u"secret"_s));
        requireChild<QAction>(program.form, u"mnuToolsDecrypt"_s)->trigger();

        QCOMPARE(userName, u"gamemaster"_s);
        QCOMPARE(title, u"Encrypted File"_s);
        QCOMPARE(warning, frmDecrypt::warningText());
        QVERIFY(!okWithoutPassword);
        QCOMPARE(program.platform.trace(),
            (QStringList { u"open-dialog Decrypt a Velmora file"_s, u"dialog frmDecrypt"_s, u"sound Click.wav"_s,
                u"message VL File Decryption: "_s + EncryptionCommands::retryText(), u"dialog frmDecrypt"_s,
                u"sound Click.wav"_s }));
        QCOMPARE(program.platform.calls().at(3).buttons, MessageButtons::OkCancel);
        QCOMPARE(program.home.read(u"Campaigns/Old.vls"_s), oldCampaign());
        QVERIFY(!QFile::exists(vle));
    }

    void lifecycleOpensAVle()
    {
        Program program;
        const QString vle = program.enciphered(u"secret"_s);
        const QByteArray cipher = program.home.read(u"Campaigns/Old.vle"_s);

        // Wrong credentials: the message, the file as it was, the campaign unchanged.
        program.platform.answerDialog(typePassword(u"wrong"_s));
        program.open(vle);
        QCOMPARE(program.platform.trace().mid(2),
            (QStringList { u"message Updating to New Version: "_s + CampaignOpening::decryptText(),
                u"dialog frmDecrypt"_s, u"sound Click.wav"_s,
                u"message Decryption Error: "_s + CampaignOpening::decryptionErrorText() }));
        QCOMPARE(program.home.read(u"Campaigns/Old.vle"_s), cipher);
        QVERIFY(program.form.campaignSession().isUnnamed());

        program.platform.answerDialog(typePassword(u"secret"_s));
        program.open(vle);
        const QString vls = program.home.file(u"Campaigns/Old.vls"_s);
        QCOMPARE(program.form.campaignSession().path(), vls);
        QVERIFY(!QFile::exists(vle));

        // Another campaign replaces it: enciphered again with the same key, on request.
        program.platform.clearCalls();
        program.platform.answerMessage(MessageAnswer::Yes);
        program.form.campaign().mnuFileNew_Click();
        QCOMPARE(program.platform.trace(),
            QStringList { u"message Velmora Encryption: "_s + EncryptedCampaign::reEncryptText() });
        QCOMPARE(program.home.read(u"Campaigns/Old.vle"_s), cipher);
        QVERIFY(!QFile::exists(vls));
    }

    void lifecycleOpensAndSavesAVlk()
    {
        Program program;
        const QString vlk = program.home.file(u"Campaigns/Locked.vlk"_s);
        {
            Campaign other(program.home.folder());
            other.model.town.townName = u"Hommlet"_s;
            QVERIFY(ProtectedCampaign::save(other, vlk, false, *VlkFile::newKey("pw", VlkLimits::smallest())));
        }
        const QByteArray first = program.home.read(u"Campaigns/Locked.vlk"_s);

        // From the recent files, as at start-up: by its kind, behind its password.
        program.platform.answerDialog(typePassword(u"pW"_s));
        program.platform.answerDialog(typePassword(u"pw"_s));
        program.form.campaign().OpenRecentFile(vlk);
        QCOMPARE(program.platform.trace(),
            (QStringList { u"dialog frmVlkPassword"_s, u"message Velmora: "_s + VlkFile::wrongPasswordText(),
                u"dialog frmVlkPassword"_s, u"sound Intro.WAV"_s }));
        QCOMPARE(program.form.campaignSession().path(), vlk);
        QCOMPARE(program.campaign.model.town.townName, u"Hommlet"_s);

        // Saved in place without a question, under a fresh nonce.
        program.platform.clearCalls();
        // The town's name is the Town Generator's: typed into its field, it goes into the save.
        program.form.showTab(MainTab::Tools);
        requireChild<QLineEdit>(program.form, u"TownNameText"_s)->setText(u"Nulb"_s);
        program.form.campaignSession().markModified();
        program.form.campaign().mnuFileSave_Click();
        QCOMPARE(program.platform.trace(), QStringList { u"sound Save.WAV"_s });
        const QByteArray second = program.home.read(u"Campaigns/Locked.vlk"_s);
        QVERIFY(second.mid(34, 24) != first.mid(34, 24));
        Campaign check(program.home.folder());
        LoadOutcome outcome;
        QVERIFY(ProtectedCampaign::load(check, vlk, "pw", outcome));
        QCOMPARE(check.model.town.townName, u"Nulb"_s);
    }

    // Save As under a ".vlk" name protects the open campaign with a new password typed twice;
    // from then on it is that ".vlk": the autosave enciphers it again without asking.
    void saveAsProtectsTheCampaign()
    {
        Program program;
        const QString vlk = program.home.file(u"Campaigns/Locked.vlk"_s);
        program.platform.answerFile(vlk); // the password dialog cancelled: nothing written
        program.form.campaign().SaveCampaignAs();
        QVERIFY(!QFile::exists(vlk) && program.form.campaignSession().isUnnamed());

        QStringList problems;
        program.platform.answerFile(vlk);
        program.platform.answerDialog([&](QDialog &dialog) {
            QLineEdit *confirm = requireChild<QLineEdit>(dialog, u"txtConfirm"_s);
            const auto ok = [&] {
                requireChild<QPushButton>(dialog, u"cmdOK"_s)->click();
                problems << static_cast<frmVlkPassword &>(dialog).problem();
            };
            ok();
            requireChild<QLineEdit>(dialog, u"txtPassword"_s)->setText(u"pw"_s);
            confirm->setText(u"pW"_s);
            ok();
            confirm->setText(u"pw"_s);
            ok();
            return dialog.result();
        });
        program.form.campaign().SaveCampaignAs();
        QCOMPARE(problems, (QStringList { frmVlkPassword::emptyText(), frmVlkPassword::mismatchText(), QString() }));
        QCOMPARE(program.platform.trace().mid(2),
            (QStringList { u"save-dialog Save Under New Name"_s, u"dialog frmVlkPassword"_s }));
        QCOMPARE(program.form.campaignSession().path(), vlk);
        QCOMPARE(program.form.sessionSettings().recentFiles().value(0), vlk);

        const QByteArray first = program.home.read(u"Campaigns/Locked.vlk"_s);
        program.platform.clearCalls();
        program.form.state().autosaveIntervalMinutes = 1;
        program.form.campaignSession().markModified();
        program.form.campaign().tmrAutoSave_Timer();
        QCOMPARE(program.platform.trace(), QStringList());
        QVERIFY(program.home.read(u"Campaigns/Locked.vlk"_s).mid(34, 24) != first.mid(34, 24)); // a fresh nonce
        Campaign check(program.home.folder());
        LoadOutcome outcome;
        QVERIFY(ProtectedCampaign::load(check, vlk, "pw", outcome));
        QVERIFY(outcome.readable);
    }
};

QTEST_MAIN(TestEncryption)
#include "TestEncryption.moc"
