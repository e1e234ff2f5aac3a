#include "core/documents/FrameLabels.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct Caption
{
    QString key;
    QString FrameLabels::*field;
    QString jsonKey;
};

const std::array<Caption, 4> &captions()
{
    static const std::array<Caption, 4> all = {{
        {u"CustomCaptionLinks"_s, &FrameLabels::links, u"links"_s},
        {u"CustomCaptionArticles"_s, &FrameLabels::articles, u"articles"_s},
        {u"CustomCaptionNetBooks"_s, &FrameLabels::netBooks, u"netBooks"_s},
        {u"CustomCaptionWebSites"_s, &FrameLabels::webSites, u"webSites"_s},
    }};
    return all;
}

} // namespace

FrameLabels FrameLabels::defaults()
{
    return FrameLabels{u"Custom Links"_s, u"Articles"_s, u"Net Books"_s, u"Web Sites"_s};
}

bool FrameLabels::load(const QStringList &items)
{
    bool understood = true;
    for (const QString &item : items) {
        const qsizetype separator = item.indexOf(u';');
        const QString key = separator < 0 ? QString() : item.left(separator);
        const auto caption = std::find_if(
            captions().begin(), captions().end(), [&](const Caption &c) { return separator >= 0 && c.key == key; });
        if (caption == captions().end()) {
            understood = false;
            continue;
        }
        this->*caption->field = item.mid(separator + 1);
    }
    return understood;
}

QStringList FrameLabels::toItems() const
{
    QStringList items;
    for (const Caption &caption : captions())
        items << caption.key + u';' + this->*caption.field;
    return items;
}

QJsonObject FrameLabels::toJson() const
{
    QJsonObject json;
    for (const Caption &caption : captions())
        json.insert(caption.jsonKey, this->*caption.field);
    return json;
}

} // namespace Velmora
