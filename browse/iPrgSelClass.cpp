#include "browse/iPrgSelClass.h"
#include "app/PageCodes.h"
#include "comms/ZK5Class.h"
#include "widgets/FeelAndLook.h"

namespace
{
std::unique_ptr<StsGrid> programGrid (const BankIndex& bank)
{
    auto grid = std::make_unique<StsGrid_Prg> (&bank);
    grid->setIds (0, 11);
    return grid;
}
}

iPrgSelClass::iPrgSelClass (DaduRAAudioProcessor& p)
    : ObjBrowser (p, ZK5Class::programBankOf (p.getMidi().getObjectStore()),
                  programGrid (ZK5Class::programBankOf (p.getMidi().getObjectStore())), page::KIND_PROGRAM, Favourites::PROGRAM,
                  "Find a program by name")
{
    addBankButtons ({ 400, 288 }, { 0, 46 }, { 70, 34 });
    for (int category = 1; category <= 14; ++category)
    {
        const int column = (category - 1) % 4, row = (category - 1) / 4;
        addButton (categoryButtons, categoryName (category), CATEGORY_BASE + category,
                   { 516 + 102 * column, 288 + 48 * row, 86, 34 }, 11.0f);
    }
    addKeypad ({ 660, 20 }, { 860, 66, 56, 38 }, { 860, 112, 56, 38 });

    const std::pair<const char*, int> bottom[] = { { "EDIT", EDIT_ID }, { "INFO", INFO_ID }, { "PARAMETERS", PARAMETERS_ID },
                                                   { "FAVORITES", FAVORITES_ID }, { "CLOSE", CLOSE_ID } };
    for (int i = 0; i < 5; ++i)
        addButton (ownButtons, bottom[i].first, bottom[i].second, { 400 + 108 * i, 540, 100, 38 }, 13.0f);

    setSize (950, 598);
    setListMode (ALL, false);
}

void iPrgSelClass::refreshLcd (int ch, int program)
{
    if (ch == getChannel())
        showProgram (lcd, bank, ch, program);
}

void iPrgSelClass::showProgram (LCD_Comp& lcd, const BankIndex& bank, int channel, int program)
{
    lcd.setTexts (program, bank.getListCategory (program), bank.getListSubCategory (program), bank.getName (program),
                  "Ch. " + juce::String (channel + 1), bank.exists (program) ? juce::String (bank.getCategoryName (program)) : juce::String(), "");
}

void iPrgSelClass::emit (juce::int64 word)
{
    listeners.call ([word] (iPrgSelListener& l) { l.iPrgSelCommand (word); });
}

void iPrgSelClass::ownButtonClicked (int id)
{
    const int shown = midi.getChannelProgram (getChannel());
    switch (id)
    {
        case EDIT_ID: if (bank.exists (shown)) emitCode (command::OPEN_EDITOR, shown); break;
        case INFO_ID: if (bank.exists (shown)) emitCode (command::INFO_PAGE, shown); break;
        case CLOSE_ID: emitCode (command::CLOSE, shown); break;
        case PARAMETERS_ID: emitCode (command::PARAMETER_PAGE, shown); break;
        default: break;
    }
}

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
    grid->setBounds (10, 10, 380, getHeight() - 20);
    lcd.setTopLeftPosition (400, 10);
    search.setBounds (400, 226, 500, 30);
}
