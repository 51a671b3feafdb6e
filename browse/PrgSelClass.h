#pragma once

#include "browse/iPrgSelClass.h"

/** The compact program chooser of the parameter page: the program list,
    a category list, the bank buttons, the keypad, a search field and CLOSE. */
class ProgPanel : public ObjBrowser
{
public:
    explicit ProgPanel (DaduRAAudioProcessor& processor);

    /** Where the panel's words go (the parameter page forwards them). */
    std::function<void (juce::int64)> onCommand;

    i_Grid& getCategories() { return categories; }
    void resized() override;

private:
    void emit (juce::int64 word) override { if (onCommand) onCommand (word); }
    void showCurrentInLcd() override;
    void ownButtonClicked (int id) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    i_Grid categories;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgPanel)
};

/** Told of every command word the program parameter page emits. */
class PrgSelListener
{
public:
    virtual ~PrgSelListener() = default;
    virtual void prgSelCommand (juce::int64 word) = 0;
};

/** The program parameter page: the channel's level, pan, FX chains and sends
    (and on organ programs the drawbars and organ switches), each bound to
    its value slot, beside the compact chooser. Moving a control sets and
    sends its slot; an FX chain field asks for the chain selector (code 19). */
class PrgSelClass : public juce::Component,
                    private StsContListener
{
public:
    explicit PrgSelClass (DaduRAAudioProcessor& processor);

    void addListener (PrgSelListener* listener) { listeners.add (listener); }

    /** Shows the channel's program: header, layout kind, every control from the value table. */
    void showFor (int channel, int program);
    void hide();
    bool isOpen() const { return open; }
    int getChannel() const { return channel; }
    int getProgram() const { return program; }
    bool showsOrganLayout() const { return organLayout; }

    /** A value slot changed: a control bound to it follows. */
    void onParameterChange (int slot, int value);

    /** The control bound to a slot, or nullptr. */
    StsCont* controlFor (int slot) const;
    ProgPanel& getChooser() { return chooser; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    /** A click on the page must not send the keyboard into the search field. */
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override { return nullptr; }

private:
    struct Binding
    {
        int slot;
        std::unique_ptr<StsCont> control;
    };

    void valueReported (StsCont* control, juce::int64 message) override;
    void rebuildControls();
    void addControl (int slot, const juce::String& label, juce::Rectangle<int> bounds, int style);
    void showSlot (Binding& binding, int value);
    void emit (juce::int64 word);
    void drawBackground();

    DaduRAAudioProcessor& processor;
    MidiCntrState& midi;
    GuardedListeners<PrgSelListener> listeners;
    ProgPanel chooser;
    std::vector<Binding> bindings;
    juce::Image background;
    int channel = 0, program = 1;
    bool organLayout = false;
    bool open = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PrgSelClass)
};
