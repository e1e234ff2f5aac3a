#include "gui/ui/HelpWindow.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(u"HelpWindow"_s);
    setWindowTitle(tr("Velmora Help"));
    m_browser->setObjectName(u"HelpBrowser"_s);
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(760, 600);
}

void HelpWindow::showFile(const QString &helpFile)
{
    if (QFileInfo(helpFile).isFile()) {
        m_browser->setSource(QUrl::fromLocalFile(helpFile));
        return;
    }
    m_browser->setPlainText(tr("The help file was not found.") + u"\n\n"_s + helpFile);
}

} // namespace Velmora
