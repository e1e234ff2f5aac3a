#pragma once

namespace Velmora {

/// The minute count of the timed autosave. tmrAutoSave ticks once a minute while timed save is
/// on; every tick counts, and when the count reaches the interval it starts again from 0 and a
/// save is due. The count lives for the whole run: other saves do not reset it.
class AutoSaveCounter
{
public:
    /// One minute more; true when a save is due (the count has reached `intervalMinutes`).
    bool tick(int intervalMinutes)
    {
        ++m_minutes;
        if (m_minutes < intervalMinutes)
            return false;
        m_minutes = 0;
        return true;
    }

    int minutes() const { return m_minutes; }

private:
    int m_minutes = 0;
};

} // namespace Velmora
