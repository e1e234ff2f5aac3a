// The yardstick of bench_startup: a bare program linking the same Qt modules as Velmora, which
// shows a main window with seven tabs, a menu bar, a tool bar and a status bar and, like
// "velmora --quit-after-start", ends once the window is up: shown and painted once, as a user
// first sees it.

#include <QApplication>
#include <QAudioDevice>
#include <QDomDocument>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

// Quitting on a zero timer would end before the window system's first expose, so the window
// would never be painted; Velmora's start-up paints its window, and so must the yardstick's.
class QuitAfterFirstPaint : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Touch each module the program links, so that none is dropped as unused.
    QDomDocument document;
    QAudioDevice device;
    QPrinter *printer = nullptr;
    Q_UNUSED(printer);

    QMainWindow window;
    auto *tabs = new QTabWidget;
    for (const QString &caption : {u"Main"_s, u"User"_s, u"Classes"_s, u"Resources"_s, u"Tools"_s, u"Maps"_s, u"Docs"_s})
        tabs->addTab(new QLabel(caption), caption);
    window.setCentralWidget(tabs);
    for (const QString &menu : {u"&File"_s, u"&Maps"_s, u"&Tools"_s, u"&Help"_s})
        window.menuBar()->addMenu(menu)->addAction(u"Item"_s);
    QToolBar *bar = window.addToolBar(u"tbToolBar"_s);
    for (const QString &key : {u"New"_s, u"Open"_s, u"Save"_s, u"SaveAs"_s, u"Help"_s, u"ask"_s})
        bar->addAction(key);
    window.statusBar()->addWidget(new QLabel(u"Version"_s));
    window.resize(1000, 700);

    QuitAfterFirstPaint quitAfterFirstPaint;
    window.installEventFilter(&quitAfterFirstPaint);
    QTimer::singleShot(10000, &window, &QApplication::quit);
    window.show();
    return app.exec();
}
