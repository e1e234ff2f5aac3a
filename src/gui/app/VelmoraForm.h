#pragma once

#include "core/app/CampaignSession.h"
#include "core/app/ProgramState.h"
#include "core/app/SessionSettings.h"
#include "core/common/AppFolder.h"
#include "core/options/SoundCues.h"
#include "gui/app/MainMenus.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/ToolHost.h"

#include <QList>
#include <QMainWindow>

#include <memory>
#include <vector>

class QSystemTrayIcon;
class QTimer;

namespace Velmora {

class CampaignCommands;
class MainSwitches;
class CampaignPart;
class MainStatusBar;
class MainTabs;
class MainToolBar;
class Platform;
class VelmoraSplash;
struct CampaignModel;

/// The main window: the tabs, menus, toolbar, status bar, autosave timer and notification-area
/// icon, the program-wide state, and the start-up, first-activation and closing sequences. The
/// campaign's life cycle is a CampaignCommands.
///
/// Each subsystem's tools are a CampaignPart that reaches the window only through the ToolHost
/// the window implements; InstalledParts says which parts the program has.
///
/// Start-up, as the entry procedure runs it: construct, Form_Load(), InitMainWindow(path),
/// show(). The first activation then runs Form_Activate(); closing the window runs
/// CloseProgram().
class VelmoraForm : public QMainWindow, public ToolHost
{
    Q_OBJECT

public:
    VelmoraForm(AppFolder folder, Platform &platform, QWidget *parent = nullptr);
    ~VelmoraForm() override;

    void Form_Load();
    /// `path`: the campaign file named on the command line, or "".
    void InitMainWindow(const QString &path);
    /// Runs once, at the first activation; later calls do nothing.
    void Form_Activate();
    /// The closing sequence; closeEvent runs it once it has gone to the end. False when the
    /// campaign could not be saved and the user chose to keep the program open.
    bool CloseProgram();
    /// One progress step on the splash window, while it is up.
    void ShowLoadingMessage(const QString &text);
    /// The number of steps of the loading that starts now (at least 25), while the splash is up.
    void setLoadingRange(int steps);

    // ToolHost: what the tools reach.
    Platform &platform() override { return m_platform; }
    const SoundCuePlayer &sounds() const override { return m_sounds; }
    const AppFolder &folder() const override { return m_folder; }
    QWidget *dialogParent() override { return this; }
    CampaignSession &campaignSession() override { return m_campaignSession; }
    PartServices &services() override { return m_services; }
    void placeOnTab(MainTab tab, QWidget *tools) override;
    void showTab(MainTab tab) override;
    void showPage(StripPage page) override;
    void placeOnPage(StripPage page, QWidget *tools) override;
    StripPage currentPage(TabStrip strip) const override;
    void onPageChanged(TabStrip strip, QObject *context, std::function<void()> slot) override;
    void onFirstShown(MainTab tab, QObject *context, std::function<void()> build) override;
    void onFirstShown(StripPage page, QObject *context, std::function<void()> build) override;
    QAction *toolBarAction(const QString &key) const override;
    void addToMenu(MainMenu menu, QAction *action) override;

    /// A loaded or new campaign to the tab choices and every part, with the session quiet.
    void applyCampaign(const CampaignModel &model);
    /// Pending edits committed, then the tab choices and every part's data into `model`.
    void collectCampaign(CampaignModel &model);
    void commitPendingEdits();
    void saveModifiedDocuments();

    // For the campaign's life cycle.
    ProgramState &state() { return m_state; }
    SessionSettings &sessionSettings() { return m_session; }
    SoundCues &soundCues() { return m_soundCues; }
    /// The campaign's life cycle; main.cpp (or a test) installs it before Form_Load.
    CampaignCommands &campaign();
    void setCampaignCommands(std::unique_ptr<CampaignCommands> commands);
    QWidget *pctTab(MainTab tab) const;
    const MainMenus &menus() const { return m_menus; }
    QTimer *tmrAutoSave() const { return m_tmrAutoSave; }
    const QString &helpFile() const { return m_helpFile; }

    /// Status bar panel 2: the current campaign path, or "New un-named campaign".
    void showCampaignPath();
    /// The recent-files list and its menu items.
    void AddToRecentFiles(const QString &path);
    void SaveSessionSettings();
    void refreshRecentFilesMenu();
    /// Set the state together with its check box, without a click or a modified mark (for
    /// loading a campaign's options).
    void setSoundsOn(bool on);
    void setTipFlag(bool on);
    void setOpenLastCampaign(bool on);
    /// Starts tmrAutoSave (every 60000 ms) while timed save is on, stops it otherwise.
    void SetAutoSaveTimer();
    bool AskSaveCampaign();
    void showHelp();

    /// A file handed over by a second start: the window comes to the front and opens it as
    /// File > Open would, once no dialog is open and start-up has finished.
    void receiveHandedOver(const QString &path);

    /// The shipped icon of the application folder, or a drawn one when it is missing.
    QIcon programIcon() const;
    static QString smallScreenWarning(int width, int height);

signals:
    /// Each message that reached the splash window, in order.
    void loadingMessageShown(const QString &text);
    void firstActivationDone();
    /// The window has closed and the closing sequence has run.
    void unloaded();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectCommands();
    void Form_QueryUnload(QCloseEvent *event);
    void mnuFileExit_Click();
    void showTrayIcon();
    void checkScreenResolution();
    void centreOnScreen();
    void applySessionSettings();
    void tbToolBar_ButtonClick(const QString &key);
    void mnuFileMRU_Click(int index);
    void SoundCheck_Click(bool on);
    void Check1_Click(bool on);
    int twipsToPixels(int twips) const;
    void installParts();
    void openWhenIdle(const QString &path);

    AppFolder m_folder;
    Platform &m_platform;
    ProgramState m_state;
    CampaignSession m_campaignSession;
    PartServices m_services;
    /// From the start of loading to the end of the first activation.
    std::unique_ptr<CampaignSession::QuietGuard> m_startingUp;
    SessionSettings m_session;
    SoundCues m_soundCues;
    SoundCuePlayer m_sounds;
    std::unique_ptr<CampaignCommands> m_campaign;
    std::unique_ptr<VelmoraSplash> m_splash;
    std::unique_ptr<MainSwitches> m_switches; ///< for the options dialog, among the part services
    QString m_helpFile;

    MainMenus m_menus;
    MainToolBar *m_toolBar;
    MainTabs *m_tabs;
    MainStatusBar *m_statusBar;
    QTimer *m_tmrAutoSave;
    QSystemTrayIcon *m_trayArea = nullptr;
    bool m_activationQueued = false;
    bool m_closed = false;
    /// Last, so that the parts go before anything they use.
    std::vector<std::unique_ptr<CampaignPart>> m_parts;
};

} // namespace Velmora
