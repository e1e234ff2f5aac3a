#include "gui/app/VelmoraForm.h"

#include "core/common/Version.h"
#include "gui/app/CampaignCommands.h"
#include "gui/app/ClosingSequence.h"
#include "gui/app/InstalledParts.h"
#include "gui/app/MainStatusBar.h"
#include "gui/app/MainSwitches.h"
#include "gui/app/MainTabs.h"
#include "gui/app/MainToolBar.h"
#include "gui/app/VelmoraSplash.h"
#include "gui/app/frmTip.h"
#include "gui/options/PictureBox.h"
#include "gui/options/PictureShelf.h"
#include "core/persistence/CampaignModel.h"
#include "gui/ui/CampaignPart.h"
#include "gui/ui/Platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr int AutoSaveTickMs = 60000;
constexpr int TwipsPerInch = 1440;
constexpr int HandOverRetryMs = 200;

QString finishingMessage(int dots)
{
    return VelmoraForm::tr("Finishing loading. Please wait") + QString(dots, u'.');
}

} // namespace

VelmoraForm::VelmoraForm(AppFolder folder, Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_folder(std::move(folder))
    , m_platform(platform)
    , m_session(m_folder)
    , m_soundCues(m_folder)
    , m_sounds(m_soundCues, m_state, m_platform)
    , m_menus(MainMenus::build(this))
    , m_toolBar(new MainToolBar(this))
    , m_tabs(new MainTabs(this))
    , m_statusBar(new MainStatusBar(this))
    , m_tmrAutoSave(new QTimer(this))
{
    setObjectName(u"VelmoraForm"_s);
    // "[*]": the title shows the campaign's unsaved changes, as desktop programs do.
    setWindowTitle(tr("Velmora") + u"[*]"_s);
    connect(&m_campaignSession, &CampaignSession::modifiedChanged, this, &QWidget::setWindowModified);
    // Every window of the program, dialogs included, shows the program icon.
    QGuiApplication::setWindowIcon(programIcon());
    setWindowIcon(QGuiApplication::windowIcon());
    addToolBar(m_toolBar);
    setCentralWidget(m_tabs);
    setStatusBar(m_statusBar);
    m_tmrAutoSave->setObjectName(u"tmrAutoSave"_s);
    m_tmrAutoSave->setInterval(AutoSaveTickMs);
    resize(1000, 700);
    connectCommands();
    installParts();
}

VelmoraForm::~VelmoraForm() = default;

void VelmoraForm::installParts()
{
    // The parts fill their tabs and menus now; nothing of that is a change of the campaign.
    const CampaignSession::QuietGuard quiet(m_campaignSession);
    m_switches = std::make_unique<MainSwitches>(*this);
    m_services.provide<ProgramSwitches>(m_switches.get());
    m_parts = InstalledParts::create(*this);
}

void VelmoraForm::applyCampaign(const CampaignModel &model)
{
    const CampaignSession::QuietGuard quiet(m_campaignSession);
    m_tabs->applyLayout(model.layout);
    for (const auto &part : m_parts)
        part->applyCampaign(model);
}

void VelmoraForm::collectCampaign(CampaignModel &model)
{
    commitPendingEdits();
    m_tabs->collectLayout(model.layout);
    for (const auto &part : m_parts)
        part->collectCampaign(model);
}

void VelmoraForm::commitPendingEdits()
{
    for (const auto &part : m_parts)
        part->commitPendingEdits();
}

void VelmoraForm::saveModifiedDocuments()
{
    for (const auto &part : m_parts)
        part->saveModifiedDocuments();
}

void VelmoraForm::connectCommands()
{
    const auto onTrigger = [this](QAction *action, void (CampaignCommands::*command)()) {
        connect(action, &QAction::triggered, this, [this, command] { (campaign().*command)(); });
    };
    onTrigger(m_menus.mnuFileNew, &CampaignCommands::mnuFileNew_Click);
    onTrigger(m_menus.mnuFileOpen, &CampaignCommands::mnuFileOpen_Click);
    onTrigger(m_menus.mnuFileSave, &CampaignCommands::mnuFileSave_Click);
    onTrigger(m_menus.mnuFileSaveAs, &CampaignCommands::mnuFileSaveAs_Click);
    for (int i = 0; i < MainMenus::RecentItems; ++i)
        connect(m_menus.mnuFileMRU[i], &QAction::triggered, this, [this, i] { mnuFileMRU_Click(i); });
    connect(m_menus.mnuFileExit, &QAction::triggered, this, &VelmoraForm::mnuFileExit_Click);
    connect(m_menus.mnuHelpContents, &QAction::triggered, this, &VelmoraForm::showHelp);
    connect(m_toolBar, &MainToolBar::buttonClick, this, &VelmoraForm::tbToolBar_ButtonClick);
    connect(m_statusBar->SoundCheck(), &QCheckBox::toggled, this, &VelmoraForm::SoundCheck_Click);
    connect(m_statusBar->Check1(), &QCheckBox::toggled, this, &VelmoraForm::Check1_Click);
    connect(m_tmrAutoSave, &QTimer::timeout, this, [this] { campaign().tmrAutoSave_Timer(); });
}

CampaignCommands &VelmoraForm::campaign()
{
    Q_ASSERT_X(m_campaign, "VelmoraForm", "install the campaign life cycle with setCampaignCommands()");
    return *m_campaign;
}

void VelmoraForm::setCampaignCommands(std::unique_ptr<CampaignCommands> commands)
{
    if (commands)
        m_campaign = std::move(commands);
}

QWidget *VelmoraForm::pctTab(MainTab tab) const
{
    return m_tabs->pctTab(tab);
}

void VelmoraForm::placeOnTab(MainTab tab, QWidget *tools)
{
    m_tabs->placeTools(tab, tools);
}

void VelmoraForm::showTab(MainTab tab)
{
    m_tabs->setCurrentIndex(int(tab));
}

void VelmoraForm::showPage(StripPage page)
{
    m_tabs->showPage(page);
}

void VelmoraForm::placeOnPage(StripPage page, QWidget *tools)
{
    m_tabs->placeOnPage(page, tools);
}

StripPage VelmoraForm::currentPage(TabStrip strip) const
{
    return m_tabs->currentPage(strip);
}

void VelmoraForm::onPageChanged(TabStrip strip, QObject *context, std::function<void()> slot)
{
    connect(m_tabs->strip(strip), &QTabWidget::currentChanged, context, [slot = std::move(slot)] { slot(); });
}

void VelmoraForm::onFirstShown(MainTab tab, QObject *context, std::function<void()> build)
{
    m_tabs->onFirstShown(tab, context, std::move(build));
}

void VelmoraForm::onFirstShown(StripPage page, QObject *context, std::function<void()> build)
{
    m_tabs->onFirstShown(page, context, std::move(build));
}

QAction *VelmoraForm::toolBarAction(const QString &key) const
{
    return m_toolBar->button(key);
}

void VelmoraForm::addToMenu(MainMenu menu, QAction *action)
{
    // The menu owns its items, so that the window finds each by its name.
    action->setParent(m_menus.menu(menu));
    m_menus.menu(menu)->addAction(action);
}

void VelmoraForm::Form_Load()
{
    showTrayIcon();
    m_state.loading = true;
    m_state.startingUp = true;
    m_startingUp = std::make_unique<CampaignSession::QuietGuard>(m_campaignSession);
    m_statusBar->setPanelText(1, tr("Version %1").arg(Version::text()));
    m_helpFile = m_folder.file(u"Help/index.html"_s);

    m_state.splashActive = true;
    m_splash = std::make_unique<VelmoraSplash>();
    m_splash->setProgressRange(0, VelmoraSplash::LeastMax);
    m_splash->showWhileLoading();

    // The default pictures are the picture table's own (ImageEntry::defaultList).
    ShowLoadingMessage(tr("Loading default pictures"));
    // The default sounds are SoundCues' own; no campaign has configured others yet.
    ShowLoadingMessage(tr("Loading default sounds"));
    for (int event = 0; event < SoundCues::Count; ++event)
        m_soundCues.setConfiguredPath(static_cast<SoundEvent>(event), QString());
    ShowLoadingMessage(tr("Loading default options"));
    m_state.saveOnClose = true;
    setSoundsOn(true);
    setTipFlag(true);
    setOpenLastCampaign(false);
    // The custom-tools menu, the resource frames' captions and the list layouts are set up
    // here by those tools once they exist.

    // The Battle Box and the statistics lists draw their striped rows here once they exist.
    ShowLoadingMessage(tr("Battle Box set-up"));
    ShowLoadingMessage(tr("Statistic Box set-up"));
    ShowLoadingMessage(tr("Checking screen resolution."));
    checkScreenResolution();
    centreOnScreen();
    applySessionSettings();
}

void VelmoraForm::InitMainWindow(const QString &path)
{
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        AddToRecentFiles(path);
        setOpenLastCampaign(true);
    }
    campaign().OpenCampaign(true);
    m_platform.random().seed(m_platform.clock().timerTicks());
    for (int dots : {0, 3, 6, 9, 12})
        ShowLoadingMessage(finishingMessage(dots));
    // The campaign clock selects its first current month here once it exists.
    for (int dots : {15, 18, 21})
        ShowLoadingMessage(finishingMessage(dots));
    if (m_splash)
        m_splash->close();
    m_splash.reset();
    m_state.loading = false;
}

