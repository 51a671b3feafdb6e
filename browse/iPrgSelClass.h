#pragma once

#include "browse/ObjBrowser.h"
#include "widgets/ProgramGrid.h"

/** Told of every command word the program browser emits. */
class iPrgSelListener
{
public:
    virtual ~iPrgSelListener() = default;
    virtual void iPrgSelCommand (juce::int64 word) = 0;
};

/** The program browser: the program bank in a grid, filtered by bank or
    category and by a search text, with number entry and the buttons that open
    the editor, the info page and the parameter page. Choices leave the page as
    command words (7 choose, 13 close, 15 edit, 16 info, 24 a multi favourite,
    25 parameters). */
class iPrgSelClass : public ObjBrowser
{
public:
    explicit iPrgSelClass (DaduRAAudioProcessor& processor);

    void addListener (iPrgSelListener* listener) { listeners.add (listener); }

    void refreshLcd (int channel, int program);
    /** "Ch. " and the channel, the program's category, number and name. */
    static void showProgram (LCD_Comp& lcd, const BankIndex& bank, int channel, int program);

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void emit (juce::int64 word) override;
    void showCurrentInLcd() override { refreshLcd (getChannel(), midi.getChannelProgram (getChannel())); }
    void ownButtonClicked (int id) override;

    GuardedListeners<iPrgSelListener> listeners;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (iPrgSelClass)
};
