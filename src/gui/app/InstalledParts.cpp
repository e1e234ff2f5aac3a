#include "gui/app/InstalledParts.h"

#include "gui/archive/ArchiveTools.h"
#include "gui/archive/EncryptionCommands.h"
#include "gui/calendar/CalendarTools.h"
#include "gui/documents/DocumentsTools.h"
#include "gui/documents/ReferenceTools.h"
#include "gui/generators/GeneratorTools.h"
#include "gui/maps/MapsTools.h"
#include "gui/options/OptionsTools.h"
#include "gui/search/SearchTools.h"
#include "gui/table/TableTools.h"

namespace Velmora {

std::vector<std::unique_ptr<CampaignPart>> InstalledParts::create(ToolHost &host)
{
    std::vector<std::unique_ptr<CampaignPart>> parts;
    // First: it provides the pictures and captions the others use, and at a save the parts
    // after it (the calendar and its wizard's picture) have the last word on their own data.
    parts.push_back(std::make_unique<OptionsTools>(host));
    parts.push_back(std::make_unique<CalendarTools>(host));
    parts.push_back(std::make_unique<TableTools>(host));
    parts.push_back(std::make_unique<MapsTools>(host));
    parts.push_back(std::make_unique<EncryptionCommands>(host));
    parts.push_back(std::make_unique<GeneratorTools>(host));
    parts.push_back(std::make_unique<ReferenceTools>(host));
    parts.push_back(std::make_unique<DocumentsTools>(host));
    // Last (these two): they keep the campaign that every other part has collected at a save.
    parts.push_back(std::make_unique<SearchTools>(host));
    parts.push_back(std::make_unique<ArchiveTools>(host));
    return parts;
}

} // namespace Velmora
