#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The file kinds installed for the desktop (packaging/velmora-mime.xml), read as the desktop
// reads them: campaign files by their marker, the others by their magic or their extension.
class TestFileKinds : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        QVERIFY(QDir().mkpath(m_data.filePath(u"mime/packages"_s)));
        QVERIFY(QFile::copy(QStringLiteral(VELMORA_MIME_PACKAGE), m_data.filePath(u"mime/packages/velmora.xml"_s)));
        // Only ours and Qt's own: the database is read at its first use, below.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(m_data.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.filePath(u"home"_s)));
    }

    void kind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("kind");
        const QByteArray campaign = "VL400000 \x0f\0\0"_ba;
        QTest::newRow("campaign") << u"Mine.vlf"_s << campaign << u"application/x-velmora-campaign"_s;
        QTest::newRow("campaign without extension") << u"Mine"_s << campaign << u"application/x-velmora-campaign"_s;
        QTest::newRow("template") << u"Mine.vlt"_s << campaign << u"application/x-velmora-template"_s;
        QTest::newRow("locked") << u"Mine.vlk"_s << "VLK1\x01"_ba << u"application/x-velmora-locked"_s;
        QTest::newRow("locked without extension") << u"Mine"_s << "VLK1\x01"_ba << u"application/x-velmora-locked"_s;
        QTest::newRow("3.0") << u"Mine.vls"_s << "[Header]"_ba << u"application/x-velmora-campaign-3"_s;
        QTest::newRow("3.0 encrypted") << u"Mine.vle"_s << "\x93\x11"_ba << u"application/x-velmora-encrypted-3"_s;
    }

    void kind()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        const QString path = m_data.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        const QMimeType found = QMimeDatabase().mimeTypeForFile(path);
        QCOMPARE(found.name(), kind);
        if (kind.endsWith(u"template"_s))
            QVERIFY(found.inherits(u"application/x-velmora-campaign"_s));
    }

private:
    QTemporaryDir m_data;
};

QTEST_GUILESS_MAIN(TestFileKinds)
#include "TestFileKinds.moc"
