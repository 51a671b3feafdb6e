#include "browse/iPrgSelClass.h"
#include "app/PageCodes.h"
#include "comms/ZK5Class.h"
#include "widgets/FeelAndLook.h"

namespace
{
StsBut* addButton (juce::Component& parent, juce::OwnedArray<StsBut>& group, const juce::String& text, int id,
                   juce::Rectangle<int> bounds, stsbutListener* listener, float font = 12.0f)
{
    auto* button = group.add (new StsBut (text, id, false, font, bounds.getHeight() - 4));
    button->setBounds (bounds);
    button->addListener (listener);
    parent.addAndMakeVisible (button);
    return button;
}
}

iPrgSelClass::iPrgSelClass (DaduRAAudioProcessor& p)
    : processor (p), midi (p.getMidi()), bank (ZK5Class::programBankOf (midi.getObjectStore())), grid (&bank)
{
    grid.setIds (0, 11);
    grid.addChangeListener (this);
    addAndMakeVisible (grid);
    addAndMakeVisible (lcd);

    search.setTextToShowWhenEmpty ("Find a program by name", juce::Colour (0xFF8A8A8A));
    search.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xFF101214));
    search.setColour (juce::TextEditor::textColourId, juce::Colour (0xFFEEEEEE));
    search.setColour (juce::TextEditor::outlineColourId, juce::Colour (0xFF457089));
    search.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    search.addListener (this);
    addAndMakeVisible (search);

    addButton (*this, bankButtons, "ALL", BANK_BASE + ALL, { 400, 288, 70, 34 }, this);
    addButton (*this, bankButtons, "FACTORY", BANK_BASE + FACTORY, { 400, 334, 70, 34 }, this);
    addButton (*this, bankButtons, "USER", BANK_BASE + USER, { 400, 380, 70, 34 }, this);
    for (int category = 1; category <= 14; ++category)
    {
        const int column = (category - 1) % 4, row = (category - 1) / 4;
        addButton (*this, categoryButtons, categoryName (category), CATEGORY_BASE + category,
                   { 516 + 102 * column, 288 + 48 * row, 86, 34 }, this, 11.0f);
    }

    struct Key { const char* text; int value; };
    const Key pad[] = { { "1", 1 }, { "2", 2 }, { "3", 3 }, { "4", 4 }, { "5", 5 }, { "6", 6 }, { "7", 7 }, { "8", 8 }, { "9", 9 },
                        { "Clear", CLEAR }, { "0", 0 }, { "Enter", ENTER } };
    for (int i = 0; i < 12; ++i)
        addButton (*this, keys, pad[i].text, KEY_BASE + pad[i].value, { 660 + 62 * (i % 3), 20 + 46 * (i / 3), 56, 38 }, this, 13.0f);
    addButton (*this, keys, "<", KEY_BASE + STEP_BACK, { 860, 66, 56, 38 }, this, 15.0f);
    addButton (*this, keys, ">", KEY_BASE + STEP_FORWARD, { 860, 112, 56, 38 }, this, 15.0f);

    const std::pair<const char*, int> bottom[] = { { "EDIT", EDIT_ID }, { "INFO", INFO_ID }, { "PARAMETERS", PARAMETERS_ID },
                                                   { "FAVORITES", FAVORITES_ID }, { "CLOSE", CLOSE_ID } };
    for (int i = 0; i < 5; ++i)
        addButton (*this, bottomButtons, bottom[i].first, bottom[i].second, { 400 + 108 * i, 540, 100, 38 }, this, 13.0f);

    setSize (950, 598);
    setListMode (ALL, false);
}

//==============================================================================
void iPrgSelClass::showFor (int newChannel)
{
    channel = juce::jlimit (0, 15, newChannel);
    open = true;
    setVisible (true);
    toFront (false);
}

void iPrgSelClass::hide()
{
    open = false;
    setVisible (false);
}

void iPrgSelClass::setListMode (int value, bool isCategory)
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

void iPrgSelClass::setSearchText (const juce::String& text)
{
    searchText = text.trim();
    if (search.getText() != text)
        search.setText (text, false);
    relist();
}

void iPrgSelClass::relist()
{
    juce::Array<int> ids;
    for (const int id : bank.listIds (listMode, listArg))
    {
        // The category lists also hold empty IDs (their category byte reads 0): keep real programs only.
        if (! bank.exists (id))
            continue;
        if (searchText.isNotEmpty() && ! juce::String (bank.getName (id)).containsIgnoreCase (searchText))
            continue;
        ids.add (id);
    }
    grid.setIdList (ids);
}

void iPrgSelClass::textEditorTextChanged (juce::TextEditor& editor) { setSearchText (editor.getText()); }
void iPrgSelClass::textEditorEscapeKeyPressed (juce::TextEditor&) { setSearchText ({}); }

