#pragma once

#include "arrange/DaduRAAudioProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The component that fills the window: it owns every page, decides which is
    shown and routes the controller state's notifications to them. */
class MainComp : public juce::AudioProcessorEditor,
                 public juce::ChangeBroadcaster,
                 public stateListener,
                 private juce::Timer,
                 private juce::AsyncUpdater
{
public:
    static constexpr int MODE_DEBOUNCE_MS = 25;

    explicit MainComp (DaduRAAudioProcessor* processor);
    ~MainComp() override;

    /** Shows or hides a page by its code; object pages are chosen by objectType. */
    void showPage (int code, bool show, int objectType = 0, int index = 0, int value = 0);
    /** Hides the editors and the object pages, then re-applies the keyboard drawer. */
    void closeEditors();
    /** The rectangle in which pages are placed. */
    juce::Rectangle<int> contentArea() const;

    /** 1 program mode, 2 multi mode: tells the instrument and shows the mode's browser. */
    void setMode (int mode);
    int getModeShown() const { return modeShown; }
    const juce::String& getStatusLine() const { return statusLine; }

    /** Drains both of the controller state's queues now (the async update does the same). */
    void drainPendingQueues();

    void stateQueued() override;
    void stateMessage (int word) override;
    void parameterMessage (int value, int address) override;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void timerCallback() override;
    void handleAsyncUpdate() override { drainPendingQueues(); }
    void showStatusOnLine();

    DaduRAAudioProcessor& processor;
    MidiCntrState& midi;

    int pendingSlot = 0;
    int modeShown = 0;
    bool uiBuilt = false;
    juce::String statusLine { "OFF-LINE" };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComp)
};
