#pragma once

#include <QJsonObject>
#include <QString>

namespace Velmora {

class AppFolder;
struct CampaignModel;

/// The options dialog's settings without the dialog, for velmora-cli options: shown as JSON and
/// changed one "KEY=VALUE" at a time under the dialog's own rules.
class OptionsSettings
{
public:
    /// {"options": {soundFlag, TipFlag, autosave, TimedSave, ShowMoonFlag, interval},
    ///  "sounds": {Open, Click, Save, Close, Roll}, "tools": [{name, path, commandLine}],
    ///  "captions": {CustomCaptionLinks, CustomCaptionArticles, CustomCaptionNetBooks, CustomCaptionWebSites}}
    static QJsonObject toJson(const CampaignModel &model);
    /// Applies "KEY=VALUE" to `model`. Returns "" when taken, else why it is refused (an unknown
    /// key, a flag that is not TRUE or FALSE, an interval outside 5 to 15, a sound that is not a
    /// file inside the Sounds folder); a refused setting changes nothing.
    static QString set(CampaignModel &model, const AppFolder &folder, const QString &assignment);
};

} // namespace Velmora
