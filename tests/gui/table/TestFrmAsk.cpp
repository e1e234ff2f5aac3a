#include "gui/table/TableTools.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

const QString Missing = u"The oracle cannot find his grimoire!\n"
                        u"Help him by putting the file 'strFile' in the Document directory."_s;

// The oracle opened from the tool bar of a host whose answer file holds `file` (none for a null
// array); `ask` runs in the open window, which shows the answer of each question.
struct AskHost : FakeHost
{
    TableTools tools { *this };

    explicit AskHost(const QByteArray &file)
    {
        if (!file.isNull())
            home.write(u"Documents/ASKtheVelmora.dat"_s, file);
    }

    void open(const std::function<void(QLineEdit *query, QAbstractButton *ball, QPlainTextEdit *answer)> &ask)
    {
        scripted.answerDialog([&ask](QDialog &d) {
            d.show();
            ask(requireChild<QLineEdit>(d, u"txtQuery"_s), requireChild<QAbstractButton>(d, u"imgBall"_s),
                requireChild<QPlainTextEdit>(d, u"txtAnswer"_s));
            requireChild<QPushButton>(d, u"cmdDone"_s)->click();
            return d.result();
        });
        toolBarAction(u"ask"_s)->trigger();
    }
};

} // namespace

class TestFrmAsk : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("answer");

        const QByteArray three = "The Velmora says\r\nYes\r\nNo";
        QTest::newRow("first answer") << three << QList<float> { 0.0f } << u"Yes?"_s;
        // 0.9 gives line 3, past the last; 0.99 gives ending 9, past the last.
        QTest::newRow("drawn again") << three << QList<float> { 0.9f, 0.5f, 0.99f, 0.85f } << u"No???"_s;
        QTest::newRow("no line to draw") << QByteArray("Title\r\n\r\n ") << QList<float> { 0.5f } << QString();
        QTest::newRow("title only") << QByteArray("Title") << QList<float> { 0.5f } << Missing;
    }

    void answers()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<float>, draws);
        AskHost oracle(file);
        oracle.scripted.scriptedRandom().script(draws);
        QString shown;
        oracle.open([&shown](QLineEdit *query, QAbstractButton *ball, QPlainTextEdit *answer) {
            QVERIFY(answer->toPlainText().isEmpty());
            QTest::keyClicks(query, u"Shall we win?"_s);
            QVERIFY(ball->isEnabled());
            QTest::keyClick(query, Qt::Key_Return);
            shown = answer->toPlainText();
        });
        QTEST(shown, "answer");
        QCOMPARE(oracle.scripted.trace(), QStringList { u"dialog frmAsk"_s });
        QCOMPARE(oracle.scripted.calls().at(0).title, u"Ask the Velmora"_s);
        // Seeded when the window opens, and again before each answer drawn.
        QCOMPARE(oracle.scripted.scriptedRandom().seeds.size(), file.contains('\n') ? 2 : 1);
    }

    void missingFileAndEmptyQuestion()
    {
        AskHost oracle { QByteArray() };
        oracle.open([](QLineEdit *query, QAbstractButton *ball, QPlainTextEdit *answer) {
            QCOMPARE(answer->toPlainText(), Missing);
            QVERIFY(!ball->isEnabled());
            answer->clear();
            QTest::keyClick(query, Qt::Key_Return);
            QVERIFY(answer->toPlainText().isEmpty());
            query->setText(u"Why?"_s);
            ball->click();
            QCOMPARE(answer->toPlainText(), Missing);
            query->clear();
            QVERIFY(!ball->isEnabled());
        });
        QCOMPARE(oracle.scripted.scriptedRandom().seeds.size(), 1);
    }
};

QTEST_MAIN(TestFrmAsk)
#include "TestFrmAsk.moc"
