#include "core/table/RandomRangeRules.h"

#include "core/common/RandomSource.h"
#include "core/table/DiceRoller.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

QString RandomRangeRules::Caption()
{
    return tr("Random Dice Roll");
}

QString RandomRangeRules::FrameCaption()
{
    return tr("  Generate Random Dice Roll Between Two Values  ");
}

QString RandomRangeRules::FromLabel()
{
    return tr("from:");
}

QString RandomRangeRules::ToLabel()
{
    return tr("to:");
}

QString RandomRangeRules::ResultLabel()
{
    return tr("Result:");
}

QString RandomRangeRules::GenerateCaption()
{
    return tr("Roll !");
}

QString RandomRangeRules::OkCaption()
{
    return tr("OK");
}

QString RandomRangeRules::CancelCaption()
{
    return tr("Cancel");
}

bool RandomRangeRules::AcceptsCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'\b' || c == u'\r';
}

QString RandomRangeRules::FromAfterEdit(const QString &text)
{
    return text.isEmpty() ? u"0"_s : text;
}

QString RandomRangeRules::ToAfterEdit(const QString &text)
{
    return text.isEmpty() ? InitialTo() : text;
}

int RandomRangeRules::ReadBound(const QString &text)
{
    return DiceRoller::ReadInt16(text, 0);
}

bool RandomRangeRules::IsValid(const QString &from, const QString &to)
{
    return ReadBound(to) - ReadBound(from) >= MinSpan;
}

RandomRangeRules::Leave RandomRangeRules::LeaveFrom(const QString &from, const QString &to)
{
    return IsValid(from, to) ? Leave{from, false} : Leave{u"0"_s, true};
}

RandomRangeRules::Leave RandomRangeRules::LeaveTo(const QString &from, const QString &to)
{
    return IsValid(from, to) ? Leave{to, false} : Leave{InitialTo(), true};
}

std::optional<int> RandomRangeRules::Draw(RandomSource &random, const QString &from, const QString &to)
{
    if (!IsValid(from, to))
        return std::nullopt;
    const int low = ReadBound(from);
    const int high = ReadBound(to);
    const float r = random.next();
    const int drawn = static_cast<int>(std::floor(static_cast<float>(high - low + 1) * r + static_cast<float>(low)));
    // Near 32767 a single-precision sum can round up past the upper bound; it is still a bound.
    return std::clamp(drawn, low, high);
}

} // namespace Velmora
