#include "support/TestHome.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
};

void TestCli::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("iniFile");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("json");   // compact form of the expected stdout
    QTest::addColumn<QByteArray>("stderr"); // a part of the expected error line

    QTest::newRow("version") << QStringList{u"version"_s} << QByteArray() << 0 << R"({"version":"4.1.10"})"_ba << QByteArray();
    QTest::newRow("ini") << QStringList{u"ini"_s, u"@"_s} << "[VERSION]\r\nversion = \"4.1\"\r\n[S]\r\n"_ba << 0
                         << R"({"sections":[{"keys":[{"key":"version","value":"4.1"}],"name":"VERSION"},{"keys":[],"name":"S"}]})"_ba
                         << QByteArray();
    QTest::newRow("ini refused with its line") << QStringList{u"ini"_s, u"@"_s} << "[S]\r\nk=v\r\nno equals\r\n"_ba << 1
                                               << QByteArray() << "line 3: no \"=\""_ba;
    QTest::newRow("ini of a missing file") << QStringList{u"ini"_s, u"/no/such.ini"_s} << QByteArray() << 1 << QByteArray()
                                           << "no such file"_ba;
    QTest::newRow("usage") << QStringList{u"frobnicate"_s} << QByteArray() << 2 << QByteArray() << "usage:"_ba;
}

void TestCli::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, iniFile);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, json);
    QFETCH(QByteArray, stderr);
    TestHome home;
    const QString path = home.write(u"in.ini"_s, iniFile);
    arguments.replaceInStrings(u"@"_s, path);

    QProcess cli;
    cli.start(QString::fromUtf8(VELMORA_CLI), arguments);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), exitCode);
    const QByteArray out = cli.readAllStandardOutput();
    if (json.isEmpty())
        QVERIFY(out.isEmpty());
    else
        QCOMPARE(QJsonDocument::fromJson(out).toJson(QJsonDocument::Compact), json);
    QVERIFY2(cli.readAllStandardError().contains(stderr), stderr.constData());
}

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCli)
#include "TestCli.moc"
