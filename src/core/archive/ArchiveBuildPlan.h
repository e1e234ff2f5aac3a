#pragma once

#include "core/common/AppFolder.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <bitset>
#include <functional>
#include <optional>

namespace Velmora {

class clsZip_Zip;
struct CampaignModel;

/// The fourteen kinds of files a campaign archive can hold, in the order they are added.
enum class ArchiveGroup {
    Vlf,
    Sounds,
    Images,
    Notes,
    BBLinked,
    ClassesStd,
    ClassesPrest,
    Characters,
    Library,
    Maps,
    MapIcons,
    Links,
    Articles,
    NetBooks
};

/// One kind of files to archive: the files (full paths, in order, missing ones included: the
/// writer passes over them) and whether each is also looked for in every folder below its own.
struct ArchiveCategory
{
    ArchiveGroup group = ArchiveGroup::Vlf;
    QStringList files;
    bool recurse = false;
};

/// What a build ended with.
struct ArchiveBuildResult
{
    QStringList entries; ///< entry names, in archive order
    bool written = false;
    bool stopped = false;
    QString status; ///< the last status text
};

/// Which files of a campaign go into its archive, and building it: the campaign file and, by
/// choice, the sounds, pictures, documents, map pictures and marker icons it refers to. Entry
/// names are relative to the application folder.
class ArchiveBuildPlan
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveBuildPlan)

public:
    static constexpr int GroupCount = 14;
    using Groups = std::bitset<GroupCount>;

    /// `model` is the campaign saved at `campaignPath` ("" for one never saved).
    ArchiveBuildPlan(const CampaignModel &model, const QString &campaignPath, AppFolder folder, Groups groups);

    /// The name velmora-cli gives the group: "vlf", "sounds", ... "netbooks".
    static QString key(ArchiveGroup group);
    static std::optional<ArchiveGroup> fromKey(const QString &key);

    /// The categories whose group is chosen, in archive order.
    const QList<ArchiveCategory> &categories() const { return m_categories; }

    /// Adds every category to `zip`, saying "Now N files in archive" after each; writes the
    /// archive with `comment` when at least one file was added, telling `progress` the share of
    /// entries written. `stopRequested` is asked between files; a stop writes nothing.
    ArchiveBuildResult build(clsZip_Zip &zip, const QString &archivePath, const QString &comment,
        const std::function<void(const QString &)> &status, const std::function<bool()> &stopRequested = {},
        const std::function<void(int percent)> &progress = {}) const;

    /// The archive comment from the comments box and the user name.
    static QString comment(const QString &text, const QString &userName);

    static QString preparingText(const QString &campaignPath);
    static QString nowText(int entries);
    static QString createdText(const QString &archivePath, int entries);
    static QString errorText();
    static QString noFilesText();
    static QString stoppedText();

private:
    QStringList filesOf(ArchiveGroup group, const CampaignModel &model, const QString &campaignPath) const;
    QStringList folderListing(int list) const;

    AppFolder m_folder;
    QList<ArchiveCategory> m_categories;
};

} // namespace Velmora
