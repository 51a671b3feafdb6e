#include "browse/ObjBrowser.h"

ObjBrowser::ObjBrowser (DaduRAAudioProcessor& p, const BankIndex& b, std::unique_ptr<StsGrid> g, int k, int favKind,
                        const juce::String& searchHint)
    : processor (p), midi (p.getMidi()), bank (b), grid (std::move (g)), kind (k), favouriteKind (favKind)
{
    grid->addChangeListener (this);
    addAndMakeVisible (*grid);
    addAndMakeVisible (lcd);

    search.setTextToShowWhenEmpty (searchHint, juce::Colour (0xFF8A8A8A));
    search.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xFF101214));
    search.setColour (juce::TextEditor::textColourId, juce::Colour (0xFFEEEEEE));
    search.setColour (juce::TextEditor::outlineColourId, juce::Colour (0xFF457089));
    search.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    search.addListener (this);
    addAndMakeVisible (search);
}

ObjBrowser::~ObjBrowser()
{
    grid->removeChangeListener (this);
}

StsBut* ObjBrowser::addButton (juce::OwnedArray<StsBut>& group, const juce::String& text, int id,
                               juce::Rectangle<int> bounds, float font)
{
    auto* button = group.add (new StsBut (text, id, false, font, bounds.getHeight() - 4));
    button->setBounds (bounds);
    button->addListener (this);
    addAndMakeVisible (button);
    return button;
}

void ObjBrowser::addBankButtons (juce::Point<int> origin, juce::Point<int> pitch, juce::Point<int> size)
{
    const std::pair<const char*, int> banks[] = { { "ALL", ALL }, { "FACTORY", FACTORY }, { "USER", USER } };
    for (int i = 0; i < 3; ++i)
        addButton (bankButtons, banks[i].first, BANK_BASE + banks[i].second,
                   { origin.x + pitch.x * i, origin.y + pitch.y * i, size.x, size.y });
}

void ObjBrowser::addKeypad (juce::Point<int> origin, juce::Rectangle<int> stepBack, juce::Rectangle<int> stepForward)
{
    struct Key { const char* text; int value; };
    const Key pad[] = { { "1", 1 }, { "2", 2 }, { "3", 3 }, { "4", 4 }, { "5", 5 }, { "6", 6 }, { "7", 7 }, { "8", 8 }, { "9", 9 },
                        { "Clear", CLEAR }, { "0", 0 }, { "Enter", ENTER } };
    for (int i = 0; i < 12; ++i)
        addButton (keys, pad[i].text, KEY_BASE + pad[i].value, { origin.x + 62 * (i % 3), origin.y + 46 * (i / 3), 56, 38 }, 13.0f);
    addButton (keys, "<", KEY_BASE + STEP_BACK, stepBack, 15.0f);
    addButton (keys, ">", KEY_BASE + STEP_FORWARD, stepForward, 15.0f);
}

//==============================================================================
void ObjBrowser::showFor (int newChannel)
{
    channel = juce::jlimit (0, 15, newChannel);
    open = true;
    setVisible (true);
    toFront (false);
}

void ObjBrowser::hide()
{
    open = false;
    setVisible (false);
}

void ObjBrowser::setListMode (int value, bool isCategory)
{
    if (isCategory)
    {
        listMode = BankIndex::LIST_CATEGORY;
        listArg = value;
    }
    else if (value == ALL)
    {
        listMode = BankIndex::LIST_EXISTING;
        listArg = 0;
    }
    else
    {
        listMode = BankIndex::LIST_HALF;
        listArg = value;
    }

    for (auto* b : bankButtons)
        b->setLit (! isCategory && b->getId() == BANK_BASE + value);
    for (auto* b : categoryButtons)
        b->setLit (isCategory && b->getId() == CATEGORY_BASE + value);
    relist();
}

void ObjBrowser::setSearchText (const juce::String& text)
{
    searchText = text.trim();
    if (search.getText() != text)
        search.setText (text, false);
    relist();
}

void ObjBrowser::relist()
{
    juce::Array<int> ids;
    for (const int id : bank.listIds (listMode, listArg))
    {
        // The category lists also hold empty IDs (their category byte reads 0): keep real objects only.
        if (! bank.exists (id))
            continue;
        if (searchText.isNotEmpty() && ! juce::String (bank.getName (id)).containsIgnoreCase (searchText))
            continue;
        ids.add (id);
    }
    grid->setIdList (ids);
}

void ObjBrowser::textEditorTextChanged (juce::TextEditor& editor) { setSearchText (editor.getText()); }
void ObjBrowser::textEditorEscapeKeyPressed (juce::TextEditor&) { setSearchText ({}); }

