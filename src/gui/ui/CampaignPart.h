#pragma once

namespace Velmora {

struct CampaignModel;

/// What the main window asks of each subsystem's tools about the open campaign. The main window
/// keeps its parts in a list and drives them all in one loop at load, new and save.
class CampaignPart
{
public:
    virtual ~CampaignPart() = default;

    /// A loaded or new campaign. The host's campaign session is quiet meanwhile: nothing the
    /// part fills counts as a change.
    virtual void applyCampaign(const CampaignModel &model) = 0;
    /// Before a save: the part's data back into the model. Pending edits are committed first.
    virtual void collectCampaign(CampaignModel &model) = 0;
    /// Text still being typed (an open in-place editor) becomes part of the campaign, before a
    /// save or a close, so that it is never lost.
    virtual void commitPendingEdits() = 0;
    /// After every campaign save and at close: the part's modified documents (files of their
    /// own, beside the campaign) are written to their files.
    virtual void saveModifiedDocuments() {}
};

} // namespace Velmora
