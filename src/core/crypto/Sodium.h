#pragma once

#include <sodium.h>

namespace Velmora {

/// libsodium, started once before its first use (thread-safe, as sodium_init is).
struct Sodium
{
    static void init();
};

} // namespace Velmora