//==============================================================================
void iPrgSelClass::pressKey (int value)
{
    switch (value)
    {
        case ENTER:
        {
            const int wanted = typed.getIntValue();
            setListMode (ALL, false);
            grid.selectId (wanted, true);
            break;
        }
        case CLEAR:
            typed.clear();
            break;
        case STEP_BACK:
        case STEP_FORWARD:
            if (grid.getSelectedRow() >= 0)
            {
                const int row = juce::jlimit (0, grid.getRowCount() - 1, grid.getSelectedRow() + (value == STEP_BACK ? -1 : 1));
                if (row != grid.getSelectedRow())
                    grid.stepSelection (row - grid.getSelectedRow());
                else
                    emitCode (command::SELECTED, grid.getSelectedId());
            }
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
        refreshLcd (channel, midi.getChannelProgram (channel));
}

void iPrgSelClass::refreshLcd (int ch, int program)
{
    if (ch != channel)
        return;
    lcd.setTexts (program, bank.getListCategory (program), bank.getListSubCategory (program), bank.getName (program),
                  "Ch. " + juce::String (channel + 1), bank.exists (program) ? juce::String (bank.getCategoryName (program)) : juce::String(), "");
}

void iPrgSelClass::reveal (int id)
{
    if (! grid.getIds().contains (id))
        return;
    grid.selectId (id, false);
    grid.pending.takeAll();   // revealing is not a choice
}

//==============================================================================
void iPrgSelClass::emit (juce::int64 word)
{
    listeners.call ([word] (iPrgSelListener& l) { l.iPrgSelCommand (word); });
}

void iPrgSelClass::emitCode (int code, int value)
{
    emit (command::make (code, page::KIND_PROGRAM, (page::KIND_PROGRAM << 4) + channel, value));
}

void iPrgSelClass::showFavourites()
{
    if (favourites == nullptr)
    {
        favourites = std::make_unique<FavoriteCont> (processor, Favourites::PROGRAM);
        favourites->addChangeListener (this);
        addChildComponent (*favourites);
    }
    favourites->refreshButtons();
    favourites->setBounds (getLocalBounds());
    favourites->setVisible (true);
    favourites->toFront (false);
}

void iPrgSelClass::favouriteEvent (juce::int64 word)
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
            if (table.kindOf (index) == Favourites::PROGRAM)
            {
                setListMode (ALL, false);
                grid.selectId (table.idOf (index), true);
            }
            else
                emitCode (command::OTHER_KIND_FAVOURITE, table.idOf (index));   // a multi: switch to multi mode
            break;
        }
        case FavBut::HELD:
            favourites->setSlotBeingAssigned (index);
            emitCode (command::OPEN_SELECTOR, 0);
            break;
        case command::VALUE_CHANGED:
        {
            const int id = command::value (word);
            favourites->assignFavourite (index, Favourites::PROGRAM, id);
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

void iPrgSelClass::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (favourites != nullptr && source == favourites.get())
    {
        for (const auto word : favourites->events.takeAll())
            favouriteEvent (word);
        return;
    }
    if (source != &grid)
        return;
    for (const auto word : grid.pending.takeAll())
    {
        const int code = command::code (word);
        // The grid knows no channel: the browser's words carry the program kind and its channel.
        if (code == command::SELECTED || code == command::SELECTED_BY_PROGRAM || code == command::RIGHT_CLICK
            || code == command::RIGHT_CLICK_THIRD_COLUMN)
            emitCode (code, command::value (word));
        else if (code == command::CLOSE)
            emitCode (command::OPEN_EDITOR, command::value (word));
    }
}

void iPrgSelClass::buttonClicked (StsBut*, int id)
{
    if (id >= BANK_BASE && id < CATEGORY_BASE)
        setListMode (id - BANK_BASE, false);
    else if (id >= CATEGORY_BASE && id < KEY_BASE)
        setListMode (id - CATEGORY_BASE, true);
    else if (id >= KEY_BASE && id < EDIT_ID)
        pressKey (id - KEY_BASE);
    else
    {
        const int shown = midi.getChannelProgram (channel);
        switch (id)
        {
            case EDIT_ID: if (bank.exists (shown)) emitCode (command::OPEN_EDITOR, shown); break;
            case INFO_ID: if (bank.exists (shown)) emitCode (command::INFO_PAGE, shown); break;
            case CLOSE_ID: emitCode (command::CLOSE, shown); break;
            case PARAMETERS_ID: emitCode (command::PARAMETER_PAGE, shown); break;
            case FAVORITES_ID: showFavourites(); break;
            default: break;
        }
    }
}

//==============================================================================
void iPrgSelClass::paint (juce::Graphics& g)
{
    FeelAndLook().paintPanel (g, getWidth(), getHeight(), juce::Colour (0x22000000));
    g.setColour (juce::Colour (0xFF8A8A8A));
    g.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain));
    g.drawText ("BANK", 400, 268, 70, 16, juce::Justification::centredLeft);
    g.drawText ("CATEGORY", 516, 268, 200, 16, juce::Justification::centredLeft);
}

void iPrgSelClass::resized()
{
    grid.setBounds (10, 10, 380, getHeight() - 20);
    lcd.setTopLeftPosition (400, 10);
    search.setBounds (400, 226, 500, 30);
}
