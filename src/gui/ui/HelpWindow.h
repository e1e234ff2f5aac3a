#pragma once

#include <QWidget>

class QTextBrowser;

namespace Velmora {

/// The program's help: an HTML page of the application folder shown in a browser window that
/// follows the page's own links. Web addresses open in the user's browser.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    /// Shows `helpFile`, or a notice naming it when it does not exist.
    void showFile(const QString &helpFile);
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};

} // namespace Velmora
