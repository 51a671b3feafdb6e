#pragma once

#include "widgets/CommandWord.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The tile that shows which program a channel plays: category word, bank
    text and the name on two lines. A click queues code 12 for its channel. */
class NameSlot : public juce::Component,
                 public juce::ChangeBroadcaster
{
public:
    enum Mode { FULL = 0, SMALL = 1 };

    NameSlot (int mode, int index);

    void setBankText (const juce::String& text);
    void setTexts (const juce::String& category, const juce::String& name);
    const juce::String& getLine1() const { return line1; }
    const juce::String& getLine2() const { return line2; }

    /** Breaks a name at its first space after the fourth character (or the next one). */
    static std::pair<juce::String, juce::String> breakName (const juce::String& name);

    CommandQueue pending;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;

private:
    int index, mode;
    juce::String bankText { "BS1:0001" }, categoryText { "Piano" }, line1, line2;
    bool pressed = false;
};
