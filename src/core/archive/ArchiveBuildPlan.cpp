#include "core/archive/ArchiveBuildPlan.h"

#include "core/archive/clsZip_Zip.h"
#include "core/documents/ReferenceList.h"
#include "core/persistence/CampaignModel.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QStringList &groupKeys()
{
    static const QStringList keys { u"vlf"_s, u"sounds"_s, u"images"_s, u"notes"_s, u"bblinked"_s, u"std"_s,
        u"prestige"_s, u"characters"_s, u"library"_s, u"maps"_s, u"mapicons"_s, u"links"_s, u"articles"_s,
        u"netbooks"_s };
    return keys;
}

QStringList locations(const QList<Shortcut> &list)
{
    QStringList files;
    for (const Shortcut &item : list)
        files << item.location;
    return files;
}

QStringList classFiles(const QList<ClassEntry> &classes, bool prestige)
{
    QStringList files;
    for (const ClassEntry &entry : classes) {
        if (entry.prestige == prestige)
            files << entry.path;
    }
    return files;
}

template <typename Marker> void addIcons(QStringList &files, const QList<Marker> &markers)
{
    for (const Marker &marker : markers)
        files << marker.icon;
}

} // namespace

ArchiveBuildPlan::ArchiveBuildPlan(
    const CampaignModel &model, const QString &campaignPath, AppFolder folder, Groups groups)
    : m_folder(std::move(folder))
{
    for (int i = 0; i < GroupCount; ++i) {
        if (!groups.test(size_t(i)))
            continue;
        const auto group = ArchiveGroup(i);
        ArchiveCategory category { group, {}, group == ArchiveGroup::Vlf };
        // Stored paths ("\Sounds\Intro.WAV") name files of the application folder; an empty path
        // (a picture left built in, a marker without icon) names no file.
        for (const QString &path : filesOf(group, model, campaignPath)) {
            if (!path.isEmpty())
                category.files << m_folder.storedFile(path);
        }
        m_categories << category;
    }
}

QString ArchiveBuildPlan::key(ArchiveGroup group) { return groupKeys().value(int(group)); }

std::optional<ArchiveGroup> ArchiveBuildPlan::fromKey(const QString &key)
{
    const qsizetype index = groupKeys().indexOf(key);
    return index < 0 ? std::nullopt : std::optional(ArchiveGroup(index));
}

QStringList ArchiveBuildPlan::filesOf(ArchiveGroup group, const CampaignModel &model, const QString &campaignPath) const
{
    QStringList files;
    switch (group) {
    case ArchiveGroup::Vlf:
        return { campaignPath };
    case ArchiveGroup::Sounds:
        // A cue without a file of its own plays the shipped one: that is the file it uses.
        for (int i = 0; i < SoundCues::Count; ++i) {
            const auto event = SoundEvent(i);
            const QString path = model.options.soundPath(event);
            files << (path.isEmpty() ? SoundCues::defaultFile(event) : path);
        }
        return files;
    case ArchiveGroup::Images:
        for (const ImageEntry &image : model.images)
            files << image.path;
        return files;
    case ArchiveGroup::Notes:
        return QStringList(model.documents.paths.begin(), model.documents.paths.end());
    case ArchiveGroup::BBLinked:
        return locations(model.linkedBattleBoxes);
    case ArchiveGroup::ClassesStd:
        return classFiles(model.classes, false);
    case ArchiveGroup::ClassesPrest:
        return classFiles(model.classes, true);
    case ArchiveGroup::Characters:
        return folderListing(ReferenceList::Characters);
    case ArchiveGroup::Library:
        return folderListing(ReferenceList::Library);
    case ArchiveGroup::Maps:
        for (const MapRecord &map : model.maps)
            files << map.picturePath;
        return files;
    case ArchiveGroup::MapIcons:
        addIcons(files, model.playerMarkers);
        addIcons(files, model.noteMarkers);
        addIcons(files, model.objectMarkers);
        return files;
    case ArchiveGroup::Links:
        return locations(model.links);
    case ArchiveGroup::Articles:
        return locations(model.articles);
    case ArchiveGroup::NetBooks:
        return locations(model.netBooks);
    }
    return files;
}

// The files the Characters and Library lists show, as they show them.
QStringList ArchiveBuildPlan::folderListing(int list) const
{
    ReferenceList listing(list);
    listing.fillFolder(m_folder);
    QStringList files;
    for (const ReferenceItem &item : listing.items())
        files << item.location;
    return files;
}

ArchiveBuildResult ArchiveBuildPlan::build(clsZip_Zip &zip, const QString &archivePath, const QString &comment,
    const std::function<void(const QString &)> &status, const std::function<bool()> &stopRequested,
    const std::function<void(int percent)> &progress) const
{
    ArchiveBuildResult result;
    const auto say = [&](const QString &text) {
        result.status = text;
        if (status)
            status(text);
    };
    const auto stop = [&] {
        result.stopped = stopRequested && stopRequested();
        if (result.stopped)
            say(stoppedText());
        return result.stopped;
    };
    for (const ArchiveCategory &category : m_categories) {
        // Files that do not exist add nothing; the same file met twice is added twice.
        for (const QString &file : category.files) {
            if (stop())
                return result;
            zip.FileAdd(file, clsZip_Zip::RelativeToAppFolder, category.recurse);
        }
        say(nowText(zip.FileCount()));
    }
    if (zip.FileCount() == 0) {
        say(noFilesText());
        return result;
    }
    zip.SetComment(comment);
    ZipNotifications notifications;
    notifications.progress = [&](int percent, bool &halt) {
        if (progress)
            progress(percent);
        halt = stopRequested && stopRequested();
    };
    zip.SetNotifications(notifications);
    result.written = zip.WriteZip(archivePath, true);
    zip.SetNotifications({});
    if (!result.written) {
        if (!stop())
            say(errorText());
        return result;
    }
    for (int i = 0; i < zip.FileCount(); ++i)
        result.entries << zip.FileName(i);
    say(createdText(archivePath, zip.FileCount()));
    return result;
}

QString ArchiveBuildPlan::comment(const QString &text, const QString &userName)
{
    static const QRegularExpression preset(u"^Enter any comments here"_s, QRegularExpression::CaseInsensitiveOption);
    const QString body = preset.match(text).hasMatch() ? u"Velmora campaign archive."_s : text;
    if (body.isEmpty())
        return {};
    return userName.isEmpty() ? body : body + u"\r\n"_s + userName;
}

QString ArchiveBuildPlan::preparingText(const QString &campaignPath)
{
    return u"\""_s + campaignPath + u"\""_s + tr(" being prepared for archiving.");
}

QString ArchiveBuildPlan::nowText(int entries)
{
    return tr("Now ") + QString::number(entries) + tr(" files in archive");
}

QString ArchiveBuildPlan::createdText(const QString &archivePath, int entries)
{
    return u"\""_s + archivePath + u"\""_s + tr(" created: ") + QString::number(entries) + tr(" files.");
}

QString ArchiveBuildPlan::errorText() { return tr("Error occured while creating the archive."); }

QString ArchiveBuildPlan::noFilesText() { return tr("There were no files to add to archive."); }

// Stopping is ours (the build once ran to its end); it says that nothing was written.
QString ArchiveBuildPlan::stoppedText() { return tr("Archive building cancelled: nothing was written."); }

} // namespace Velmora
