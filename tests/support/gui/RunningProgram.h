#pragma once

#include "core/persistence/Campaign.h"
#include "gui/app/CampaignLifecycle.h"
#include "gui/app/VelmoraForm.h"
#include "support/TestHome.h"
#include "support/gui/ScriptedPlatform.h"

#include <QDir>

#include <memory>

namespace Velmora {

/// The whole program over a fresh application folder (with an empty "Campaigns" folder and the
/// three default notes documents), started
/// with a new un-named campaign and its real life cycle; the platform's record starts empty.
struct RunningProgram
{
    TestHome home;
    ScriptedPlatform platform;
    Campaign campaign{home.folder()};
    VelmoraForm form{home.folder(), platform};

    RunningProgram()
    {
        QDir().mkpath(home.file(QStringLiteral("Campaigns")));
        // The shipped notes documents, which a new campaign names.
        for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot)
            home.write(NotesDocuments::defaultFile(slot).mid(1).replace(u'\\', u'/'), "{\\rtf1\\par}");
        form.setCampaignCommands(std::make_unique<CampaignLifecycle>(form, campaign));
        form.Form_Load();
        form.InitMainWindow(QString());
        form.Form_Activate();
        platform.clearCalls();
        platform.scriptedRandom().calls = 0; // the start's new campaign rolled its weather
    }
};

} // namespace Velmora
