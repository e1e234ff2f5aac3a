#pragma once

#include <QString>

namespace Velmora {

/// The program's version as it is shown: major 4, minor 1, revision 10.
struct Version
{
    static int major();
    static int minor();
    static int revision();
    /// "4.1.10"
    static QString text();
};

} // namespace Velmora
