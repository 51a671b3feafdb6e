#pragma once

#include "arrange/DaduRAAudioProcessor.h"
#include "browse/FavoriteCont.h"
#include "widgets/Displays.h"
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
    command words (7 choose, 13 close, 15 edit, 16 info, 25 parameters). */
class iPrgSelClass : public juce::Component,
                     private stsbutListener,
                     private juce::ChangeListener,
                     private juce::TextEditor::Listener,
                     public juce::ChangeBroadcaster
{
public:
    enum Value { ALL = 200, FACTORY = 0, USER = 1, CLEAR = 99, ENTER = 100, STEP_BACK = 200, STEP_FORWARD = 201 };
    enum ButtonId { BANK_BASE = 1000, CATEGORY_BASE = 2000, KEY_BASE = 3000, EDIT_ID = 4001, INFO_ID = 4002, CLOSE_ID = 4003,
                    FAVORITES_ID = 4004, PARAMETERS_ID = 4005 };

    explicit iPrgSelClass (DaduRAAudioProcessor& processor);

    void addListener (iPrgSelListener* listener) { listeners.add (listener); }

    void showFor (int channel);
    void hide();
    bool isOpen() const { return open; }
    int getChannel() const { return channel; }

    /** Bank value 200 (all), 0 (factory), 1 (user), or a category 1..14 (isCategory). */
    void setListMode (int value, bool isCategory);
    /** Only programs whose names contain the text (case-insensitive), within the bank or category. */
    void setSearchText (const juce::String& text);
    void pressKey (int value);
    void refreshLcd (int channel, int program);
    void reveal (int id);

    /** Opens the favourites over the page (created on first use). */
    void showFavourites();
    FavoriteCont* getFavourites() const { return favourites.get(); }

    StsGrid_Prg& getGrid() { return grid; }
    const juce::String& getTypedNumber() const { return typed; }
    LCD_Comp& getLcd() { return lcd; }
    juce::TextEditor& getSearchField() { return search; }

    void paint (juce::Graphics& g) override;
    void resized() override;
    /** A click elsewhere on the page must not send the keyboard into the search field. */
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override { return nullptr; }

private:
    void buttonClicked (StsBut* button, int id) override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void textEditorTextChanged (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void emit (juce::int64 word);
    void emitCode (int code, int value);
    void relist();
    void favouriteEvent (juce::int64 word);

    DaduRAAudioProcessor& processor;
    MidiCntrState& midi;
    const BankIndex& bank;
    GuardedListeners<iPrgSelListener> listeners;

    StsGrid_Prg grid;
    LCD_Comp lcd { 0, 230, 110 };
    juce::TextEditor search;
    juce::OwnedArray<StsBut> bankButtons, categoryButtons, keys, bottomButtons;
    std::unique_ptr<FavoriteCont> favourites;

    int channel = 0;
    bool open = false;
    int listMode = BankIndex::LIST_EXISTING, listArg = 0;
    juce::String searchText;
    juce::String typed;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (iPrgSelClass)
};
