#include "core/app/CampaignSession.h"

namespace Velmora {

CampaignSession::QuietGuard::QuietGuard(CampaignSession &session)
    : m_session(session)
{
    ++m_session.m_quietDepth;
}

CampaignSession::QuietGuard::~QuietGuard()
{
    --m_session.m_quietDepth;
}

CampaignSession::CampaignSession(QObject *parent)
    : QObject(parent)
{
}

void CampaignSession::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit pathChanged(m_path);
}

void CampaignSession::markModified()
{
    if (!isQuiet())
        setModified(true);
}

void CampaignSession::markClean()
{
    setModified(false);
}

void CampaignSession::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(m_modified);
}

} // namespace Velmora