void VelmoraForm::ShowLoadingMessage(const QString &text)
{
    if (!m_state.splashActive || !m_splash)
        return;
    m_splash->ShowLoadingMessage(text);
    emit loadingMessageShown(text);
}

void VelmoraForm::setLoadingRange(int steps)
{
    if (m_state.splashActive && m_splash)
        m_splash->setProgressRange(0, steps);
}

void VelmoraForm::Form_Activate()
{
    if (!m_state.splashActive)
        return;
    m_state.splashActive = false;
    // The document viewers reset their edit toggles and modified flags around the intro sound,
    // and the lists hook their column drags after the tip window, once they exist.
    m_sounds.play(SoundEvent::Intro);
    m_state.startingUp = false;
    m_startingUp.reset();
    if (m_statusBar->Check1()->isChecked()) {
        frmTip tip(m_folder, m_platform.random(), this);
        if (PictureShelf *pictures = m_services.find<PictureShelf>())
            tip.setPicture(pictures->make(u"tip"_s, u"Image1"_s));
        m_platform.execDialog(tip);
    }
    emit firstActivationDone();
}

bool VelmoraForm::event(QEvent *event)
{
    // The first activation finishes start-up. It runs after the event, so that its sound and
    // the tip window do not play inside the window system's activation; the first showing
    // counts too, in case the window system never activates the window.
    const bool activation = event->type() == QEvent::WindowActivate || event->type() == QEvent::Show;
    if (activation && m_state.splashActive && !m_activationQueued) {
        m_activationQueued = true;
        QTimer::singleShot(0, this, &VelmoraForm::Form_Activate);
    }
    return QMainWindow::event(event);
}

