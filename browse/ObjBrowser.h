#pragma once

#include "arrange/DaduRAAudioProcessor.h"
#include "browse/FavoriteCont.h"
#include "widgets/Displays.h"
#include "widgets/Grids.h"

/** What the program and the multi browser share: a grid over one bank,
    filtered by bank half and by a search text, number entry on a keypad,
    the favourites, and the command words by which choices leave the page.
    The browser of each kind adds its own buttons and lays itself out. */
class ObjBrowser : public juce::Component,
                   protected stsbutListener,
                   protected juce::ChangeListener,
                   private juce::TextEditor::Listener,
                   public juce::ChangeBroadcaster
{
public:
    enum Value { ALL = 200, FACTORY = 0, USER = 1, CLEAR = 99, ENTER = 100, STEP_BACK = 200, STEP_FORWARD = 201 };
    enum ButtonId { BANK_BASE = 1000, CATEGORY_BASE = 2000, KEY_BASE = 3000, EDIT_ID = 4001, INFO_ID = 4002, CLOSE_ID = 4003,
                    FAVORITES_ID = 4004, PARAMETERS_ID = 4005 };

    /** kind: the object kind the words carry (11 programs, 114 multis); favouriteKind: the favourites' own kind. */
    ObjBrowser (DaduRAAudioProcessor& processor, const BankIndex& bank, std::unique_ptr<StsGrid> grid, int kind,
                int favouriteKind, const juce::String& searchHint);
    ~ObjBrowser() override;

    void showFor (int channel);
    void hide();
    bool isOpen() const { return open; }
    int getChannel() const { return channel; }

    /** Bank value 200 (all), 0 (factory), 1 (user), or a category 1..14 (isCategory). */
    void setListMode (int value, bool isCategory);
    /** Only objects whose names contain the text (case-insensitive), within the bank or category. */
    void setSearchText (const juce::String& text);
    void pressKey (int value);
    /** Selects the ID in the grid and scrolls to it, without choosing it. */
    void reveal (int id);

    /** Opens the favourites over the page (created on first use). */
    void showFavourites();
    FavoriteCont* getFavourites() const { return favourites.get(); }
    /** The control whose value selector the last code 19 asked for. */
    VlmCont* getCurrentControl() const { return currentControl; }

    StsGrid& getGrid() { return *grid; }
    const juce::String& getTypedNumber() const { return typed; }
    LCD_Comp& getLcd() { return lcd; }
    juce::TextEditor& getSearchField() { return search; }

    /** A click elsewhere on the page must not send the keyboard into the search field. */
    std::unique_ptr<juce::ComponentTraverser> createKeyboardFocusTraverser() override { return nullptr; }

protected:
    /** Hands a command word to the browser's listeners. */
    virtual void emit (juce::int64 word) = 0;
    /** Shows the object the channel plays in the LCD when nothing is typed. */
    virtual void showCurrentInLcd() = 0;
    /** The browser's own buttons; bank buttons, keys and FAVORITES are handled here. */
    virtual void ownButtonClicked (int id) = 0;

    void emitCode (int code, int value);
    void addBankButtons (juce::Point<int> origin, juce::Point<int> pitch, juce::Point<int> size);
    /** The ten digits, Clear and Enter from origin; the step keys where the page wants them. */
    void addKeypad (juce::Point<int> origin, juce::Rectangle<int> stepBack, juce::Rectangle<int> stepForward);
    StsBut* addButton (juce::OwnedArray<StsBut>& group, const juce::String& text, int id, juce::Rectangle<int> bounds,
                       float font = 12.0f);
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    DaduRAAudioProcessor& processor;
    MidiCntrState& midi;
    const BankIndex& bank;
    std::unique_ptr<StsGrid> grid;
    LCD_Comp lcd { 0, 230, 110 };
    juce::TextEditor search;
    juce::OwnedArray<StsBut> bankButtons, categoryButtons, keys, ownButtons;
    VlmCont* currentControl = nullptr;
    const int kind;

private:
    void buttonClicked (StsBut* button, int id) override;
    void textEditorTextChanged (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void relist();
    void stepSelection (int delta);
    void favouriteEvent (juce::int64 word);
    void gridWord (juce::int64 word);

    const int favouriteKind;
    std::unique_ptr<FavoriteCont> favourites;
    int channel = 0;
    bool open = false;
    int listMode = BankIndex::LIST_EXISTING, listArg = 0;
    juce::String searchText;
    juce::String typed;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ObjBrowser)
};
