#pragma once

#include "core/persistence/Campaign.h"

namespace Velmora {

/// The hand-over between the campaign model and the blocks of its file: which block each owner
/// writes, in which order, and which loading step takes each block up.
class CampaignBlocks
{
    Q_DECLARE_TR_FUNCTIONS(CampaignBlocks)

public:
    /// The labels this program knows, in the writer's order.
    static const QStringList &labels();

    /// Updates `file` from `model`, block by block in the writer's order: an existing block
    /// keeps its place, a new one is appended, and a list block whose list is empty is removed.
    static void write(const CampaignModel &model, oVLFile &file);

    /// Hands every block of `file` to its owner in file order, then the steps that follow
    /// (agenda and almanach, options, layout, climate). `model` starts as a new campaign; the
    /// paths it stores are found in `folder`.
    static void load(const oVLFile &file, CampaignModel &model, LoadOutcome &outcome, const LoadProgress &progress,
                     const AppFolder &folder);
};

} // namespace Velmora
