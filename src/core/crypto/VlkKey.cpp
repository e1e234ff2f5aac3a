#include "core/crypto/VlkKey.h"

#include "core/crypto/Sodium.h"

#include <utility>

namespace Velmora {

VlkLimits VlkLimits::standard()
{
    // libsodium's "moderate" cost: 3 passes over 256 MiB. The benchmark measures it.
    return { quint32(crypto_pwhash_OPSLIMIT_MODERATE), quint64(crypto_pwhash_MEMLIMIT_MODERATE) };
}

VlkLimits VlkLimits::smallest() { return { quint32(crypto_pwhash_OPSLIMIT_MIN), quint64(crypto_pwhash_MEMLIMIT_MIN) }; }

bool VlkLimits::acceptable() const
{
    // Up to libsodium's "sensitive" memory (1 GiB) and a few times its passes: a few seconds at
    // most. Anything beyond is not a file this program wrote.
    constexpr quint32 MaxOps = 3 * crypto_pwhash_OPSLIMIT_SENSITIVE;
    constexpr quint64 MaxMem = crypto_pwhash_MEMLIMIT_SENSITIVE;
    return opsLimit >= crypto_pwhash_OPSLIMIT_MIN && opsLimit <= MaxOps && memLimit >= crypto_pwhash_MEMLIMIT_MIN
        && memLimit <= MaxMem;
}

VlkKey::VlkKey(const char *password, qsizetype length, const VlkLimits &limits, const Salt &salt, bool &ok)
    : m_limits(limits)
    , m_salt(salt)
{
    Sodium::init();
    // sodium_malloc locks the pages (sodium_mlock) and puts guard pages around them;
    // sodium_free wipes them.
    m_bytes = static_cast<unsigned char *>(sodium_malloc(Size));
    ok = m_bytes && limits.acceptable()
        && crypto_pwhash(m_bytes, Size, password, quint64(length), salt.data(), limits.opsLimit,
               size_t(limits.memLimit), crypto_pwhash_ALG_ARGON2ID13)
            == 0;
    if (m_bytes)
        lock();
}

VlkKey::VlkKey(VlkKey &&other) noexcept
    : m_bytes(std::exchange(other.m_bytes, nullptr))
    , m_limits(other.m_limits)
    , m_salt(other.m_salt)
{
}

VlkKey &VlkKey::operator=(VlkKey &&other) noexcept
{
    if (this != &other) {
        if (m_bytes)
            sodium_free(m_bytes);
        m_bytes = std::exchange(other.m_bytes, nullptr);
        m_limits = other.m_limits;
        m_salt = other.m_salt;
    }
    return *this;
}

VlkKey::~VlkKey()
{
    if (m_bytes)
        sodium_free(m_bytes);
}

void VlkKey::unlock() const { sodium_mprotect_readonly(m_bytes); }

void VlkKey::lock() const { sodium_mprotect_noaccess(m_bytes); }

} // namespace Velmora
