#pragma once

#include "core/app/ProgramState.h"
#include "core/app/SessionSettings.h"
#include "core/common/AppFolder.h"
#include "core/options/SoundCues.h"
#include "gui/app/MainMenus.h"
#include "gui/options/SoundCuePlayer.h"

#include <QList>
#include <QMainWindow>

#include <memory>

class QSystemTrayIcon;
class QTimer;

namespace Velmora {

class CalendarTools;
class CampaignCommands;
class MainStatusBar;
class MainTabs;
class MainToolBar;
class Platform;
class VelmoraSplash;

/// A file the program uses unless the campaign names another one: its key and its path
/// relative to the application folder.
struct DefaultFile
{
    QString key;
    QString relativePath;
};

/// The main window: the tabs, menus, toolbar, status bar, autosave timer and notification-area
/// icon, the program-wide state, and the start-up, first-activation and closing sequences. The
/// tools sit on the tab pages; the campaign's life cycle is a CampaignCommands.
///
/// Start-up, as the entry procedure runs it: construct, Form_Load(), InitMainWindow(path),
/// show(). The first activation then runs Form_Activate(); closing the window runs
/// CloseProgram().
class VelmoraForm : public QMainWindow
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

    // For the campaign's life cycle and the tools.
    ProgramState &state() { return m_state; }
    Platform &platform() { return m_platform; }
    const AppFolder &folder() const { return m_folder; }
    SessionSettings &sessionSettings() { return m_session; }
    SoundCues &soundCues() { return m_soundCues; }
    const SoundCuePlayer &sounds() const { return m_sounds; }
    /// The campaign's life cycle; main.cpp (or a test) installs it before Form_Load.
    CampaignCommands &campaign();
    void setCampaignCommands(std::unique_ptr<CampaignCommands> commands);
    QWidget *pctTab(int index) const;
    /// Puts a tab's tools on its page.
    void placeTools(int index, QWidget *tools);
    const MainMenus &menus() const { return m_menus; }
    CalendarTools &calendarTools() { return *m_calendarTools; }
    QTimer *tmrAutoSave() const { return m_tmrAutoSave; }
    const QList<DefaultFile> &defaultPictures() const { return m_defaultPictures; }
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
    void openOracle();
    int twipsToPixels(int twips) const;

    AppFolder m_folder;
    Platform &m_platform;
    ProgramState m_state;
    SessionSettings m_session;
    SoundCues m_soundCues;
    SoundCuePlayer m_sounds;
    std::unique_ptr<CampaignCommands> m_campaign;
    std::unique_ptr<VelmoraSplash> m_splash;
    QList<DefaultFile> m_defaultPictures;
    QString m_helpFile;

    MainMenus m_menus;
    MainToolBar *m_toolBar;
    MainTabs *m_tabs;
    MainStatusBar *m_statusBar;
    QTimer *m_tmrAutoSave;
    CalendarTools *m_calendarTools;
    QSystemTrayIcon *m_trayArea = nullptr;
    bool m_activationQueued = false;
    bool m_closed = false;
};

} // namespace Velmora
