#include "core/crypto/modTextEncryptDecrypt.h"

#include "TestConfig.h"
#include "support/TestHome.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestTextEncryption : public QObject
{
    Q_OBJECT

    static QByteArray fixture(const QString &name)
    {
        QFile file(QString::fromUtf8(VELMORA_TEST_DATA_DIR) + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A 3.0 campaign as the old program wrote it: one value per line.
    static QByteArray oldCampaign() { return fixture(u"/crypto/old-campaign.vls"_s); }

private slots:
    void tableIsPinned()
    {
        // The table of every ".vle" this program has written: changing it makes them unreadable.
        const QString table = modTextEncryptDecrypt::tableCharacters();
        QCOMPARE(table.size(), 97);
        QCOMPARE(modTextEncryptDecrypt::EncodeText(table),
            u"\"\\+hdm?^9<\u00acP1,zEa rUH8}uecR'2:CQNWX_K|x\u00a6s$YZFkV)tjJ&Lv4lb57A[>qD(/]I=.%ig`oyMwT~-p!{6S0n#3@f;GB*O"_s);
    }

    void encodeThenDecodeIsIdentity()
    {
        const QString text = modTextEncryptDecrypt::tableCharacters() + u"\r\n\u00e9\u0100\u20ac\t"_s;
        const QString encoded = modTextEncryptDecrypt::EncodeText(text);
        QCOMPARE(modTextEncryptDecrypt::DecodeText(encoded), text);
        QCOMPARE(encoded.right(6), u"\r\n\u00e9\u0100\u20ac\t"_s); // outside the table: unchanged
    }

    void keyFromCredentials_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("key");
        QTest::newRow("blank") << u"  "_s << QString() << 0;
        QTest::newRow("a: 97 -> 16 -> 7") << u"a"_s << QString() << 7;
        QTest::newRow("+: 43 -> 7, the same digit sum") << QString() << u"+"_s << 7;
        QTest::newRow("blanks at the ends do not count") << u" a "_s << u" "_s << 7;
        QTest::newRow("letters in another order") << u"dungeon"_s << u"master"_s << 9;
        QTest::newRow("letters in another order, swapped") << u"retsam"_s << u"noegnud"_s << 9;
        QTest::newRow("beyond a 16-bit sum: 300 z, 36600 -> 15 -> 6") << QString(300, u'z') << QString() << 6;
    }

    void keyFromCredentials()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(int, key);
        QCOMPARE(modTextEncryptDecrypt::KeyFromCredentials(user, password), key);
    }

    void fileRoundTrip()
    {
        TestHome home;
        const QByteArray plain = oldCampaign();
        QVERIFY(modTextEncryptDecrypt::isValidDecryptedText(plain));
        const QString vls = home.write(u"name.vls"_s, plain);

        const Result<QString> encrypted = modTextEncryptDecrypt::EncryptFile(vls, 4);
        QVERIFY(encrypted);
        QCOMPARE(*encrypted, home.file(u"name.vle"_s));
        QVERIFY(!QFile::exists(vls));
        const QByteArray cipher = home.read(u"name.vle"_s);
        QVERIFY(!modTextEncryptDecrypt::IsValidDecryptedFile(*encrypted));

        // A wrong key changes nothing on disk.
        const Result<QString> wrong = modTextEncryptDecrypt::DecryptValidFile(*encrypted, 3);
        QVERIFY(!wrong);
        QCOMPARE(wrong.error().message, modTextEncryptDecrypt::wrongCredentialsText());
        QCOMPARE(home.read(u"name.vle"_s), cipher);
        QVERIFY(!QFile::exists(vls));

        const Result<QString> decrypted = modTextEncryptDecrypt::DecryptValidFile(*encrypted, 4);
        QVERIFY(decrypted);
        QCOMPARE(*decrypted, vls);
        QVERIFY(!QFile::exists(*encrypted));
        QCOMPARE(home.read(u"name.vls"_s), plain);
    }

    // The old program's test of a deciphered file: CR LF lines, at least 214, the 22nd a 16-bit
    // integer; the same values laid out several to a line do not pass it.
    void validDecryptedText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        const QByteArray plain = oldCampaign();
        QByteArray month40000 = plain, word = plain, lfOnly = plain;
        QTest::newRow("one value per line") << plain << true;
        QTest::newRow("214 lines, no last line end") << plain.chopped(2) << true;
        QTest::newRow("213 lines") << plain.left(plain.lastIndexOf("\r\n", plain.size() - 3)) << false;
        QTest::newRow("month beyond 16 bits")
            << month40000.replace("\"2009\"\r\n4\r\n", "\"2009\"\r\n40000\r\n") << false;
        QTest::newRow("a word as month") << word.replace("\"2009\"\r\n4\r\n", "\"2009\"\r\nMay\r\n") << false;
        QTest::newRow("LF line ends") << lfOnly.replace("\r\n", "\n") << false;
        QTest::newRow("several values to a line") << fixture(u"/persistence/old-campaign.vls"_s) << false;
    }

    void validDecryptedText()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QCOMPARE(modTextEncryptDecrypt::isValidDecryptedText(text), valid);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QString>("message");
        QTest::newRow("encrypting a name ending in e")
            << u"a.vle"_s << "x"_ba << true << u"The file name already ends in \"e\"."_s;
        QTest::newRow("decrypting a name ending in s")
            << u"a.vls"_s << "x"_ba << false << u"The file name already ends in \"s\"."_s;
        QTest::newRow("an empty file") << u"a.vls"_s << QByteArray() << true << u"The file is empty."_s;
    }

    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, encrypt);
        QFETCH(QString, message);
        TestHome home;
        const QString path = home.write(name, content);
        const Result<QString> done
            = encrypt ? modTextEncryptDecrypt::EncryptFile(path, 1) : modTextEncryptDecrypt::DecryptFile(path, 1);
        QVERIFY(!done);
        QCOMPARE(done.error().message, message);
        QCOMPARE(home.read(name), content);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestTextEncryption)
#include "TestTextEncryption.moc"
