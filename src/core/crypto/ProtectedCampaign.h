#pragma once

#include "core/common/Result.h"
#include "core/crypto/VlkKey.h"
#include "core/persistence/Campaign.h"

#include <QByteArrayView>
#include <QString>

namespace Velmora {

/// A campaign kept in a ".vlk" file: the campaign file of format 4.0, whole, protected by
/// VlkFile. Opening asks for the password once; the key it gives saves the campaign again, with
/// a fresh nonce each time, for as long as the caller holds it.
struct ProtectedCampaign
{
    /// Loads the campaign of the ".vlk" file at `path` into `campaign`. On a wrong password or
    /// a changed file, the error says so and the campaign is as it was; else `outcome` is the
    /// load's and the key is returned.
    static Result<VlkKey> load(Campaign &campaign, const QString &path, QByteArrayView password, LoadOutcome &outcome,
        const LoadProgress &progress = {});
    /// The campaign's blocks brought up to date and written, protected by `key`, at `path`.
    static Result<void> save(Campaign &campaign, const QString &path, bool version3Loaded, const VlkKey &key);
};

} // namespace Velmora