//==============================================================================
void ObjBrowser::pressKey (int value)
{
    switch (value)
    {
        case ENTER:
        {
            const int wanted = typed.getIntValue();
            setListMode (ALL, false);
            grid->selectId (wanted, true);
            break;
        }
        case CLEAR:
            typed.clear();
            break;
        case STEP_BACK:
        case STEP_FORWARD:
            stepSelection (value == STEP_BACK ? -1 : 1);
            break;
        default:
            if (value >= 0 && value <= 9)
            {
                if (typed.isEmpty() && value == 0)
                    break;   // a leading 0 is ignored
                if (typed.length() < 4)
                    typed << value;
            }
            break;
    }
    lcd.showEditedNumber (typed.isEmpty() ? -1 : typed.getIntValue());
    if (typed.isEmpty())
        showCurrentInLcd();
}

void ObjBrowser::stepSelection (int delta)
{
    const int selected = grid->getSelectedRow();
    if (selected < 0)
        return;
    const int row = juce::jlimit (0, grid->getRowCount() - 1, selected + delta);
    if (row != selected)
        grid->stepSelection (row - selected);
    else
        emitCode (command::SELECTED, grid->getSelectedId());   // at either end the same object is chosen again
}

void ObjBrowser::reveal (int id)
{
    if (! grid->getIds().contains (id))
        return;
    grid->selectId (id, false);
    grid->pending.takeAll();   // revealing is not a choice
}

//==============================================================================
void ObjBrowser::emitCode (int code, int value)
{
    emit (command::make (code, kind, (kind << 4) + channel, value));
}

void ObjBrowser::showFavourites()
{
    if (favourites == nullptr)
    {
        favourites = std::make_unique<FavoriteCont> (processor, favouriteKind);
        favourites->addChangeListener (this);
        addChildComponent (*favourites);
    }
    favourites->refreshButtons();
    favourites->setBounds (getLocalBounds());
    favourites->setVisible (true);
    favourites->toFront (false);
}

void ObjBrowser::favouriteEvent (juce::int64 word)
{
    const int index = command::arg (word);
    switch (command::code (word))
    {
        case FavBut::PRESSED:
        {
            favourites->lightOnly (index);
            const auto& table = midi.favourites;
            if (table.isEmpty (index))
                break;
            if (table.kindOf (index) == favouriteKind)
            {
                setListMode (ALL, false);
                grid->selectId (table.idOf (index), true);
            }
            else
                emitCode (command::OTHER_KIND_FAVOURITE, table.idOf (index));   // the other kind switches the mode
            break;
        }
        case FavBut::HELD:
            favourites->setSlotBeingAssigned (index);
            currentControl = &favourites->getAssignControl();
            emitCode (command::OPEN_SELECTOR, 0);
            break;
        case command::VALUE_CHANGED:
        {
            const int id = command::value (word);
            favourites->assignFavourite (index, favouriteKind, id);
            if (id > 0)
            {
                setListMode (ALL, false);
                reveal (id);
            }
            break;
        }
        default:
            break;
    }
}

void ObjBrowser::gridWord (juce::int64 word)
{
    // The grid knows no channel: the browser's words carry its kind and channel.
    switch (command::code (word))
    {
        case command::SELECTED:
        case command::SELECTED_BY_PROGRAM:
        case command::RIGHT_CLICK:
        case command::RIGHT_CLICK_THIRD_COLUMN:
            emitCode (command::code (word), command::value (word));
            break;
        case command::CLOSE:   // a double-click opens the editor
            emitCode (command::OPEN_EDITOR, command::value (word));
            break;
        default:
            break;
    }
}

void ObjBrowser::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (favourites != nullptr && source == favourites.get())
    {
        for (const auto word : favourites->events.takeAll())
            favouriteEvent (word);
    }
    else if (source == grid.get())
    {
        for (const auto word : grid->pending.takeAll())
            gridWord (word);
    }
}

void ObjBrowser::buttonClicked (StsBut*, int id)
{
    if (id >= BANK_BASE && id < CATEGORY_BASE)
        setListMode (id - BANK_BASE, false);
    else if (id >= CATEGORY_BASE && id < KEY_BASE)
        setListMode (id - CATEGORY_BASE, true);
    else if (id >= KEY_BASE && id < EDIT_ID)
        pressKey (id - KEY_BASE);
    else if (id == FAVORITES_ID)
        showFavourites();
    else
        ownButtonClicked (id);
}
