#include "core/common/Version.h"

namespace Velmora {

int Version::major() { return VELMORA_VERSION_MAJOR; }
int Version::minor() { return VELMORA_VERSION_MINOR; }
int Version::revision() { return VELMORA_VERSION_PATCH; }

QString Version::text()
{
    return QString::number(major()) + u'.' + QString::number(minor()) + u'.' + QString::number(revision());
}

} // namespace Velmora
