#include "core/common/BackgroundDisposal.h"

#include <QThreadPool>

namespace Velmora {

void BackgroundDisposal::start(std::function<void()> work)
{
    QThreadPool::globalInstance()->start(std::move(work));
}

} // namespace Velmora
