#pragma once

namespace Velmora {

class VelmoraForm;
struct CampaignModel;

/// The one place where the program's switches and the campaign's options meet. After a load or
/// a new campaign, apply() hands the campaign's options to the program (the program-wide state,
/// the check boxes SoundCheck and Check1 without a click or a modified mark, the sound files, the
/// autosave timer and the window), then hands the campaign to the main window's parts; before a
/// save, collect() takes them all back into the campaign.
class CampaignOptionsBinding
{
public:
    /// What a campaign decides. A new campaign, or one without options of its own, sets the
    /// campaign's switches only; a campaign's own options also place the window and decide
    /// whether closing saves without asking.
    enum class Extent { CampaignSwitches, AllOptions };

    explicit CampaignOptionsBinding(VelmoraForm &form);

    void apply(const CampaignModel &model, Extent extent);
    void collect(CampaignModel &model);

    /// The window's position and size are kept in twips, 15 to a pixel.
    static constexpr int TwipsPerPixel = 15;

private:
    void applyWindow(int state, float left, float top, float width, float height);

    VelmoraForm &m_form;
};

} // namespace Velmora
