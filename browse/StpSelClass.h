#pragma once

#include "browse/ObjBrowser.h"
#include "editors/ZonesArray.h"

/** Told of every command word the multi browser emits. */
class StpSelListener
{
public:
    virtual ~StpSelListener() = default;
    virtual void stpSelCommand (juce::int64 word) = 0;
};

/** The multi browser: the multi bank in a grid, filtered by bank half and by
    a search text, with number entry, favourites and the zones of the multi
    being played. Choices leave the page as command words (7 choose, 15 edit,
    19 value selector, 24 a program favourite). */
class StpSelClass : public ObjBrowser
{
public:
    explicit StpSelClass (DaduRAAudioProcessor& processor);

    void addListener (StpSelListener* listener) { listeners.add (listener); }

    /** Shows the multi being played: its number and name, its row in the grid and its zones. */
    void showMulti();
    ZonesArray& getZones() { return zones; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void emit (juce::int64 word) override;
    void showCurrentInLcd() override;
    void ownButtonClicked (int id) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    GuardedListeners<StpSelListener> listeners;
    ZonesArray zones;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StpSelClass)
};
