#pragma once

#include <mutex>
#include <vector>

/** A queue that one thread fills and another empties in one go.

    The MIDI input thread pushes notifications; the message thread takes all
    of them at once and handles them in the order they arrived. Every entry
    is taken exactly once: takeAll() swaps the whole list out under the lock.
*/
template <typename Entry>
class HandOverQueue
{
public:
    /** Appends an entry; safe from any thread. */
    void push (const Entry& entry)
    {
        const std::lock_guard<std::mutex> guard (mutex);
        entries.push_back (entry);
    }

    /** Removes and returns every entry queued so far, oldest first. */
    std::vector<Entry> takeAll()
    {
        std::vector<Entry> taken;
        const std::lock_guard<std::mutex> guard (mutex);
        taken.swap (entries);
        return taken;
    }

    size_t size() const
    {
        const std::lock_guard<std::mutex> guard (mutex);
        return entries.size();
    }

private:
    mutable std::mutex mutex;
    std::vector<Entry> entries;
};
