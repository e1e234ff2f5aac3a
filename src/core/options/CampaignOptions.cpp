#include "core/options/CampaignOptions.h"

#include "core/common/NumberText.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString flagText(bool on)
{
    return on ? u"TRUE"_s : u"FALSE"_s;
}

// The second field of a flag item. Anything but the two upper-case words leaves the flag as it
// was: an item we cannot read must not switch a setting off (or on) behind the user's back.
bool applyFlag(const QStringList &fields, bool &flag)
{
    const QString value = fields.value(1);
    if (value == u"TRUE"_s)
        flag = true;
    else if (value == u"FALSE"_s)
        flag = false;
    else
        return false;
    return true;
}

// Window coordinates in twips; beyond ten million twips no screen reaches, and the window code
// must be able to turn the value into pixels without overflowing.
bool applyTwips(const QString &text, float &twips)
{
    bool ok = false;
    const float value = NumberText::toSingle(text, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e7f)
        return false;
    twips = value;
    return true;
}

} // namespace

CampaignOptions CampaignOptions::defaults()
{
    return CampaignOptions{};
}

bool CampaignOptions::load(const QStringList &items)
{
    bool understood = true;
    for (const QString &item : items) {
        if (!applyItem(item.split(u';')))
            understood = false;
    }
    return understood;
}

bool CampaignOptions::applyItem(const QStringList &fields)
{
    const QString &key = fields.first();
    if (key == u"WinPos"_s)
        return applyWindow(fields);
    for (int e = 0; e < SoundCues::Count; ++e) {
        if (key == SoundCues::key(SoundEvent(e))) {
            if (fields.size() < 2)
                return false;
            soundPaths[static_cast<size_t>(e)] = fields.mid(1).join(u';'); // a file name may hold ";"
            return true;
        }
    }
    if (key == u"TipFlag"_s)
        return applyFlag(fields, tipFlag);
    if (key == u"soundFlag"_s)
        return applyFlag(fields, soundsOn);
    if (key == u"autosave"_s)
        return applyFlag(fields, saveOnClose);
    if (key == u"ShowMoonFlag"_s)
        return applyFlag(fields, showMoons);
    if (key == u"TimedSave"_s) {
        const bool flagTaken = applyFlag(fields, timedSave);
        bool ok = false;
        const int minutes = fields.value(2).toInt(&ok);
        if (!ok || minutes < 1 || minutes > 32767)
            return false;
        autosaveInterval = minutes;
        return flagTaken;
    }
    return true; // a setting this program does not have
}

bool CampaignOptions::applyWindow(const QStringList &fields)
{
    bool understood = fields.size() == 6;
    const QString state = fields.value(1);
    if (!state.isEmpty()) { // an empty state keeps the window's state
        bool ok = false;
        const int value = state.toInt(&ok);
        if (ok && value >= Normal && value <= Maximised)
            windowState = value;
        else
            understood = false;
    }
    float *const twips[] = {&windowLeft, &windowTop, &windowWidth, &windowHeight};
    for (int i = 0; i < 4; ++i) {
        if (!applyTwips(fields.value(i + 2), *twips[i]))
            understood = false;
    }
    return understood;
}

QStringList CampaignOptions::toItems() const
{
    QStringList items;
    items << u"WinPos;"_s + QString::number(windowState) + u';' + NumberText::single(windowLeft) + u';'
            + NumberText::single(windowTop) + u';' + NumberText::single(windowWidth) + u';'
            + NumberText::single(windowHeight);
    for (int e = 0; e < SoundCues::Count; ++e)
        items << SoundCues::key(SoundEvent(e)) + u';' + soundPaths[static_cast<size_t>(e)];
    items << u"TipFlag;"_s + flagText(tipFlag);
    items << u"soundFlag;"_s + flagText(soundsOn);
    items << u"autosave;"_s + flagText(saveOnClose);
    items << u"TimedSave;"_s + flagText(timedSave) + u';' + QString::number(autosaveInterval);
    items << u"ShowMoonFlag;"_s + flagText(showMoons);
    return items;
}

QJsonObject CampaignOptions::toJson() const
{
    QJsonObject sounds;
    for (int e = 0; e < SoundCues::Count; ++e)
        sounds.insert(SoundCues::defaultKey(SoundEvent(e)), soundPaths[static_cast<size_t>(e)]);
    return {
        {u"windowState"_s, windowState},
        {u"windowLeft"_s, NumberText::single(windowLeft).toDouble()},
        {u"windowTop"_s, NumberText::single(windowTop).toDouble()},
        {u"windowWidth"_s, NumberText::single(windowWidth).toDouble()},
        {u"windowHeight"_s, NumberText::single(windowHeight).toDouble()},
        {u"soundPaths"_s, sounds},
        {u"tipFlag"_s, tipFlag},
        {u"soundsOn"_s, soundsOn},
        {u"saveOnClose"_s, saveOnClose},
        {u"timedSave"_s, timedSave},
        {u"autosaveInterval"_s, autosaveInterval},
        {u"showMoons"_s, showMoons},
    };
}

} // namespace Velmora
