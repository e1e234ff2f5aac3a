#include "gui/options/OptionsTools.h"

#include "core/app/CampaignSession.h"
#include "core/common/AppFolder.h"
#include "core/options/OptionsRules.h"
#include "core/persistence/CampaignModel.h"
#include "gui/options/PictureBox.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/options/frmAbout.h"
#include "gui/options/frmListReset.h"
#include "gui/options/frmOptions.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ProgramSwitches.h"
#include "gui/ui/ToolHost.h"

#include <QAction>
#include <QHBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

OptionsTools::OptionsTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_pictures(host)
{
    setObjectName(u"OptionsTools"_s);
    host.services().provide<PictureShelf>(&m_pictures);
    host.services().provide<FrameLabels>(&m_labels);

    auto *options = new QAction(tr("&Options..."), this);
    options->setObjectName(u"mnuToolsOptions"_s);
    host.addToMenu(MainMenu::Tools, options);
    connect(options, &QAction::triggered, this, &OptionsTools::mnuToolsOptions_Click);
    auto *about = new QAction(tr("&About Velmora..."), this);
    about->setObjectName(u"mnuHelpAbout"_s);
    host.addToMenu(MainMenu::Help, about);
    connect(about, &QAction::triggered, this, &OptionsTools::mnuHelpAbout_Click);

    auto *main = new QWidget;
    main->setObjectName(u"OptionsToolsMain"_s);
    main->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum); // the tab's other tools get the room
    auto *row = new QHBoxLayout(main);
    row->addWidget(m_pictures.make(u"main"_s, u"PictureImage"_s, main), 0, Qt::AlignTop);
    row->addStretch();
    host.placeOnTab(MainTab::Main, main);
    // The classes tab's picture; the class lists sit beside it on the same tab.
    host.onFirstShown(MainTab::Classes, this,
        [this] { m_host.placeOnTab(MainTab::Classes, m_pictures.make(u"class"_s, u"ClassImage"_s)); });
}

OptionsTools::~OptionsTools() = default;

void OptionsTools::applyCampaign(const CampaignModel &model)
{
    m_tools = model.tools;
    m_labels = model.labels;
    m_pictures.load(model.images);
    showToolsMenu();
}

void OptionsTools::collectCampaign(CampaignModel &model)
{
    model.tools = m_tools;
    model.labels = m_labels;
    model.images = m_pictures.table().entries();
}

OptionsValues OptionsTools::currentValues() const
{
    OptionsValues values;
    if (const ProgramSwitches *switches = m_host.services().find<ProgramSwitches>()) {
        values.options = switches->switches();
        values.openLastCampaign = switches->openLastCampaign();
    }
    if (const MoonDisplay *moons = m_host.services().find<MoonDisplay>())
        values.options.showMoons = moons->showMoons();
    values.tools = m_tools;
    values.labels = m_labels;
    return values;
}

void OptionsTools::mnuToolsOptions_Click()
{
    m_host.sounds().play(SoundEvent::Click);
    frmOptions dialog(m_host.platform(), m_host.sounds(), m_host.folder(), m_host.dialogParent());
    dialog.init(currentValues());
    connect(&dialog, &frmOptions::applied, this, &OptionsTools::apply);
    connect(&dialog, &frmOptions::resetListsRequested, this, &OptionsTools::openListReset);
    m_host.platform().execDialog(dialog);
}

// The pages to the program and the campaign. Everything here is saved with the campaign, so a
// change marks it modified (the session's "reopen last campaign" alone does not).
void OptionsTools::apply(const OptionsValues &values)
{
    const OptionsValues before = currentValues();
    if (ProgramSwitches *switches = m_host.services().find<ProgramSwitches>())
        switches->applySwitches(values.options, values.openLastCampaign);
    if (MoonDisplay *moons = m_host.services().find<MoonDisplay>())
        moons->setShowMoons(values.options.showMoons);
    m_tools = values.tools;
    showToolsMenu();
    const bool retitled = m_labels != values.labels;
    m_labels = values.labels;
    if (retitled)
        m_host.services().announce(SharedData::LabelCaptions);
    OptionsValues compared = values;
    compared.openLastCampaign = before.openLastCampaign;
    if (compared != before)
        m_host.campaignSession().markModified();
}

void OptionsTools::openListReset()
{
    frmListReset window(m_host.dialogParent());
    connect(&window, &frmListReset::resetChosen, this, [this](const QList<LayoutList> &lists) {
        for (LayoutList list : lists)
            m_host.services().resetColumns(list);
        if (!lists.isEmpty())
            m_host.campaignSession().markModified();
    });
    m_host.platform().execDialog(window);
}

void OptionsTools::showToolsMenu()
{
    qDeleteAll(m_toolCommands);
    m_toolCommands.clear();
    for (int i = 0; i < m_tools.size(); ++i) {
        // The caption is the tool's name as typed: an "&" in it is shown, not a shortcut.
        auto *command = new QAction(QString(m_tools[i].name).replace(u"&"_s, u"&&"_s), this);
        command->setObjectName(u"mnuToolsCustom"_s);
        command->setProperty("index", i);
        const QString name = m_tools[i].name;
        connect(command, &QAction::triggered, this, [this, name] { startTool(name); });
        m_host.addToMenu(MainMenu::Tools, command);
        m_toolCommands << command;
    }
}

void OptionsTools::startTool(const QString &name)
{
    m_host.sounds().play(SoundEvent::Click);
    const CustomTool *tool = OptionsRules::toolNamed(m_tools, name);
    // A program that cannot be started is not reported.
    if (tool)
        m_host.platform().startProgram(m_host.folder().storedFile(tool->path), tool->commandLine);
}

void OptionsTools::mnuHelpAbout_Click()
{
    m_host.sounds().play(SoundEvent::Click);
    frmAbout about(m_host.platform(), m_host.folder(), m_pictures, m_host.dialogParent());
    m_host.platform().execDialog(about);
}

} // namespace Velmora
