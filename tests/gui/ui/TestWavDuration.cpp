#include "gui/ui/WavDuration.h"

#include <QTest>
#include <QtEndian>

using namespace Velmora;

namespace {

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray &id, const QByteArray &body, quint32 declaredSize)
{
    return id + le32(declaredSize) + body;
}

// 8 kHz mono 8-bit: 8000 bytes a second.
QByteArray fmtChunk(quint32 byteRate = 8000)
{
    QByteArray body = QByteArray::fromHex("01000100401f0000") + le32(byteRate) + QByteArray::fromHex("01000800");
    return chunk("fmt ", body, 16);
}

QByteArray wav(const QByteArray &chunks) { return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks; }

} // namespace

class TestWavDuration : public QObject
{
    Q_OBJECT

private slots:
    void milliseconds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("fileSize"); // -1: the bytes' own size
        QTest::addColumn<qint64>("expected"); // -1: no WAV

        const QByteArray halfSecond(4000, '\x80');
        QTest::newRow("half a second") << wav(fmtChunk() + chunk("data", halfSecond, 4000)) << qint64(-1) << qint64(500);
        QTest::newRow("odd chunk before fmt is padded")
            << wav(chunk("LIST", "abc", 3) + QByteArray(1, '\0') + fmtChunk() + chunk("data", halfSecond, 4000))
            << qint64(-1) << qint64(500);
        QTest::newRow("data claims more than the file holds")
            << wav(fmtChunk() + chunk("data", halfSecond, 0x7fffffff)) << qint64(-1) << qint64(500);
        QTest::newRow("file longer than the bytes read")
            << wav(fmtChunk() + chunk("data", QByteArray(), 80000)) << qint64(44 + 80000) << qint64(10000);
        QTest::newRow("zero byte rate") << wav(fmtChunk(0) + chunk("data", halfSecond, 4000)) << qint64(-1) << qint64(-1);
        QTest::newRow("data before fmt") << wav(chunk("data", halfSecond, 4000) + fmtChunk()) << qint64(-1) << qint64(-1);
        QTest::newRow("chunk size past the end") << wav(chunk("junk", "xx", 0xffffffff)) << qint64(-1) << qint64(-1);
        QTest::newRow("truncated header") << QByteArray("RIFF\0\0") << qint64(-1) << qint64(-1);
    }

    void milliseconds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, fileSize);
        QFETCH(qint64, expected);
        const auto duration = WavDuration::milliseconds(bytes, fileSize < 0 ? bytes.size() : fileSize);
        QCOMPARE(duration.value_or(-1), expected);
    }
};

QTEST_MAIN(TestWavDuration)
#include "TestWavDuration.moc"
