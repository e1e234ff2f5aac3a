#pragma once

#include "core/documents/FrameLabels.h"
#include "core/options/CustomTool.h"
#include "gui/options/OptionsValues.h"
#include "gui/options/PictureShelf.h"
#include "gui/ui/CampaignPart.h"

#include <QList>
#include <QObject>

class QAction;

namespace Velmora {

class ToolHost;

/// The options and auxiliary windows on the main window: the options dialog (mnuToolsOptions),
/// one Tools menu command per custom tool, the about box (mnuHelpAbout), the list-layout reset
/// window, and the replaceable pictures PictureImage (main tab) and ClassImage (classes tab).
///
/// What it keeps for the campaign: the custom tools (TOOLS), the list captions (LABELS) and the
/// picture table (IMAGES). Other parts reach them through the part services: the captions as a
/// FrameLabels, announced as SharedData::LabelCaptions when Apply or OK changes them; the
/// pictures as the PictureShelf, which makes any window's replaceable picture. The program's
/// switches are the main window's (ProgramSwitches), the moons' display the calendar's
/// (MoonDisplay). Install it before the parts whose pictures it must not overwrite at a save
/// (the calendar keeps the wizard's picture itself).
class OptionsTools : public QObject, public CampaignPart
{
    Q_OBJECT

public:
    explicit OptionsTools(ToolHost &host, QObject *parent = nullptr);
    ~OptionsTools() override;

    void applyCampaign(const CampaignModel &model) override;
    void collectCampaign(CampaignModel &model) override;
    void commitPendingEdits() override { }

    const QList<CustomTool> &tools() const { return m_tools; }
    const FrameLabels &labels() const { return m_labels; }
    PictureShelf &pictures() { return m_pictures; }

    void mnuToolsOptions_Click();
    void mnuHelpAbout_Click();
    /// The Tools menu command of the custom tool named `name`.
    void startTool(const QString &name);

private:
    OptionsValues currentValues() const;
    void apply(const OptionsValues &values);
    void openListReset();
    void showToolsMenu();

    ToolHost &m_host;
    QList<CustomTool> m_tools;
    FrameLabels m_labels = FrameLabels::defaults();
    PictureShelf m_pictures;
    QList<QAction *> m_toolCommands;
};

} // namespace Velmora
