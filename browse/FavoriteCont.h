#pragma once

#include "arrange/DaduRAAudioProcessor.h"
#include "widgets/VlmCont.h"

/** One favourite: its program or multi number and name; pressing posts 501,
    holding it for a second also posts 504. */
class FavBut : public juce::Component,
               private juce::Timer
{
public:
    static constexpr int HOLD_MS = 1000;
    enum Event { PRESSED = 501, HELD = 504 };

    FavBut (int index, CommandQueue& events, juce::ChangeBroadcaster& owner);

    void setLabel (const juce::String& number, const juce::String& category, const juce::String& name, bool empty);
    void setLit (bool shouldBeLit);
    bool isLit() const { return lit; }

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;

private:
    void timerCallback() override;
    void post (int event);

    int index;
    CommandQueue& events;
    juce::ChangeBroadcaster& owner;
    juce::String number, category, name;
    bool empty = true, lit = false;
};

/** The 32 favourites over a browser: press to recall, hold to reassign. Its
    events (501 pressed, 504 held, 17 assigned value) go to the browser. */
class FavoriteCont : public juce::Component,
                     public juce::ChangeBroadcaster,
                     private juce::ChangeListener,
                     private stsbutListener
{
public:
    enum { CLOSE_ID = 1111 };

    FavoriteCont (DaduRAAudioProcessor& processor, int browserKind);

    /** Stores a favourite, shows it and writes "Favorites.dat". */
    void assignFavourite (int index, int kind, int id);
    void refreshButtons();
    /** Lights the favourite pressed last. */
    void lightOnly (int index);

    FavBut& getButton (int index) { return *buttons[index]; }
    VlmCont& getAssignControl() { return assign; }
    int getSlotBeingAssigned() const { return slotBeingAssigned; }
    void setSlotBeingAssigned (int index) { slotBeingAssigned = index; }

    CommandQueue events;

    void paint (juce::Graphics& g) override;

private:
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void buttonClicked (StsBut*, int id) override;

    MidiCntrState& midi;
    juce::OwnedArray<FavBut> buttons;
    VlmCont assign;
    StsBut closeButton;
    int slotBeingAssigned = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FavoriteCont)
};
