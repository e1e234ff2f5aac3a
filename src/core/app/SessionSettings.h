#pragma once

#include "core/common/AppFolder.h"
#include "core/common/FileWriter.h"
#include "core/persistence/oIniFile.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace Velmora {

/// The session settings file ("default_4.ini", older form "default.ini") and the recent-files
/// list. Core logic only: the main window calls these operations and shows what they decide
/// (window placement, the four recent-file menu items).
class SessionSettings
{
public:
    enum class Placement { Unchanged, Maximised, TopLeftSized };

    /// What ApplySessionSettings decided for the main window.
    struct Applied
    {
        Placement placement = Placement::Unchanged;
        int widthTwips = 0;  ///< with TopLeftSized
        int heightTwips = 0; ///< with TopLeftSized
        QString campaignPath; ///< the new current campaign path
    };

    enum class RecentEntryAction { Open, NotFound };

    static constexpr int MenuItems = 4;

    explicit SessionSettings(AppFolder folder);

    /// Reads the settings file (the older one when "default_4.ini" is missing), errors ignored.
    Applied ApplySessionSettings();
    /// Puts `path` at the top of the recent-files list ("" only refreshes).
    void AddToRecentFiles(const QString &path);
    /// Writes "default_4.ini" (after every campaign save and at close). `version3Loaded`: a
    /// campaign of format 3.0 was loaded since start, so the file is written from scratch.
    Result<void> SaveSessionSettings(const QString &currentCampaignPath, bool version3Loaded);
    /// The click on a recent-files item: open when a file exists at `path`.
    static RecentEntryAction OpenRecentEntry(const QString &path);
    /// Stores OpenLast in the settings object and writes it to the settings path (options dialog).
    Result<void> StoreOpenLast(bool openLast);

    /// The captions of mnuFileMRU1..4: the first four recent files, "" where unused.
    QStringList menuCaptions() const;
    /// mnuFileSep3 is visible exactly when mnuFileMRU1 has a caption.
    bool separatorVisible() const;

    const QStringList &recentFiles() const { return m_recent; }
    bool openLastCampaign() const { return m_openLast; }
    void setOpenLastCampaign(bool on) { m_openLast = on; }
    /// The file that was read ("default_4.ini", or "default.ini" when that was missing).
    const QString &settingsPath() const { return m_settingsPath; }
    const oIniFile *settings() const { return m_settings.get(); }

    /// The message of OpenRecentEntry's NotFound: title and text.
    static QString notFoundTitle();
    static QString notFoundText();

private:
    void OpenSessionSettings(bool useOlderFile);
    Result<void> writeSettings(const oIniFile &ini, const QString &path) const;
    qsizetype indexOf(const QString &path) const;

    AppFolder m_folder;
    std::unique_ptr<oIniFile> m_settings;
    QString m_settingsPath;
    QStringList m_recent;
    bool m_openLast = false;
};

} // namespace Velmora
