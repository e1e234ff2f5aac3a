#pragma once

#include <QtGlobal>

#include <array>

namespace Velmora {

/// The cost of deriving a ".vlk" key from its password (Argon2id): passes over the memory, and
/// the memory in bytes.
struct VlkLimits
{
    quint32 opsLimit = 0;
    quint64 memLimit = 0;

    /// What new files are written with: a second or so on a desktop, once per open.
    static VlkLimits standard();
    /// The least Argon2id allows: for tests and the fuzz target only.
    static VlkLimits smallest();
    /// Within what the program accepts from a file; an attacker's header must not make it
    /// spend minutes or gigabytes before the password is even checked.
    bool acceptable() const;

    bool operator==(const VlkLimits &) const = default;
};

/// The key of a ".vlk" file, derived from its password, held in locked memory (never swapped
/// out, guarded, read-only between uses) for as long as the campaign is open, and wiped when the
/// object goes. It remembers the salt and limits it was derived with, so that every save writes
/// a header that derives it again from the same password.
class VlkKey
{
public:
    static constexpr int Size = 32;
    static constexpr int SaltSize = 16;
    using Salt = std::array<unsigned char, SaltSize>;

    /// Derives the key; false in `ok` when Argon2id could not (out of memory).
    VlkKey(const char *password, qsizetype length, const VlkLimits &limits, const Salt &salt, bool &ok);
    VlkKey(VlkKey &&other) noexcept;
    VlkKey &operator=(VlkKey &&other) noexcept;
    VlkKey(const VlkKey &) = delete;
    VlkKey &operator=(const VlkKey &) = delete;
    ~VlkKey();

    const VlkLimits &limits() const { return m_limits; }
    const Salt &salt() const { return m_salt; }
    /// Runs `use` with the key's bytes readable for that time only.
    template <typename F> auto with(F use) const
    {
        unlock();
        struct Relock
        {
            const VlkKey *key;
            ~Relock() { key->lock(); }
        } relock { this };
        return use(m_bytes);
    }

private:
    void unlock() const;
    void lock() const;

    unsigned char *m_bytes = nullptr;
    VlkLimits m_limits;
    Salt m_salt {};
};

} // namespace Velmora
