#include "gui/app/MainTabs.h"

#include "core/persistence/ListLayout.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

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
        {MainTabs::tr("Main"), MainTabs::tr("The calendar, the campaign clock, the moons and the weather come with a later version.")},
        {MainTabs::tr("User"), QString()}, // the tab strip sstbUser
        {MainTabs::tr("Classes"), MainTabs::tr("The character classes come with a later version.")},
        {MainTabs::tr("Resources"), MainTabs::tr("Links, articles, net books and web sites come with a later version.")},
        {MainTabs::tr("Tools"), MainTabs::tr("The Battle Box, the dice and the generators come with a later version.")},
        {MainTabs::tr("Maps"), MainTabs::tr("The map collection comes with a later version.")},
        {MainTabs::tr("Docs"), MainTabs::tr("The notes documents come with a later version.")},
    }};
}

struct PageSpec
{
    TabStrip strip;
    int index;
    QString caption;
    QString name;        ///< the page's own part of the notice's objectName
    QString comingLater;
};

PageSpec pageSpec(StripPage page)
{
    switch (page) {
    case StripPage::UserAgenda:
        return {TabStrip::User, 0, MainTabs::tr("Agenda"), u"Agenda"_s, MainTabs::tr("The agenda comes with a later version.")};
    case StripPage::UserAlmanach:
        return {TabStrip::User, 1, MainTabs::tr("Almanach"), u"Almanach"_s, MainTabs::tr("The almanach comes with a later version.")};
    case StripPage::UserStatistics:
        break;
    }
    return {TabStrip::User, 2, MainTabs::tr("Statistics"), u"Statistics"_s, MainTabs::tr("Statistics come with a later version.")};
}

constexpr std::array<StripPage, 3> AllPages{StripPage::UserAgenda, StripPage::UserAlmanach, StripPage::UserStatistics};

QLabel *comingLaterNotice(const QString &text, const QString &name, QWidget *page)
{
    auto *notice = new QLabel(text, page);
    notice->setObjectName(u"lblComingLater"_s + name);
    notice->setAlignment(Qt::AlignCenter);
    notice->setEnabled(false);
    return notice;
}

void setChoice(QTabWidget *tabs, int index)
{
    if (tabs && index >= 0 && index < tabs->count())
        tabs->setCurrentIndex(index);
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
        auto *layout = new QVBoxLayout(page);
        if (!specs[i].comingLater.isEmpty())
            layout->addWidget(comingLaterNotice(specs[i].comingLater, QString::number(i), page));
        addTab(page, specs[i].caption);
        m_pages[i] = page;
    }
    buildUserStrip();
    connect(this, &QTabWidget::currentChanged, this, &MainTabs::runFirstShows);
    connect(m_sstbUser, &QTabWidget::currentChanged, this, &MainTabs::runFirstShows);
}

void MainTabs::buildUserStrip()
{
    m_sstbUser = new QTabWidget;
    m_sstbUser->setObjectName(u"sstbUser"_s);
    for (StripPage page : AllPages) {
        const PageSpec spec = pageSpec(page);
        auto *holder = new QWidget;
        auto *layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(comingLaterNotice(spec.comingLater, spec.name, holder));
        m_sstbUser->addTab(holder, spec.caption);
    }
    m_pages[size_t(MainTab::User)]->layout()->addWidget(m_sstbUser);
}

QWidget *MainTabs::pctTab(MainTab tab) const
{
    return m_pages[size_t(tab)];
}

void MainTabs::placeTools(MainTab tab, QWidget *tools)
{
    QWidget *page = pctTab(tab);
    delete page->findChild<QLabel *>(u"lblComingLater"_s + QString::number(int(tab)));
    page->layout()->addWidget(tools);
}

void MainTabs::placeOnPage(StripPage page, QWidget *tools)
{
    const PageSpec spec = pageSpec(page);
    QWidget *holder = strip(spec.strip)->widget(spec.index);
    delete holder->findChild<QLabel *>(u"lblComingLater"_s + spec.name);
    holder->layout()->addWidget(tools);
}

void MainTabs::showPage(StripPage page)
{
    const PageSpec spec = pageSpec(page);
    setCurrentIndex(int(MainTab::User));
    strip(spec.strip)->setCurrentIndex(spec.index);
}

QTabWidget *MainTabs::strip(TabStrip) const
{
    return m_sstbUser;
}

StripPage MainTabs::currentPage(TabStrip strip) const
{
    const int index = this->strip(strip)->currentIndex();
    for (StripPage page : AllPages) {
        const PageSpec spec = pageSpec(page);
        if (spec.strip == strip && spec.index == index)
            return page;
    }
    return AllPages.front();
}

bool MainTabs::isInFront(StripPage page) const
{
    const PageSpec spec = pageSpec(page);
    return currentIndex() == int(MainTab::User) && strip(spec.strip)->currentIndex() == spec.index;
}

void MainTabs::onFirstShown(MainTab tab, QObject *context, std::function<void()> build)
{
    addFirstShow({ [this, tab] { return currentIndex() == int(tab); }, context, std::move(build) });
}

void MainTabs::onFirstShown(StripPage page, QObject *context, std::function<void()> build)
{
    addFirstShow({ [this, page] { return isInFront(page); }, context, std::move(build) });
}

void MainTabs::addFirstShow(FirstShow show)
{
    m_firstShows.push_back(std::move(show));
    runFirstShows();
}

void MainTabs::runFirstShows()
{
    // One at a time: a build may bring another tab to the front or ask for a build of its own.
    for (;;) {
        const auto due = std::find_if(m_firstShows.begin(), m_firstShows.end(),
            [](const FirstShow &show) { return !show.context || show.inFront(); });
        if (due == m_firstShows.end())
            return;
        const FirstShow show = std::move(*due);
        m_firstShows.erase(due);
        if (show.context)
            show.build();
    }
}

void MainTabs::applyLayout(const ListLayout &layout)
{
    setChoice(this, layout.velmoraTab);
    setChoice(m_sstbUser, layout.sstbUser);
}

void MainTabs::collectLayout(ListLayout &layout) const
{
    // The strips that have no tools yet keep the choice the campaign came with.
    layout.velmoraTab = currentIndex();
    layout.sstbUser = m_sstbUser->currentIndex();
}

} // namespace Velmora
