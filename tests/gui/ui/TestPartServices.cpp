#include "gui/ui/PartServices.h"

#include <QSignalSpy>
#include <QTest>

using namespace Velmora;

namespace {

// Two services as parts would provide them, each unknown to the other's users.
struct BattleBoxLoader
{
    virtual ~BattleBoxLoader() = default;
    virtual QString load(const QString &path) = 0;
};
struct ListTitles
{
    virtual ~ListTitles() = default;
    virtual void retitle() = 0;
};

struct BattleBox final : BattleBoxLoader
{
    QString load(const QString &path) override { return u"loaded "_qs + path; }
};

} // namespace

class TestPartServices : public QObject
{
    Q_OBJECT

private slots:
    void partsFindEachOthersServices()
    {
        PartServices services;
        QCOMPARE(services.find<BattleBoxLoader>(), nullptr);
        BattleBox battleBox;
        services.provide<BattleBoxLoader>(&battleBox);
        QCOMPARE(services.find<BattleBoxLoader>()->load(u"a.txt"_qs), u"loaded a.txt"_qs);
        // A service nobody provides is not mistaken for another.
        QCOMPARE(services.find<ListTitles>(), nullptr);

        QSignalSpy changed(&services, &PartServices::changed);
        services.announce(SharedData::Pictures);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).value<SharedData>(), SharedData::Pictures);
    }
};

QTEST_GUILESS_MAIN(TestPartServices)
#include "TestPartServices.moc"
