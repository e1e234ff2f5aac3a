#pragma once

#include "core/common/AppFolder.h"
#include "core/persistence/Campaign.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace Velmora {

class oIniFile;
struct CampaignModel;

/// Reads a campaign file of format 3.0 (".vls") into a new campaign, so that it can be saved
/// in the current format.
///
/// Such a file is one sequence of 214 values in the comma-separated form of the old program's
/// sequential output: texts in double quotes, numbers bare, lines ended by CR LF, text in
/// Windows-1252. The values come in eight fixed groups (shortcuts, time and date, experience,
/// weather, Battle Box, misc.); docs/version3-format.md gives the meaning of every value. The
/// older session settings file adds the sound files (section "SOUNDS") and the map collection
/// of the last such campaign (section "MAPS").
///
/// The old program stored full paths. Those of files under the application folder (its notes
/// documents, sounds and shortcuts) are stored in the relative form "\Documents\DM Notes.rtf"
/// (AppFolder::storedPath), so that the upgraded campaign moves with its folder between machines
/// and users; full paths elsewhere are kept as they are.
///
/// Reading is tolerant: any bytes are read without harm (at most MaxFileBytes of the file are
/// looked at), values that make no sense keep a new campaign's value, and a file that ends
/// early keeps a new campaign's values for the rest. Only a file that cannot be read, is
/// empty, or whose month value is not a number is refused as not being a 3.0 campaign.
class Version3Reader
{
    Q_DECLARE_TR_FUNCTIONS(Version3Reader)

public:
    static constexpr int FieldCount = 214;
    /// A 3.0 campaign is a few kilobytes; nothing beyond this is read.
    static constexpr qint64 MaxFileBytes = 1 << 20;
    /// The autosave interval of an upgraded campaign, which also saves when the program closes.
    static constexpr int UpgradedAutosaveMinutes = 15;

    /// Reads `path` into `model`, which the caller has reset to a new campaign. Progress messages
    /// announce the notes documents, each group of values and the final set-up. When the result
    /// is not readable, `model` is left as it was. The map XML file named by the session
    /// settings is imported into the campaign's maps and markers; the skipped list names it when
    /// it is refused or stops halfway.
    static LoadOutcome read(const QString &path, CampaignModel &model, const oIniFile *sessionSettings,
                            const LoadProgress &progress);
    /// The same with the application folder given, where the old program kept its own copies of
    /// the notes documents ("\DM Notes.rtf" and the others).
    static LoadOutcome read(const QString &path, CampaignModel &model, const oIniFile *sessionSettings,
                            const LoadProgress &progress, const AppFolder &folder);
    /// The same over the file's bytes already in memory (at most MaxFileBytes of them are looked at).
    static LoadOutcome parse(const QByteArray &bytes, CampaignModel &model, const oIniFile *sessionSettings,
                             const LoadProgress &progress, const AppFolder &folder);

    /// The values of the old sequential format, at most `limit` of them: a quoted text runs to
    /// its closing quote (or to the end of its line), anything after it up to the next comma or
    /// line end is dropped; a bare value runs to the next comma or line end, trimmed of blanks.
    static QStringList splitFields(const QByteArray &bytes, int limit);
};

} // namespace Velmora
