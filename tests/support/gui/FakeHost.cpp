#include "support/gui/FakeHost.h"

#include "core/persistence/CampaignModel.h"
#include "gui/ui/CampaignPart.h"

#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace Velmora {

FakeHost::FakeHost(TestHome::Seed seed)
    : home(seed)
    , m_folder(home.folder())
    , m_cues(m_folder)
    , m_sounds(m_cues, state, scripted)
    , m_tabs(new MainTabs(this))
    , m_toolBar(new MainToolBar(this))
{
    setCentralWidget(m_tabs);
    addToolBar(m_toolBar);
    const std::pair<MainMenu, QString> menus[] = {
        {MainMenu::File, u"mnuFile"_s}, {MainMenu::Maps, u"mnuMapS"_s}, {MainMenu::Dices, u"mnuDices"_s}, {MainMenu::Tools, u"mnuTools"_s},
        {MainMenu::Help, u"mnuHelp"_s}};
    for (const auto &[which, name] : menus) {
        m_menus[which] = menuBar()->addMenu(name);
        m_menus[which]->setObjectName(name);
    }
}

FakeHost::~FakeHost() = default;

void FakeHost::onPageChanged(TabStrip strip, QObject *context, std::function<void()> slot)
{
    connect(m_tabs->strip(strip), &QTabWidget::currentChanged, context, [slot = std::move(slot)] { slot(); });
}

void FakeHost::addToMenu(MainMenu menu, QAction *action)
{
    // The menu owns its items, so that the window finds each by its name.
    action->setParent(m_menus.at(menu));
    m_menus.at(menu)->addAction(action);
}

void FakeHost::apply(CampaignPart &part, const CampaignModel &model)
{
    const CampaignSession::QuietGuard quiet(m_session);
    m_tabs->applyLayout(model.layout);
    part.applyCampaign(model);
}

void FakeHost::collect(CampaignPart &part, CampaignModel &model)
{
    m_tabs->collectLayout(model.layout);
    part.collectCampaign(model);
}

} // namespace Velmora