void VelmoraForm::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload(event);
}

void VelmoraForm::Form_QueryUnload(QCloseEvent *event)
{
    // Every kind of close (close box, Exit, end of session) is allowed and runs the sequence.
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    if (!CloseProgram()) {
        // The campaign could not be saved and the user keeps the program open to save it
        // elsewhere: nothing is lost.
        m_closed = false;
        event->ignore();
        return;
    }
    if (m_trayArea)
        m_trayArea->hide();
    emit unloaded();
}

void VelmoraForm::mnuFileExit_Click()
{
    close();
}

bool VelmoraForm::CloseProgram()
{
    // Text still being typed is part of what the closing sequence saves or asks about.
    commitPendingEdits();
    return ClosingSequence(m_state, m_campaignSession, m_platform, campaign(), m_session, m_sounds, this)
        .CloseProgram();
}

bool VelmoraForm::AskSaveCampaign()
{
    return ClosingSequence::AskSaveCampaign(m_platform, m_campaignSession.path());
}

void VelmoraForm::showTrayIcon()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!m_trayArea) {
        m_trayArea = new QSystemTrayIcon(programIcon(), this);
        m_trayArea->setObjectName(u"TrayArea1"_s);
        connect(m_trayArea, &QSystemTrayIcon::activated, this, [this] {
            showNormal();
            raise();
            activateWindow();
        });
    }
    m_trayArea->setToolTip(tr("Velmora %1").arg(Version::text()));
    m_trayArea->show();
}

void VelmoraForm::receiveHandedOver(const QString &path)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    openWhenIdle(path);
}

// A dialog that is open has the user's attention and may be about to change the campaign: the
// file waits for it (and for the start-up open) to be done.
void VelmoraForm::openWhenIdle(const QString &path)
{
    if (m_state.loading || QApplication::activeModalWidget()) {
        QTimer::singleShot(HandOverRetryMs, this, [this, path] { openWhenIdle(path); });
        return;
    }
    campaign().OpenHandedOver(path);
}

QString VelmoraForm::smallScreenWarning(int width, int height)
{
    return tr("The current screen resolution is %1 x %2. Best screen resolution for Velmora to display properly is 1024 x 768.")
        .arg(width)
        .arg(height);
}

void VelmoraForm::checkScreenResolution()
{
    const QSize screen = m_platform.screenSize();
    // Only a screen small in both directions gets the warning.
    if (screen.width() < 1024 && screen.height() < 768) {
        m_state.smallScreen = true;
        m_platform.exclamation(tr("Velmora"), smallScreenWarning(screen.width(), screen.height()));
    }
}

