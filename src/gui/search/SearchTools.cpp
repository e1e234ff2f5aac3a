#include "gui/search/SearchTools.h"

#include "gui/options/SoundCuePlayer.h"
#include "gui/search/CampaignSearchDialog.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace Velmora {

SearchTools::SearchTools(ToolHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    auto *action = new QAction(tr("Find in Campaign..."));
    action->setObjectName(u"mnuToolsFindInCampaign"_s);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(action, &QAction::triggered, this, &SearchTools::findInCampaign);
    m_host.addToMenu(MainMenu::Tools, action);
}

void SearchTools::findInCampaign()
{
    m_host.sounds().play(SoundEvent::Click);
    CampaignSearchDialog dialog(m_host, m_model, m_host.dialogParent());
    m_host.platform().execDialog(dialog);
}

} // namespace Velmora
