#include "gui/archive/ArchiveTools.h"

#include "core/app/CampaignSession.h"
#include "gui/archive/frmArchiveBuild.h"
#include "gui/archive/frmArchiveExtract.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace Velmora {

ArchiveTools::ArchiveTools(ToolHost &host)
    : m_host(host)
    , m_saved(CampaignModel::newCampaign())
{
    auto *build = new QAction(tr("Build archive..."), this);
    build->setObjectName(u"mnuToolsArchiveBuild"_s);
    auto *extract = new QAction(tr("Extract archive..."), this);
    extract->setObjectName(u"mnuToolsArchiveExtract"_s);
    m_host.addToMenu(MainMenu::Tools, build);
    m_host.addToMenu(MainMenu::Tools, extract);
    connect(build, &QAction::triggered, this, &ArchiveTools::mnuToolsArchiveBuild_Click);
    connect(extract, &QAction::triggered, this, &ArchiveTools::mnuToolsArchiveExtract_Click);
}

void ArchiveTools::mnuToolsArchiveBuild_Click()
{
    Platform &platform = m_host.platform();
    frmArchiveBuild form(platform, m_host.folder(), m_saved, m_host.campaignSession().path(), platform.userName(),
        m_host.dialogParent());
    platform.execDialog(form);
}

void ArchiveTools::mnuToolsArchiveExtract_Click()
{
    frmArchiveExtract form(m_host.platform(), m_host.dialogParent());
    m_host.platform().execDialog(form);
}

} // namespace Velmora
