#include "gui/app/CampaignOptionsBinding.h"

#include "core/persistence/CampaignModel.h"
#include "gui/app/VelmoraForm.h"
#include "gui/ui/Platform.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Twips to pixels, kept within what a 16-bit value can say.
int pixels(float twips)
{
    const float value = std::isfinite(twips) ? twips / CampaignOptionsBinding::TwipsPerPixel : 0.0f;
    return int(std::lround(qBound(-32768.0f, value, 32767.0f)));
}

float twips(int pixels)
{
    return float(pixels) * CampaignOptionsBinding::TwipsPerPixel;
}

} // namespace

CampaignOptionsBinding::CampaignOptionsBinding(VelmoraForm &form)
    : m_form(form)
{
}

void CampaignOptionsBinding::apply(const CampaignModel &model, Extent extent)
{
    const CampaignOptions &options = model.options;
    ProgramState &state = m_form.state();
    m_form.setSoundsOn(options.soundsOn);
    m_form.setTipFlag(options.tipFlag);
    state.timedSave = options.timedSave;
    state.autosaveIntervalMinutes = options.autosaveInterval;
    m_form.SetAutoSaveTimer();
    for (int event = 0; event < SoundCues::Count; ++event)
        m_form.soundCues().setConfiguredPath(SoundEvent(event), options.soundPath(SoundEvent(event)));
    m_form.applyCampaign(model);
    if (extent == Extent::AllOptions) {
        state.saveOnClose = options.saveOnClose;
        applyWindow(options.windowState, options.windowLeft, options.windowTop, options.windowWidth,
                    options.windowHeight);
    }
}

void CampaignOptionsBinding::applyWindow(int windowState, float left, float top, float width, float height)
{
    if (windowState == CampaignOptions::Maximised) {
        m_form.setWindowState((m_form.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        return;
    }
    // A campaign saved while the window was minimised opens in a normal window: a program that
    // starts minimised looks as if it had not started.
    m_form.setWindowState(m_form.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    // The campaign may come from a larger screen: the window stays on this one.
    const QSize screen = m_form.platform().screenSize();
    const int w = qBound(qMin(200, screen.width()), pixels(width), screen.width());
    const int h = qBound(qMin(150, screen.height()), pixels(height), screen.height());
    m_form.resize(w, h);
    m_form.move(qBound(0, pixels(left), screen.width() - w), qBound(0, pixels(top), screen.height() - h));
}

void CampaignOptionsBinding::collect(CampaignModel &model)
{
    CampaignOptions &options = model.options;
    const ProgramState &state = m_form.state();
    options.soundsOn = state.soundsOn;
    options.tipFlag = state.tipFlag;
    options.saveOnClose = state.saveOnClose;
    options.timedSave = state.timedSave;
    options.autosaveInterval = state.autosaveIntervalMinutes;
    for (int event = 0; event < SoundCues::Count; ++event)
        options.setSoundPath(SoundEvent(event), m_form.soundCues().configuredPath(SoundEvent(event)));

    const Qt::WindowStates windowState = m_form.windowState();
    options.windowState = windowState & Qt::WindowMinimized   ? CampaignOptions::Minimised
                        : windowState & Qt::WindowMaximized ? CampaignOptions::Maximised
                                                              : CampaignOptions::Normal;
    const QRect placed = options.windowState == CampaignOptions::Normal ? QRect(m_form.pos(), m_form.size())
                                                                        : m_form.normalGeometry();
    options.windowLeft = twips(placed.x());
    options.windowTop = twips(placed.y());
    options.windowWidth = twips(placed.width());
    options.windowHeight = twips(placed.height());

    m_form.collectCampaign(model);
}

} // namespace Velmora
