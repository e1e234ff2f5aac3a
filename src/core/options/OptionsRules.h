#pragma once

#include "core/options/CustomTool.h"

#include <QList>
#include <QString>

#include <optional>

namespace Velmora {

class AppFolder;

/// What the options dialog (and velmora-cli options) decide without a window: the timed-save
/// interval's arrows, where a sound file may come from, and the custom tools' duplicate rule.
class OptionsRules
{
public:
    static constexpr int MinInterval = 5;
    static constexpr int MaxInterval = 15;

    /// The up arrow: one minute more, held at 15 (a value beyond 15 comes back to 15).
    static int intervalUp(int minutes);
    /// The down arrow: one minute less from 6 on; a value under 6 stays as it is.
    static int intervalDown(int minutes);

    /// The short path a sound chosen at `chosen` is stored with ("\Sounds\Gong.wav"), or nothing
    /// when the file is not inside the application's Sounds folder (letter case ignored).
    static std::optional<QString> soundShortPath(const AppFolder &folder, const QString &chosen);
    static QString soundOutsideTitle();
    static QString soundOutsideText();

    /// Appends `tool` unless one with the same name, path and command line is there already;
    /// false for that exact duplicate. A tool differing in any one of them is another tool.
    static bool addTool(QList<CustomTool> &tools, const CustomTool &tool);
    static QString duplicateTitle();
    static QString duplicateText();
    /// The tool a Tools menu command starts: the first whose name is `caption`, or nullptr.
    static const CustomTool *toolNamed(const QList<CustomTool> &tools, const QString &caption);
};

} // namespace Velmora
