#include "gui/search/SearchTools.h"

#include "gui/options/SoundCuePlayer.h"
#include "gui/search/CampaignSearchDialog.h"
#include "gui/ui/FoundMatch.h"
#include "gui/ui/PartServices.h"
#include "gui/ui/Platform.h"
#include "gui/ui/SearchHitOpener.h"
#include "gui/ui/ToolHost.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

template <SearchPlaceKind Kind> std::function<void(FoundMatch &)> openerFor(const PartServices &services)
{
    SearchHitOpener<Kind> *opener = services.find<SearchHitOpener<Kind>>();
    if (!opener)
        return {};
    return [opener](FoundMatch &match) { opener->openHit(match); };
}

} // namespace

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
    CampaignSearchDialog dialog(
        m_host, m_model, m_host.dialogParent(), [this](const QString &where) { return bool(openerOf(where)); });
    if (!m_lastText.isEmpty())
        dialog.search(m_lastText, m_lastOptions);
    m_host.platform().execDialog(dialog);
    m_lastText = dialog.searched();
    m_lastOptions = dialog.options();
    if (const std::optional<SearchHit> &hit = dialog.chosenHit()) {
        FoundMatch match(m_host.platform(), *hit, dialog.searched(), dialog.options());
        openerOf(hit->where)(match);
    }
}

std::function<void(FoundMatch &)> SearchTools::openerOf(const QString &where) const
{
    const PartServices &services = m_host.services();
    if (where.startsWith(u"notes:"_s))
        return openerFor<SearchPlaceKind::Notes>(services);
    if (where.startsWith(u"list:"_s))
        return openerFor<SearchPlaceKind::List>(services);
    if (where == u"battlebox-notes"_s)
        return openerFor<SearchPlaceKind::BattleBoxNotes>(services);
    if (where == u"agenda"_s || where == u"almanach"_s)
        return openerFor<SearchPlaceKind::Calendar>(services);
    if (where.startsWith(u"map-note:"_s))
        return openerFor<SearchPlaceKind::MapNote>(services);
    return {};
}

} // namespace Velmora
