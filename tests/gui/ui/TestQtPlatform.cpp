#include "gui/ui/HelpWindow.h"
#include "gui/ui/QtPlatform.h"
#include "support/TestHome.h"

#include <QApplication>
#include <QTest>
#include <QTextBrowser>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

QList<HelpWindow *> helpWindows()
{
    QList<HelpWindow *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<HelpWindow *>(window); help && help->isVisible())
            found << help;
    }
    return found;
}

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT

private slots:
    void displayText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("blank line") << u"a\r\n\r\nb"_s << u"a\n\nb"_s;
        QTest::newRow("lone CR") << u"a\rb"_s << u"a\nb"_s;
    }

    void displayText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(QtPlatform::displayText(text), shown);
    }

    void helpWindowShowsThePageOrANotice()
    {
        TestHome home;
        const QString page = home.write(u"Help/index.html"_s, "<html><body><h1>Velmora help</h1></body></html>");
        QtPlatform platform;
        platform.showHelp(page);
        QCOMPARE(helpWindows().size(), 1);
        QVERIFY(helpWindows().first()->browser()->toPlainText().contains(u"Velmora help"_s));

        // A second request reuses the window.
        platform.showHelp(home.file(u"Help/missing.html"_s));
        QCOMPARE(helpWindows().size(), 1);
        QVERIFY(helpWindows().first()->browser()->toPlainText().startsWith(u"The help file was not found."_s));
    }
};

QTEST_MAIN(TestQtPlatform)
#include "TestQtPlatform.moc"
