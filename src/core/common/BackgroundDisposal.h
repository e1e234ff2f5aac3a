#pragma once

#include <functional>
#include <utility>

namespace Velmora {

/// Destroys a large value on a worker thread. Freeing the hundreds of thousands of strings of a
/// long campaign costs about as much as reading them: the campaign that replaces it should not
/// wait for that. Only values that nothing else uses any more are handed over; the strings they
/// share with live values are reference-counted atomically, so both sides may release them.
class BackgroundDisposal
{
public:
    template<typename T>
    static void dispose(T &&value)
    {
        // Owned by the work alone, so that the last of it is freed there and never here.
        auto *held = new std::decay_t<T>(std::forward<T>(value));
        start([held] { delete held; });
    }

private:
    // On the program's thread pool, which waits for its work before the program ends.
    static void start(std::function<void()> work);
};

} // namespace Velmora
