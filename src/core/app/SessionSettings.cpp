#include "core/app/SessionSettings.h"

#include <QCoreApplication>

#include "core/persistence/IniFileWriter.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QString kCurrentFile = u"default_4.ini"_s;
const QString kOlderFile = u"default.ini"_s;
const QString kWarning = u"Do not add comments or edit this file manually. It is reset after each program close!"_s;

// The number a text starts with, as a 16-bit integer: leading blanks, a sign, digits and a
// fraction, rounded half to even; no digits (or a number out of range) give 0.
int leadingInteger(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == u'-' || t.at(i) == u'+'))
        ++i;
    while (i < t.size() && (t.at(i).isDigit() || t.at(i) == u'.'))
        ++i;
    bool ok = false;
    const double value = t.left(i).toDouble(&ok);
    if (!ok || value < -32768.5 || value > 32767.5)
        return 0;
    return static_cast<int>(std::nearbyint(value));
}

bool samePath(const QString &a, const QString &b)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(a)).compare(QDir::cleanPath(QDir::fromNativeSeparators(b)),
                                                                  Qt::CaseInsensitive)
           == 0;
}

} // namespace

SessionSettings::SessionSettings(AppFolder folder)
    : m_folder(std::move(folder))
{
}

void SessionSettings::OpenSessionSettings(bool useOlderFile)
{
    m_settingsPath = m_folder.root() + u'/' + (useOlderFile ? kOlderFile : kCurrentFile);
    m_settings = std::make_unique<oIniFile>();
    m_settings->init(m_settingsPath); // a missing or broken file leaves what could be read
}

SessionSettings::Applied SessionSettings::ApplySessionSettings()
{
    Applied applied;
    OpenSessionSettings(!QFileInfo::exists(m_folder.root() + u'/' + kCurrentFile));
    const int version = leadingInteger(m_settings->GetOneValue(u"VERSION"_s, u"version"_s));

    if (version == 3) {
        applied.campaignPath = m_settings->GetOneValue(u"SESSION"_s, u"last"_s);
        if (!applied.campaignPath.isEmpty())
            AddToRecentFiles(applied.campaignPath);
        const int winstate = leadingInteger(m_settings->GetOneValue(u"SESSION"_s, u"winstate"_s));
        if (winstate == 0) {
            const QStringList size = m_settings->GetOneValue(u"SESSION"_s, u"size"_s).split(u',');
            if (size.size() >= 2) {
                applied.placement = Placement::TopLeftSized;
                applied.widthTwips = leadingInteger(size.at(0));
                applied.heightTwips = leadingInteger(size.at(1));
            }
        } else if (winstate == 2) {
            applied.placement = Placement::Maximised;
        }
        return applied;
    }

    m_recent.clear();
    const QString openLast = m_settings->GetOneValue(u"SESSION"_s, u"OpenLast"_s);
    if (openLast.isEmpty()) {
        m_openLast = false;
        m_settings->UpdateOneValue(u"SESSION"_s, u"OpenLast"_s, u"FALSE"_s);
        writeSettings(*m_settings, m_settingsPath);
    } else if (openLast == u"TRUE"_s) {
        m_openLast = true;
    } else if (openLast == u"FALSE"_s) {
        m_openLast = false;
    }
    for (int i = 1; i <= MenuItems; ++i) {
        const QString path = m_settings->GetOneValue(u"SESSION"_s, u"MRU"_s + QString::number(i));
        if (!path.isEmpty() && indexOf(path) < 0)
            m_recent.append(path);
    }
    applied.placement = Placement::Maximised;
    applied.campaignPath.clear();
    return applied;
}

qsizetype SessionSettings::indexOf(const QString &path) const
{
    for (qsizetype i = m_recent.size() - 1; i >= 0; --i) {
        if (m_recent.at(i).compare(path, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void SessionSettings::AddToRecentFiles(const QString &path)
{
    if (path.isEmpty())
        return;
    const qsizetype at = indexOf(path);
    if (at >= 0)
        m_recent.removeAt(at);
    m_recent.prepend(path);
}

QStringList SessionSettings::menuCaptions() const
{
    QStringList captions;
    for (int i = 0; i < MenuItems; ++i)
        captions << m_recent.value(i);
    return captions;
}

bool SessionSettings::separatorVisible() const
{
    return !m_recent.isEmpty() && !m_recent.first().isEmpty();
}

Result<void> SessionSettings::SaveSessionSettings(const QString &currentCampaignPath, bool version3Loaded)
{
    // The default campaign data is where a new campaign comes from, never a recent file.
    const QString defaults[] = {m_folder.root() + u"/Campaigns/Default Data.vls"_s,
                                m_folder.root() + u"/Campaigns/Default Data.vlt"_s};
    for (qsizetype i = m_recent.size() - 1; i >= 0; --i) {
        for (const QString &defaultFile : defaults) {
            if (samePath(m_recent.at(i), defaultFile)) {
                m_recent.removeAt(i);
                break;
            }
        }
    }
    AddToRecentFiles(currentCampaignPath);

    const QString openLast = m_openLast ? u"TRUE"_s : u"FALSE"_s;
    const QStringList captions = menuCaptions();
    const QString path = m_folder.root() + u'/' + kCurrentFile;
    if (m_settings && !version3Loaded) {
        m_settings->UpdateOneValue(u"SESSION"_s, u"OpenLast"_s, openLast);
        for (int i = 0; i < MenuItems; ++i)
            m_settings->UpdateOneValue(u"SESSION"_s, u"MRU"_s + QString::number(i + 1), captions.at(i));
        return writeSettings(*m_settings, path);
    }

    oIniFile fresh;
    fresh.UpdateOneValue(u"VERSION"_s, u"warning"_s, kWarning);
    fresh.UpdateOneValue(u"VERSION"_s, u"version"_s, u"4.1"_s);
    fresh.UpdateOneValue(u"SESSION"_s, u"OpenLast"_s, openLast);
    for (int i = 0; i < MenuItems; ++i)
        fresh.UpdateOneValue(u"SESSION"_s, u"MRU"_s + QString::number(i + 1), captions.at(i));
    return writeSettings(fresh, path);
}

Result<void> SessionSettings::StoreOpenLast(bool openLast)
{
    m_openLast = openLast;
    if (!m_settings)
        return {};
    m_settings->UpdateOneValue(u"SESSION"_s, u"OpenLast"_s, openLast ? u"TRUE"_s : u"FALSE"_s);
    return writeSettings(*m_settings, m_settingsPath);
}

Result<void> SessionSettings::writeSettings(const oIniFile &ini, const QString &path) const
{
    QDir().mkpath(m_folder.root());
    return WriteIniFile(ini, path);
}

SessionSettings::RecentEntryAction SessionSettings::OpenRecentEntry(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile() ? RecentEntryAction::Open : RecentEntryAction::NotFound;
}

QString SessionSettings::notFoundTitle()
{
    return QCoreApplication::translate("SessionSettings", "File Not Found");
}

QString SessionSettings::notFoundText()
{
    return QCoreApplication::translate("SessionSettings", "File cannot be located.\r\nPlease open file using the menu.");
}

} // namespace Velmora
