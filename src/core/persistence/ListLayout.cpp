#include "core/persistence/ListLayout.h"

#include "core/common/NumberText.h"

#include <QJsonArray>

#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct ListDefault
{
    const char16_t *key;
    const char16_t *widths; // the initial widths, as the layout item writes them
};

// The widths are the lists' designed widths, kept as the single-precision values they always
// were; written back they give exactly these texts.
constexpr ListDefault kLists[ListLayout::ListCount] = {
    {u"Lmoon", u"1399.748;899.7166;1599.874;0"},
    {u"LXP", u"2099.906;599.811;599.811"},
    {u"Lstandard", u"3600;0"},
    {u"Lprestige", u"3600;0"},
    {u"Llinks", u"2880;0"},
    {u"Larticles", u"3099.969;0"},
    {u"Lnetbooks", u"3099.969;0"},
    {u"Lwebsites", u"3099.969;0"},
    {u"Lbblist", u"1500.095;0"},
    {u"Lchars", u"3099.969;0"},
    {u"Llibrary", u"3099.969;0"},
    {u"Lbbox", u"700.1575;799.9371;1800;500.0315;500.0315;500.0315;1099.843;500.0315;500.0315;799.9371;"
               u"799.9371;799.9371;799.9371;1000.063;0;0"},
    {u"Lstats", u"700.1575;799.9371;1800;500.0315;500.0315;500.0315;1099.843;500.0315;500.0315;799.9371;"
                u"799.9371;799.9371;799.9371;1000.063;0;0"},
    {u"Lmaps", u"1440;0;0;0;0;0;0;0;0;0;0"},
    {u"Lobjects", u"1440;0;0;0;0;0"},
    {u"Lplayers", u"1440;0;0;0;0;0"},
};

constexpr float MaxTwips = 1e7f;
constexpr double MaxPixels = 1e6;

} // namespace

ListLayout ListLayout::defaults()
{
    return ListLayout{};
}

std::array<QList<float>, ListLayout::ListCount> ListLayout::initialWidths()
{
    std::array<QList<float>, ListCount> all;
    for (size_t i = 0; i < all.size(); ++i) {
        for (const QString &text : QString::fromUtf16(kLists[i].widths).split(u';'))
            all[i] << NumberText::toSingle(text);
    }
    return all;
}

QString ListLayout::key(LayoutList list)
{
    return QString::fromUtf16(kLists[static_cast<int>(list)].key);
}

int ListLayout::columnCount(LayoutList list)
{
    return int(QStringView(kLists[static_cast<int>(list)].widths).count(u';')) + 1;
}

int ListLayout::toPixels(double twips)
{
    if (!std::isfinite(twips))
        return 0;
    return int(std::lround(qBound(-MaxPixels, twips / TwipsPerPixel, MaxPixels)));
}

float ListLayout::fromPixels(int pixels)
{
    return float(pixels * TwipsPerPixel);
}

bool ListLayout::load(const QStringList &items)
{
    bool understood = true;
    for (const QString &item : items) {
        const QStringList fields = item.split(u';');
        if (fields.first() == u"Tabs"_s) {
            understood = applyTabs(fields) && understood;
            continue;
        }
        for (int i = 0; i < ListCount; ++i) {
            if (fields.first() == key(LayoutList(i))) {
                understood = applyWidths(LayoutList(i), fields) && understood;
                break;
            }
        }
    }
    return understood;
}

bool ListLayout::applyTabs(const QStringList &fields)
{
    bool understood = true;
    int *const tabs[] = {&velmoraTab, &ssTab1, &sstbUser, &ssTab2, &mapTab};
    for (qsizetype i = 0; i < 5 && i + 1 < fields.size(); ++i) {
        bool ok = false;
        const int value = fields.at(i + 1).toInt(&ok);
        if (ok && value >= 0 && value <= 32767)
            *tabs[i] = value;
        else
            understood = false;
    }
    return understood;
}

bool ListLayout::applyWidths(LayoutList list, const QStringList &fields)
{
    bool understood = true;
    QList<float> &widthsOfList = columns(list);
    for (qsizetype c = 0; c < widthsOfList.size() && c + 1 < fields.size(); ++c) {
        bool ok = false;
        const float width = NumberText::toSingle(fields.at(c + 1), &ok);
        if (ok && std::isfinite(width) && width >= 0 && width <= MaxTwips)
            widthsOfList[c] = width;
        else
            understood = false;
    }
    return understood;
}

QStringList ListLayout::toItems() const
{
    QStringList items;
    items << u"Tabs;%1;%2;%3;%4;%5"_s.arg(velmoraTab).arg(ssTab1).arg(sstbUser).arg(ssTab2).arg(mapTab);
    for (int i = 0; i < ListCount; ++i) {
        QString item = key(LayoutList(i));
        for (float width : widths[static_cast<size_t>(i)])
            item += u';' + NumberText::single(width);
        items << item;
    }
    return items;
}

QJsonObject ListLayout::toJson() const
{
    QJsonObject lists;
    for (int i = 0; i < ListCount; ++i) {
        QJsonArray columnWidths;
        for (float width : widths[static_cast<size_t>(i)])
            columnWidths.append(NumberText::single(width).toDouble()); // as written, not 1399.7479248046875
        lists.insert(key(LayoutList(i)), columnWidths);
    }
    return {
        {u"tabs"_s,
         QJsonObject{{u"velmoraTab"_s, velmoraTab}, {u"ssTab1"_s, ssTab1}, {u"sstbUser"_s, sstbUser},
                     {u"ssTab2"_s, ssTab2}, {u"mapTab"_s, mapTab}}},
        {u"columnWidths"_s, lists},
    };
}

} // namespace Velmora
