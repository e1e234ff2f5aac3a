#pragma once

#include <QObject>
#include <QString>

namespace Velmora {

/// The open campaign as the program sees it: its file path ("" for a new, un-named campaign) and
/// whether it has changes that are not saved yet.
///
/// One rule decides when a change counts: always, except while the session is quiet. The main
/// window keeps it quiet while it is being built and while a campaign is handed to the tools, so
/// that filling controls never marks the campaign modified.
class CampaignSession : public QObject
{
    Q_OBJECT

public:
    /// Keeps the session quiet for as long as it lives; guards nest.
    class QuietGuard
    {
    public:
        explicit QuietGuard(CampaignSession &session);
        ~QuietGuard();
        QuietGuard(const QuietGuard &) = delete;
        QuietGuard &operator=(const QuietGuard &) = delete;

    private:
        CampaignSession &m_session;
    };

    explicit CampaignSession(QObject *parent = nullptr);

    const QString &path() const { return m_path; }
    void setPath(const QString &path);
    bool isUnnamed() const { return m_path.isEmpty(); }

    bool isModified() const { return m_modified; }
    bool isQuiet() const { return m_quietDepth > 0; }
    /// A change of campaign data; ignored while the session is quiet.
    void markModified();
    /// The campaign was saved, loaded or started anew, or its changes were given up.
    void markClean();

signals:
    void modifiedChanged(bool modified);
    void pathChanged(const QString &path);

private:
    void setModified(bool modified);

    QString m_path;
    bool m_modified = false;
    int m_quietDepth = 0;
};

} // namespace Velmora
