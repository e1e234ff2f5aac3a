#pragma once

#include "core/documents/FrameLabels.h"
#include "core/documents/ReferenceList.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

namespace Velmora {

class AppFolder;
struct CampaignModel;

/// The reference lists of a campaign as the Classes and Resources tabs show them: the class
/// lists with the custom classes merged in, the four shortcut lists, the two folder listings,
/// and the captions.
class ReferenceShelf
{
public:
    /// The campaign's lists, the custom classes of `folder` merged, the folders listed.
    /// `problems` receives the custom classes file's (see CustomClasses).
    static ReferenceShelf fromCampaign(
        const CampaignModel &model, const AppFolder &folder, QStringList *problems = nullptr);

    /// The list of `index` (one of ReferenceList::indexes()).
    ReferenceList &list(int index);
    const ReferenceList &list(int index) const;
    FrameLabels labels = FrameLabels::defaults();

    /// The folder listings again.
    void refreshFolders(const AppFolder &folder);
    /// The campaign's lists (classes and shortcuts) into `model`.
    void collect(CampaignModel &model) const;

    /// For velmora-cli docs: {"slots": [{"key", "path"}], "lists": [{"index", "caption",
    /// "items": [{"text", "location", "default"}]}]}.
    static QJsonObject docsJson(const CampaignModel &model, const AppFolder &folder);

private:
    QList<ReferenceList> m_lists = makeLists();
    static QList<ReferenceList> makeLists();
};

} // namespace Velmora
