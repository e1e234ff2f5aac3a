#include "core/crypto/ProtectedCampaign.h"
#include "core/crypto/VlkFile.h"

#include "support/TestHome.h"

#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestVlkFile : public QObject
{
    Q_OBJECT

    static VlkKey smallKey(QByteArrayView password)
    {
        Result<VlkKey> key = VlkFile::newKey(password, VlkLimits::smallest());
        Q_ASSERT(key);
        return std::move(key.value());
    }

private slots:
    void sealedBytesOpenWithTheirPasswordOnly()
    {
        const VlkKey key = smallKey("correct horse");
        const QByteArray plain = "VLF campaign bytes\r\n"_ba;
        const QByteArray first = VlkFile::seal(plain, key);
        const QByteArray second = VlkFile::seal(plain, key);
        QCOMPARE(first.left(4), "VLK1"_ba);
        QCOMPARE(first.size(), VlkHeader::Size + plain.size() + 16);
        QVERIFY(first.mid(34, 24) != second.mid(34, 24)); // a fresh nonce on every writing
        for (const QByteArray &file : { first, second }) {
            const Result<VlkFile::Opened> opened = VlkFile::open(file, "correct horse", u"x.vlk"_s);
            QVERIFY(opened);
            QCOMPARE(opened->plain, plain);
        }
        const Result<VlkFile::Opened> wrong = VlkFile::open(first, "correct horsf", u"x.vlk"_s);
        QVERIFY(!wrong);
        QCOMPARE(wrong.error(), (Error { u"x.vlk"_s, VlkFile::wrongPasswordText() }));
    }

    void changedFilesAreRefused_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("message");
        const QString changed = VlkFile::wrongPasswordText();
        QTest::newRow("magic") << 0 << u"The file is not a protected Velmora campaign (\".vlk\")."_s;
        QTest::newRow("version") << 5
                                 << u"The file was written in version 257 of the protected format, which this program "
                                    "does not read."_s;
        QTest::newRow("salt") << 20 << changed;
        QTest::newRow("nonce") << 40 << changed;
        QTest::newRow("enciphered data") << VlkHeader::Size << changed;
        QTest::newRow("tag") << -1 << changed;
    }

    void changedFilesAreRefused()
    {
        QFETCH(int, offset);
        QFETCH(QString, message);
        QByteArray file = VlkFile::seal("campaign", smallKey("pw"));
        file[offset < 0 ? file.size() - 1 : offset] ^= 0x01;
        const Result<VlkFile::Opened> opened = VlkFile::open(file, "pw", u"x.vlk"_s);
        QVERIFY(!opened);
        QCOMPARE(opened.error().message, message);
    }

    void costlyLimitsAreRefusedBeforeDeriving_data()
    {
        QTest::addColumn<quint32>("ops");
        QTest::addColumn<quint64>("mem");
        QTest::newRow("4 GiB") << quint32(1) << (quint64(4) << 30);
        QTest::newRow("a million passes") << quint32(1000000) << quint64(8192);
        QTest::newRow("no pass") << quint32(0) << quint64(8192);
    }

    void costlyLimitsAreRefusedBeforeDeriving()
    {
        QFETCH(quint32, ops);
        QFETCH(quint64, mem);
        QByteArray file = VlkFile::seal("campaign", smallKey("pw"));
        qToLittleEndian(ops, file.data() + 6);
        qToLittleEndian(mem, file.data() + 10);
        const Result<VlkFile::Opened> opened = VlkFile::open(file, "pw", u"x.vlk"_s);
        QVERIFY(!opened);
        QCOMPARE(opened.error().message,
            u"The file asks for %1 passes over %2 bytes to derive its key, beyond what "
            "this program accepts; it was not written by Velmora."_s.arg(ops)
                .arg(mem));
    }

    void campaignSavedAndLoadedBack()
    {
        TestHome home;
        Campaign campaign(home.folder());
        campaign.model.options.saveOnClose = !campaign.model.options.saveOnClose;
        const QString path = home.file(u"c.vlk"_s);
        QVERIFY(ProtectedCampaign::save(campaign, path, false, smallKey("pw")));
        const QByteArray onDisk = home.read(u"c.vlk"_s);

        Campaign other(home.folder());
        LoadOutcome outcome;
        const Result<VlkKey> refused = ProtectedCampaign::load(other, path, "pW", outcome);
        QVERIFY(!refused);
        QCOMPARE(other.model, Campaign(home.folder()).model);
        QCOMPARE(home.read(u"c.vlk"_s), onDisk);

        Result<VlkKey> key = ProtectedCampaign::load(other, path, "pw", outcome);
        QVERIFY(key);
        QVERIFY(outcome.readable);
        QCOMPARE(other.model.options.saveOnClose, campaign.model.options.saveOnClose);
        // Saved again with the key it was opened with: another nonce, the same password.
        QVERIFY(ProtectedCampaign::save(other, path, false, key.value()));
        QVERIFY(home.read(u"c.vlk"_s) != onDisk);
        QVERIFY(ProtectedCampaign::load(other, path, "pw", outcome));
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestVlkFile)
#include "TestVlkFile.moc"
