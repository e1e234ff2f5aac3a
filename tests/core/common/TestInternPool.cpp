#include "core/common/InternPool.h"

#include <QTest>

#include <thread>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestInternPool : public QObject
{
    Q_OBJECT

private slots:
    void keptOnce()
    {
        const QString first = InternPool::intern(u"+2");
        QCOMPARE(first, u"+2"_s);
        QCOMPARE(InternPool::intern(u"+2"_s).constData(), first.constData());
        QCOMPARE(InternPool::intern(u"+20"), u"+20"_s);
        QVERIFY(InternPool::intern(QStringView()).isNull());
        QVERIFY(InternPool::intern(QString(InternPool::MaxLength + 1, u'x')).isNull());
        QCOMPARE(InternPool::intern(QString(InternPool::MaxLength, u'x')), QString(InternPool::MaxLength, u'x'));
    }

    // Two threads keeping the same values get the same strings.
    void sharedBetweenThreads()
    {
        const auto keep = [](QList<const QChar *> &kept) {
            for (int i = 0; i < 2000; ++i)
                kept << InternPool::intern(u"value %1"_s.arg(i)).constData();
        };
        QList<const QChar *> one, two;
        std::thread other(keep, std::ref(two));
        keep(one);
        other.join();
        QCOMPARE(one, two);
    }

    // Full, the pool keeps nothing more but still gives what it holds.
    void bounded()
    {
        const QString kept = InternPool::intern(u"Human");
        qsizetype added = 0;
        for (int i = 0; !InternPool::intern(u"%1"_s.arg(i, int(InternPool::MaxLength), 10, QChar(u'0'))).isNull(); ++i)
            added += InternPool::MaxLength;
        QVERIFY(added <= InternPool::Capacity);
        QVERIFY(added > InternPool::Capacity - 32 * 1024); // less what the cases before kept
        QCOMPARE(InternPool::intern(u"Human").constData(), kept.constData());
        QVERIFY(InternPool::intern(QString(InternPool::MaxLength, u'y')).isNull());
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestInternPool)
#include "TestInternPool.moc"
