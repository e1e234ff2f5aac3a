#include "TestConfig.h"
#include "support/TestHome.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

// velmora-cli encrypt, decrypt, lock and unlock, as a script runs them.
class TestCliCrypt : public QObject
{
    Q_OBJECT

    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };

    static Run cli(const QStringList &arguments, const QByteArray &input = {})
    {
        QProcess process;
        process.start(QString::fromUtf8(VELMORA_CLI), arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(60000);
        return { process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError() };
    }

    static QByteArray fixture(const QString &name)
    {
        QFile file(QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/persistence/"_s + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void oldCipherRoundTripAndWrongCredentials()
    {
        TestHome home;
        const QByteArray plain = fixture(u"../crypto/old-campaign.vls"_s); // one value per line
        home.write(u"a.vls"_s, plain);
        const QStringList credentials { u"--user"_s, u"gm"_s, u"--password"_s, u"secret"_s };
        Run run = cli(QStringList { u"encrypt"_s, home.file(u"a.vls"_s) } + credentials);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(run.out).object().value(u"path"_s).toString(), home.file(u"a.vle"_s));
        const QByteArray cipher = home.read(u"a.vle"_s);

        run = cli({ u"decrypt"_s, home.file(u"a.vle"_s), u"--user"_s, u"gm"_s, u"--password"_s, u"secrets"_s });
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(home.read(u"a.vle"_s), cipher);
        QVERIFY(!QFile::exists(home.file(u"a.vls"_s)));

        run = cli(
            { u"decrypt"_s, home.file(u"a.vle"_s), u"--user"_s, u"gm"_s, u"--password-file"_s, u"-"_s }, "secret\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(home.read(u"a.vls"_s), plain);
        QVERIFY(!QFile::exists(home.file(u"a.vle"_s)));
    }

    void lockAndUnlock()
    {
        TestHome home;
        const QByteArray plain = fixture(u"campaign.vlf"_s);
        home.write(u"c.vlf"_s, plain);
        home.write(u"pw.txt"_s, "pass word\r\nignored\n");
        const QStringList cheap { u"--cost"_s, u"smallest"_s };
        QCOMPARE(cli(QStringList { u"lock"_s, home.file(u"c.vlf"_s), home.file(u"c.vlk"_s), u"--password-file"_s,
                         home.file(u"pw.txt"_s) }
                     + cheap)
                     .exitCode,
            0);
        Run run = cli({ u"unlock"_s, home.file(u"c.vlk"_s), home.file(u"d.vlf"_s), u"--password"_s, u"pass"_s });
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err,
            "velmora-cli: "_ba + home.file(u"c.vlk"_s).toUtf8()
                + ": The password is wrong, or the file was changed since it was saved.\n");
        QVERIFY(!QFile::exists(home.file(u"d.vlf"_s)));
        run = cli({ u"unlock"_s, home.file(u"c.vlk"_s), home.file(u"d.vlf"_s), u"--password"_s, u"pass word"_s });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(home.read(u"d.vlf"_s), plain);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("no password") << QStringList { u"lock"_s, u"@"_s, u"x.vlk"_s }
                                     << "velmora-cli lock: Give one of --password and --password-file."_ba;
        QTest::newRow("both passwords") << QStringList { u"unlock"_s, u"@"_s, u"x.vlf"_s, u"--password"_s, u"p"_s,
            u"--password-file"_s, u"-"_s }
                                        << "velmora-cli unlock: Give one of --password and --password-file."_ba;
        QTest::newRow("lock to another kind") << QStringList { u"lock"_s, u"@"_s, u"x.vlf"_s, u"--password"_s, u"p"_s }
                                              << "velmora-cli lock: OUT must end in \".vlk\""_ba;
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, err);
        TestHome home;
        arguments.replaceInStrings(u"@"_s, home.write(u"c.vlf"_s, fixture(u"campaign.vlf"_s)));
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(err), run.err.constData());
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCliCrypt)
#include "TestCliCrypt.moc"
