#include "core/options/OptionsRules.h"

#include "core/common/AppFolder.h"

using namespace Qt::StringLiterals;

namespace Velmora {

int OptionsRules::intervalUp(int minutes) { return minutes + 1 < MaxInterval + 1 ? minutes + 1 : MaxInterval; }

int OptionsRules::intervalDown(int minutes) { return minutes >= MinInterval + 1 ? minutes - 1 : minutes; }

// The stored-path rule decides "inside": a sound is kept relative to the application folder,
// so a campaign finds it again on another machine.
std::optional<QString> OptionsRules::soundShortPath(const AppFolder &folder, const QString &chosen)
{
    if (chosen.startsWith(u'\\'))
        return std::nullopt; // already a short path: not a file that was chosen
    const QString stored = folder.storedPath(chosen);
    if (!stored.startsWith(u"\\Sounds\\"_s, Qt::CaseInsensitive))
        return std::nullopt;
    return stored;
}

QString OptionsRules::soundOutsideTitle()
{
    return u"Velmora OPtions"_s; // sic: the title as the program has always spelt it
}

QString OptionsRules::soundOutsideText()
{
    return u"The sound file must be in the application 'Sounds' sub-directory."_s;
}

bool OptionsRules::addTool(QList<CustomTool> &tools, const CustomTool &tool)
{
    if (tools.contains(tool))
        return false;
    tools.append(tool);
    return true;
}

QString OptionsRules::duplicateTitle() { return u"Duplicate Found"_s; }

QString OptionsRules::duplicateText() { return u"An exact duplicate exists."_s; }

const CustomTool *OptionsRules::toolNamed(const QList<CustomTool> &tools, const QString &caption)
{
    for (const CustomTool &tool : tools) {
        if (tool.name == caption)
            return &tool;
    }
    return nullptr;
}

} // namespace Velmora
