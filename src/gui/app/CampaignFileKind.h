#pragma once

#include <QString>

namespace Velmora {

/// What a campaign file is, told by the last character of its name (compared exactly):
/// "f" a campaign, "t" a template (both the current format 4.0), "k" an encrypted 4.0 campaign,
/// "s" a campaign of format 3.0, "e" an encrypted 3.0 campaign.
enum class CampaignFileKind { Campaign, Template, Encrypted, Version3, EncryptedVersion3, Unknown };

inline CampaignFileKind campaignFileKind(const QString &path)
{
    if (path.isEmpty())
        return CampaignFileKind::Unknown;
    switch (path.back().unicode()) {
    case u'f':
        return CampaignFileKind::Campaign;
    case u't':
        return CampaignFileKind::Template;
    case u'k':
        return CampaignFileKind::Encrypted;
    case u's':
        return CampaignFileKind::Version3;
    case u'e':
        return CampaignFileKind::EncryptedVersion3;
    default:
        return CampaignFileKind::Unknown;
    }
}

/// Whether the program writes campaigns under this name: only the two kinds it reads back as
/// format 4.0. Anything else would turn a 3.0 or encrypted file into one the program cannot
/// open any more, or make a file that the open command does not offer.
inline bool isWritableCampaignName(const QString &path)
{
    const CampaignFileKind kind = campaignFileKind(path);
    return kind == CampaignFileKind::Campaign || kind == CampaignFileKind::Template;
}

} // namespace Velmora
