#include "gui/app/MainTabs.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct TabSpec
{
    QString caption;
    QString comingLater; ///< what the page will hold, until its tools arrive
};

std::array<TabSpec, MainTabs::Count> tabSpecs()
{
    return {{
        {u"Main"_s, MainTabs::tr("The calendar, the campaign clock, the moons and the weather come with a later version.")},
        {u"User"_s, MainTabs::tr("Experience points and statistics come with a later version.")},
        {u"Classes"_s, MainTabs::tr("The character classes come with a later version.")},
        {u"Resources"_s, MainTabs::tr("Links, articles, net books and web sites come with a later version.")},
        {u"Tools"_s, MainTabs::tr("The Battle Box, the dice and the generators come with a later version.")},
        {u"Maps"_s, MainTabs::tr("The map collection comes with a later version.")},
        {u"Docs"_s, MainTabs::tr("The notes documents come with a later version.")},
    }};
}

} // namespace

MainTabs::MainTabs(QWidget *parent)
    : QTabWidget(parent)
{
    setObjectName(u"VelmoraTab"_s);
    const auto specs = tabSpecs();
    for (int i = 0; i < Count; ++i) {
        auto *page = new QWidget(this);
        page->setObjectName(u"pctTab"_s + QString::number(i));
        auto *notice = new QLabel(specs[i].comingLater, page);
        notice->setObjectName(u"lblComingLater"_s + QString::number(i));
        notice->setAlignment(Qt::AlignCenter);
        notice->setWordWrap(true);
        notice->setEnabled(false);
        auto *layout = new QVBoxLayout(page);
        layout->addWidget(notice);
        addTab(page, specs[i].caption);
        m_pages[i] = page;
    }
}

QWidget *MainTabs::pctTab(int index) const
{
    return index >= 0 && index < Count ? m_pages[index] : nullptr;
}

void MainTabs::placeTools(int index, QWidget *tools)
{
    QWidget *page = pctTab(index);
    if (!page)
        return;
    delete page->findChild<QLabel *>(u"lblComingLater"_s + QString::number(index));
    page->layout()->addWidget(tools);
}

} // namespace Velmora
