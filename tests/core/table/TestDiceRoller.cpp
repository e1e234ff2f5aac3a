#include "core/table/DiceExpression.h"
#include "core/table/DiceRoller.h"
#include "core/table/RandomRangeRules.h"

#include "support/ScriptedRandomSource.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestDiceRoller : public QObject
{
    Q_OBJECT

private slots:
    void roll_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("sides");
        QTest::addColumn<QString>("modifier");
        QTest::addColumn<bool>("subtract");
        QTest::addColumn<QList<float>>("script");
        QTest::addColumn<QList<int>>("faces");
        QTest::addColumn<int>("total");
        QTest::newRow("1d6 lowest") << u"1"_s << 6 << u"0"_s << false << QList<float>{0.0f} << QList<int>{1} << 1;
        QTest::newRow("1d6 highest") << u"1"_s << 6 << u"0"_s << false << QList<float>{0.9999f} << QList<int>{6}
                                     << 6;
        QTest::newRow("2d10-3 lowest") << u"2"_s << 10 << u"3"_s << true << QList<float>{0.0f} << QList<int>{1, 1}
                                       << -1;
        QTest::newRow("2d10-3 highest") << u"2"_s << 10 << u"3"_s << true << QList<float>{0.99f}
                                        << QList<int>{10, 10} << 17;
        QTest::newRow("faces in order") << u"4"_s << 100 << u"+2"_s << false
                                        << QList<float>{0.0f, 0.25f, 0.5f, 0.999f} << QList<int>{1, 26, 51, 100}
                                        << 180;
        QTest::newRow("emptied fields") << QString() << 20 << QString() << false << QList<float>{0.5f}
                                        << QList<int>{11} << 11;
        QTest::newRow("text rolls one die")
            << u"many"_s << 4 << u"some"_s << true << QList<float>{0.5f} << QList<int>{3} << 3;
        QTest::newRow("leading number") << u"2 dice"_s << 8 << u"1 more"_s << false << QList<float>{0.0f}
                                        << QList<int>{1, 1} << 3;
        QTest::newRow("total past 16 bits kept whole")
            << u"1"_s << 100 << u"99999"_s << false << QList<float>{0.0f} << QList<int>{1} << 32768;
        QTest::newRow("minus a negative modifier")
            << u"1"_s << 3 << u"-32768"_s << true << QList<float>{0.0f} << QList<int>{1} << 32769;
    }

    void roll()
    {
        QFETCH(QString, count);
        QFETCH(int, sides);
        QFETCH(QString, modifier);
        QFETCH(bool, subtract);
        QFETCH(QList<float>, script);
        QFETCH(QList<int>, faces);
        QFETCH(int, total);
        ScriptedRandomSource random(script);
        const DiceRoll roll = DiceRoller::RollFields(random, count, sides, modifier, subtract);
        QCOMPARE(roll.faces, faces);
        QCOMPARE(DiceRoller::ResultText(roll), QString::number(total));
    }

    void fields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<QString>("up");
        QTest::addColumn<QString>("down");
        QTest::newRow("one") << u"1"_s << 1 << 1 << u"2"_s << u"1"_s;
        QTest::newRow("five") << u"5"_s << 5 << 5 << u"6"_s << u"4"_s;
        QTest::newRow("zero") << u"0"_s << 1 << 0 << u"2"_s << u"0"_s;
        QTest::newRow("negative") << u"-5"_s << 1 << -5 << u"2"_s << u"-5"_s;
        QTest::newRow("no number") << u"abc"_s << 1 << 0 << u"2"_s << u"abc"_s;
        QTest::newRow("past 16 bits") << u"40000"_s << 32767 << 32767 << u"32767"_s << u"32766"_s;
        QTest::newRow("below 16 bits") << u"-99999999999"_s << 1 << -32768 << u"2"_s << u"-99999999999"_s;
        QTest::newRow("leading zeros") << u" 0000000000012 "_s << 12 << 12 << u"13"_s << u"11"_s;
    }

    void fields()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(int, modifier);
        QFETCH(QString, up);
        QFETCH(QString, down);
        QCOMPARE(DiceRoller::ReadCount(text), count);
        QCOMPARE(DiceRoller::ReadModifier(text), modifier);
        QCOMPARE(DiceRoller::StepUp(text), up);
        QCOMPARE(DiceRoller::StepDown(text), down);
    }

    void range_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("drawn"); // -1: refused, nothing drawn
        QTest::newRow("1 to 3 refused") << u"1"_s << u"3"_s << 0.5f << -1;
        QTest::newRow("1 to 4 lowest") << u"1"_s << u"4"_s << 0.0f << 1;
        QTest::newRow("1 to 4 middle") << u"1"_s << u"4"_s << 0.5f << 3;
        QTest::newRow("1 to 4 highest") << u"1"_s << u"4"_s << 0.99999994f << 4;
        QTest::newRow("0 to 3") << u"0"_s << u"3"_s << 0.74f << 2;
        QTest::newRow("top of 16 bits") << u"32000"_s << u"32767"_s << 0.99999994f << 32767;
        QTest::newRow("to below from") << u"100"_s << u"1"_s << 0.0f << -1;
    }

    void range()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(float, r);
        QFETCH(int, drawn);
        ScriptedRandomSource random({r});
        const bool valid = drawn >= 0;
        QCOMPARE(RandomRangeRules::IsValid(from, to), valid);
        QCOMPARE(RandomRangeRules::Draw(random, from, to).value_or(-1), drawn);
        QCOMPARE(random.calls, valid ? 1 : 0);
        using Leave = RandomRangeRules::Leave;
        const Leave leaveFrom = valid ? Leave{from, false} : Leave{u"0"_s, true};
        const Leave leaveTo = valid ? Leave{to, false} : Leave{u"100"_s, true};
        QCOMPARE(RandomRangeRules::LeaveFrom(from, to), leaveFrom);
        QCOMPARE(RandomRangeRules::LeaveTo(from, to), leaveTo);
    }

    void rangeFields()
    {
        QCOMPARE(RandomRangeRules::FromAfterEdit(QString()), u"0"_s);
        QCOMPARE(RandomRangeRules::ToAfterEdit(QString()), u"100"_s);
        QCOMPARE(RandomRangeRules::ToAfterEdit(u"7"_s), u"7"_s);
    }

    void expression_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed"); // "count sides modifier", or the error
        QTest::newRow("with plus") << u"3d6+2"_s << u"3 6 2"_s;
        QTest::newRow("capital D") << u"1D20"_s << u"1 20 0"_s;
        QTest::newRow("with minus") << u"2d10-3"_s << u"2 10 -3"_s;
        QTest::newRow("most") << u"32767d32767-32767"_s << u"32767 32767 -32767"_s;
        QTest::newRow("no count") << u"d20"_s << u"\"d20\" is not a roll: write NdS, NdS+M or NdS-M, such as 3d6+2"_s;
        QTest::newRow("blank") << u"2 d6"_s << u"\"2 d6\" is not a roll: write NdS, NdS+M or NdS-M, such as 3d6+2"_s;
        QTest::newRow("no dice") << u"0d6"_s << u"\"0d6\": the number of dice must be 1 to 32767"_s;
        QTest::newRow("too many dice") << u"40000d6"_s << u"\"40000d6\": the number of dice must be 1 to 32767"_s;
        QTest::newRow("no sides") << u"1d0"_s << u"\"1d0\": the number of sides must be 1 to 32767"_s;
        QTest::newRow("big modifier") << u"1d6+32768"_s << u"\"1d6+32768\": the modifier must be 0 to 32767"_s;
    }

    void expression()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        const Result<DiceExpression> expression = DiceExpression::parse(text);
        if (!expression) {
            QCOMPARE(expression.error().message, parsed);
            return;
        }
        QCOMPARE(u"%1 %2 %3"_s.arg(expression->count).arg(expression->sides).arg(expression->modifier), parsed);
        ScriptedRandomSource lowest({0.0f});
        QCOMPARE(expression->roll(lowest).total, expression->count + expression->modifier);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestDiceRoller)
#include "TestDiceRoller.moc"
