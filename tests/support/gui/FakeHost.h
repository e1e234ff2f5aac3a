#pragma once

#include "core/app/CampaignSession.h"
#include "core/app/ProgramState.h"
#include "core/options/SoundCues.h"
#include "gui/app/MainTabs.h"
#include "gui/app/MainToolBar.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/ToolHost.h"
#include "support/TestHome.h"
#include "support/gui/ScriptedPlatform.h"

#include <QMainWindow>

#include <map>

namespace Velmora {

class CampaignPart;
struct CampaignModel;

/// A host for one subsystem's tools without the rest of the program: a fresh application folder,
/// the scripted platform, the sound cues, a campaign session, the seven tabs with their strips,
/// the toolbar and the menus. apply() and collect() drive a part as the main window does.
class FakeHost : public QMainWindow, public ToolHost
{
public:
    explicit FakeHost(TestHome::Seed seed = TestHome::Empty);
    ~FakeHost() override;

    TestHome home;
    ScriptedPlatform scripted;
    ProgramState state;

    Platform &platform() override { return scripted; }
    const SoundCuePlayer &sounds() const override { return m_sounds; }
    const AppFolder &folder() const override { return m_folder; }
    QWidget *dialogParent() override { return this; }
    CampaignSession &campaignSession() override { return m_session; }
    PartServices &services() override { return m_services; }
    void placeOnTab(MainTab tab, QWidget *tools) override { m_tabs->placeTools(tab, tools); }
    void showTab(MainTab tab) override { m_tabs->setCurrentIndex(int(tab)); }
    void placeOnPage(StripPage page, QWidget *tools) override { m_tabs->placeOnPage(page, tools); }
    void showPage(StripPage page) override { m_tabs->showPage(page); }
    StripPage currentPage(TabStrip strip) const override { return m_tabs->currentPage(strip); }
    void onPageChanged(TabStrip strip, QObject *context, std::function<void()> slot) override;
    void onFirstShown(MainTab tab, QObject *context, std::function<void()> build) override
    {
        m_tabs->onFirstShown(tab, context, std::move(build));
    }
    void onFirstShown(StripPage page, QObject *context, std::function<void()> build) override
    {
        m_tabs->onFirstShown(page, context, std::move(build));
    }
    QAction *toolBarAction(const QString &key) const override { return m_toolBar->button(key); }
    void addToMenu(MainMenu menu, QAction *action) override;

    /// The campaign to the tab choices and `part`, with the session quiet, as at a load.
    void apply(CampaignPart &part, const CampaignModel &model);
    /// `part`'s data and the tab choices into `model`, as before a save.
    void collect(CampaignPart &part, CampaignModel &model);
    QMenu *menu(MainMenu which) const { return m_menus.at(which); }

private:
    AppFolder m_folder;
    SoundCues m_cues;
    SoundCuePlayer m_sounds;
    CampaignSession m_session;
    PartServices m_services;
    MainTabs *m_tabs;
    MainToolBar *m_toolBar;
    std::map<MainMenu, QMenu *> m_menus;
};

} // namespace Velmora