void VelmoraForm::centreOnScreen()
{
    const QSize screen = m_platform.screenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

int VelmoraForm::twipsToPixels(int twips) const
{
    return twips * qMax(1, logicalDpiX()) / TwipsPerInch;
}

void VelmoraForm::applySessionSettings()
{
    const SessionSettings::Applied applied = m_session.ApplySessionSettings();
    switch (applied.placement) {
    case SessionSettings::Placement::Maximised:
        setWindowState(windowState() | Qt::WindowMaximized);
        break;
    case SessionSettings::Placement::TopLeftSized:
        move(0, 0);
        resize(twipsToPixels(applied.widthTwips), twipsToPixels(applied.heightTwips));
        break;
    case SessionSettings::Placement::Unchanged:
        break;
    }
    m_campaignSession.setPath(applied.campaignPath);
    m_state.openLastCampaign = m_session.openLastCampaign();
    refreshRecentFilesMenu();
}

void VelmoraForm::showCampaignPath()
{
    const QString &path = m_campaignSession.path();
    m_statusBar->setPanelText(2, path.isEmpty() ? tr("New un-named campaign") : path);
}

void VelmoraForm::AddToRecentFiles(const QString &path)
{
    m_session.AddToRecentFiles(path);
    refreshRecentFilesMenu();
}

void VelmoraForm::SaveSessionSettings()
{
    m_session.SaveSessionSettings(m_campaignSession.path(), m_state.version3Loaded);
    refreshRecentFilesMenu();
}

void VelmoraForm::refreshRecentFilesMenu()
{
    m_menus.showRecentFiles(m_session.menuCaptions(), m_session.separatorVisible());
}

void VelmoraForm::mnuFileMRU_Click(int index)
{
    const QString path = m_menus.mnuFileMRU[index]->data().toString();
    if (SessionSettings::OpenRecentEntry(path) == SessionSettings::RecentEntryAction::Open)
        campaign().OpenRecentFile(path);
    else
        m_platform.information(SessionSettings::notFoundTitle(), SessionSettings::notFoundText());
}

void VelmoraForm::setSoundsOn(bool on)
{
    m_state.soundsOn = on;
    const QSignalBlocker quiet(m_statusBar->SoundCheck());
    m_statusBar->SoundCheck()->setChecked(on);
}

void VelmoraForm::setTipFlag(bool on)
{
    m_state.tipFlag = on;
    const QSignalBlocker quiet(m_statusBar->Check1());
    m_statusBar->Check1()->setChecked(on);
}

void VelmoraForm::setOpenLastCampaign(bool on)
{
    m_state.openLastCampaign = on;
    m_session.setOpenLastCampaign(on);
}

void VelmoraForm::SoundCheck_Click(bool on)
{
    m_state.soundsOn = on;
    if (m_state.loading)
        return;
    // The click plays under the new setting, and the setting is saved with the campaign.
    m_sounds.play(SoundEvent::Click);
    m_campaignSession.markModified();
}

void VelmoraForm::Check1_Click(bool on)
{
    m_state.tipFlag = on;
    m_campaignSession.markModified();
}

void VelmoraForm::SetAutoSaveTimer()
{
    if (m_state.timedSave) {
        m_tmrAutoSave->start(AutoSaveTickMs);
    } else {
        m_tmrAutoSave->stop();
        m_tmrAutoSave->setInterval(0);
    }
}

void VelmoraForm::tbToolBar_ButtonClick(const QString &key)
{
    m_sounds.play(SoundEvent::Click);
    // The toolbar's New is the menu's: a campaign whose save failed keeps its name.
    if (key == u"New") {
        campaign().mnuFileNew_Click();
    } else if (key == u"Open") {
        campaign().mnuFileOpen_Click();
    } else if (key == u"Save") {
        campaign().SaveOrSaveAs();
    } else if (key == u"SaveAs") {
        campaign().SaveCampaignAs();
    } else if (key == u"Help") {
        showHelp();
    }
    // "ask" opens the oracle of the game table's tools, on the button's own action.
}

void VelmoraForm::showHelp()
{
    m_platform.showHelp(m_helpFile.isEmpty() ? m_folder.file(u"Help/index.html"_s) : m_helpFile);
}

QIcon VelmoraForm::programIcon() const
{
    const QIcon shipped(m_folder.file(u"\\Icons\\Velmora.ico"_s));
    if (!shipped.availableSizes().isEmpty())
        return shipped;
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x5a, 0x2e, 0x12));
    painter.setPen(QPen(QColor(0xd4, 0xa0, 0x3a), 3));
    painter.drawEllipse(QRectF(3, 3, 58, 58));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(38);
    painter.setFont(font);
    painter.setPen(QColor(0xf2, 0xe6, 0xc9));
    painter.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, u"V"_s);
    painter.end();
    return QIcon(pixmap);
}

} // namespace Velmora
