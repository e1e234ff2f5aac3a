#include "core/options/OptionsSettings.h"

#include "core/common/AppFolder.h"
#include "core/options/OptionsRules.h"
#include "core/persistence/CampaignModel.h"

#include <QFileInfo>
#include <QJsonArray>

#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct Flag
{
    const char16_t *key;
    bool CampaignOptions::*member;
};

constexpr std::array<Flag, 5> kFlags { {
    { u"soundFlag", &CampaignOptions::soundsOn },
    { u"TipFlag", &CampaignOptions::tipFlag },
    { u"autosave", &CampaignOptions::saveOnClose },
    { u"TimedSave", &CampaignOptions::timedSave },
    { u"ShowMoonFlag", &CampaignOptions::showMoons },
} };

struct Caption
{
    const char16_t *key;
    QString FrameLabels::*member;
};

constexpr std::array<Caption, 4> kCaptions { {
    { u"CustomCaptionLinks", &FrameLabels::links },
    { u"CustomCaptionArticles", &FrameLabels::articles },
    { u"CustomCaptionNetBooks", &FrameLabels::netBooks },
    { u"CustomCaptionWebSites", &FrameLabels::webSites },
} };

const QString IntervalKey = u"interval"_s;

QString setFlag(bool &flag, const QString &value)
{
    if (value != u"TRUE"_s && value != u"FALSE"_s)
        return u"takes TRUE or FALSE"_s;
    flag = value == u"TRUE"_s;
    return QString();
}

QString setInterval(int &minutes, const QString &value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok || number < OptionsRules::MinInterval || number > OptionsRules::MaxInterval)
        return u"takes whole minutes from 5 to 15"_s;
    minutes = number;
    return QString();
}

// A sound given as the dialog would take it: a file that exists inside the Sounds folder, named
// by its full path or by its short path; "" goes back to the shipped sound.
QString setSound(CampaignOptions &options, SoundEvent event, const AppFolder &folder, const QString &value)
{
    if (value.isEmpty()) {
        options.setSoundPath(event, QString());
        return QString();
    }
    const QString file = folder.storedFile(value);
    const std::optional<QString> shortPath = OptionsRules::soundShortPath(folder, file);
    if (!shortPath)
        return OptionsRules::soundOutsideText();
    if (!QFileInfo(file).isFile())
        return u"no such file"_s;
    options.setSoundPath(event, *shortPath);
    return QString();
}

} // namespace

QJsonObject OptionsSettings::toJson(const CampaignModel &model)
{
    const CampaignOptions &options = model.options;
    QJsonObject switches;
    for (const Flag &flag : kFlags)
        switches.insert(QString::fromUtf16(flag.key), options.*flag.member);
    switches.insert(IntervalKey, options.autosaveInterval);
    QJsonObject sounds;
    for (int e = 0; e < SoundCues::Count; ++e)
        sounds.insert(SoundCues::key(SoundEvent(e)), options.soundPath(SoundEvent(e)));
    QJsonArray tools;
    for (const CustomTool &tool : model.tools)
        tools.append(tool.toJson());
    QJsonObject captions;
    for (const Caption &caption : kCaptions)
        captions.insert(QString::fromUtf16(caption.key), model.labels.*caption.member);
    return { { u"options"_s, switches }, { u"sounds"_s, sounds }, { u"tools"_s, tools }, { u"captions"_s, captions } };
}

QString OptionsSettings::set(CampaignModel &model, const AppFolder &folder, const QString &assignment)
{
    const qsizetype split = assignment.indexOf(u'=');
    if (split <= 0)
        return u"not KEY=VALUE"_s;
    const QString key = assignment.left(split);
    const QString value = assignment.mid(split + 1);
    CampaignOptions &options = model.options;
    for (const Flag &flag : kFlags) {
        if (key == QString::fromUtf16(flag.key))
            return setFlag(options.*flag.member, value);
    }
    if (key == IntervalKey)
        return setInterval(options.autosaveInterval, value);
    for (int e = 0; e < SoundCues::Count; ++e) {
        if (key == SoundCues::key(SoundEvent(e)))
            return setSound(options, SoundEvent(e), folder, value);
    }
    for (const Caption &caption : kCaptions) {
        if (key == QString::fromUtf16(caption.key)) {
            model.labels.*caption.member = value;
            return QString();
        }
    }
    return u"unknown key"_s;
}

} // namespace Velmora
