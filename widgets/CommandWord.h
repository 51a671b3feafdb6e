#pragma once

#include <juce_core/juce_core.h>

#include <algorithm>

/** The 64-bit word by which pages, grids and controls report to their owner:
    code << 48 | arg << 32 | target << 16 | value, 16 bits each. */
namespace command
{
inline juce::int64 make (int code, int arg, int target, int value)
{
    return (juce::int64) (juce::uint16) code << 48 | (juce::int64) (juce::uint16) arg << 32
         | (juce::int64) (juce::uint16) target << 16 | (juce::int64) (juce::uint16) value;
}
inline int code (juce::int64 w) { return (int) ((w >> 48) & 0xFFFF); }
inline int arg (juce::int64 w) { return (int) ((w >> 32) & 0xFFFF); }
inline int target (juce::int64 w) { return (int) ((w >> 16) & 0xFFFF); }
/** The value as a signed 16-bit number. */
inline int value (juce::int64 w) { return (int) (juce::int16) (w & 0xFFFF); }

enum Code
{
    SELECTED = 7, CHANNEL_CHOSEN = 12, CLOSE = 13, SELECTED_BY_PROGRAM = 14, OPEN_EDITOR = 15, INFO_PAGE = 16,
    VALUE_CHANGED = 17, OPEN_SELECTOR = 19, OTHER_KIND_FAVOURITE = 24, PARAMETER_PAGE = 25, RIGHT_CLICK_THIRD_COLUMN = 88, RIGHT_CLICK = 91
};
}

/** Commands a widget queued for its owner; the owner takes them all at once. */
class CommandQueue
{
public:
    void post (juce::int64 word)
    {
        const juce::ScopedLock guard (lock);
        words.add (word);
    }

    juce::Array<juce::int64> takeAll()
    {
        const juce::ScopedLock guard (lock);
        juce::Array<juce::int64> taken;
        taken.swapWith (words);
        return taken;
    }

    int size() const
    {
        const juce::ScopedLock guard (lock);
        return words.size();
    }

private:
    juce::CriticalSection lock;
    juce::Array<juce::int64> words;
};

/** Listeners registered once each, guarded by a lock, called last registered first. */
template <typename Listener>
class GuardedListeners
{
public:
    void add (Listener* listener)
    {
        const juce::ScopedLock guard (lock);
        listeners.addIfNotAlreadyThere (listener);
    }

    void remove (Listener* listener)
    {
        const juce::ScopedLock guard (lock);
        listeners.removeFirstMatchingValue (listener);
    }

    template <typename Callback>
    void call (Callback&& callback)
    {
        juce::Array<Listener*> copy;
        {
            const juce::ScopedLock guard (lock);
            copy = listeners;
        }
        for (int i = copy.size(); --i >= 0;)
            callback (*copy.getUnchecked (i));
    }

private:
    juce::CriticalSection lock;
    juce::Array<Listener*> listeners;
};
