#include "core/crypto/Sodium.h"

#include <cstdlib>

namespace Velmora {

void Sodium::init()
{
    // Fails only without a source of randomness; a key or nonce made without one would not be
    // secret, so nothing is better than going on.
    static const bool started = sodium_init() >= 0;
    if (!started)
        std::abort();
}

} // namespace Velmora
