#include "core/crypto/ProtectedCampaign.h"

#include "core/crypto/VlkFile.h"

namespace Velmora {

Result<VlkKey> ProtectedCampaign::load(Campaign &campaign, const QString &path, QByteArrayView password,
    LoadOutcome &outcome, const LoadProgress &progress)
{
    Result<VlkFile::Opened> opened = VlkFile::read(path, password);
    if (!opened)
        return opened.error();
    outcome = campaign.LoadCampaignBytes(opened.value().plain, progress);
    return Result<VlkKey>(std::move(opened.value().key));
}

Result<void> ProtectedCampaign::save(Campaign &campaign, const QString &path, bool version3Loaded, const VlkKey &key)
{
    campaign.WriteCampaignBlocks(path, version3Loaded);
    const Result<QByteArray> plain = campaign.blockFile()->toBytes();
    if (!plain)
        return Error { path, plain.error().message };
    return VlkFile::write(path, *plain, key);
}

} // namespace Velmora
