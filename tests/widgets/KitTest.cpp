#include "model/ObjectType.h"
#include "support/FactoryFiles.h"
#include "support/Mouse.h"
#include "widgets/Displays.h"
#include "widgets/ProgramGrid.h"
#include "widgets/ValueMenu.h"
#include "widgets/NameSlot.h"
#include "resources/Fonts.h"
#include "model/ParDes.h"

#include <gtest/gtest.h>

namespace
{
struct ClickLog : stsbutListener
{
    explicit ClickLog (std::vector<int>& o, int t) : order (o), tag (t) {}
    void buttonClicked (StsBut*, int) override { order.push_back (tag); }
    std::vector<int>& order;
    int tag;
};

struct Reports : StsContListener
{
    void valueReported (StsCont*, juce::int64 message) override { words.push_back (message); }
    std::vector<juce::int64> words;
};

struct Changes : juce::ChangeListener
{
    void changeListenerCallback (juce::ChangeBroadcaster*) override { ++count; }
    int count = 0;
};
}

TEST (Buttons, PressReleaseAndListenerOrder)
{
    std::vector<int> order;
    ClickLog first (order, 1), second (order, 2);
    StsBut button ("OK", 5, true, 12.0f, 20);
    button.setBounds (0, 0, 80, 30);
    button.addListener (&first);
    button.addListener (&second);
    button.addListener (&first);   // a listener is added once

    button.mouseDown (press (button, 10, 10));
    EXPECT_FALSE (button.isPressed());      // momentary: no pressed look
    EXPECT_EQ (order, (std::vector<int> { 2, 1 }));   // last registered first

    StsBut onRelease ("GO", 6, false, 12.0f, 20);
    onRelease.setBounds (0, 0, 80, 30);
    onRelease.notifyOnRelease = true;
    onRelease.addListener (&first);
    order.clear();
    onRelease.mouseDown (press (onRelease, 10, 10));
    EXPECT_TRUE (order.empty());
    EXPECT_TRUE (onRelease.isPressed());
    onRelease.mouseUp (mouseAt (onRelease, { 90, 10 }, { 10, 10 }));   // released outside
    EXPECT_TRUE (order.empty());
    onRelease.mouseDown (press (onRelease, 10, 10));
    onRelease.mouseUp (mouseAt (onRelease, { -1, 5 }, { 10, 10 }));    // the two-pixel allowance
    EXPECT_EQ (order, std::vector<int> { 1 });
    EXPECT_FALSE (onRelease.isPressed());
}

TEST (ProgressBar, FullBarBroadcastsInsteadOfRepainting)
{
    progBarSM bar (5, 200, 30);
    Changes changes;
    bar.addChangeListener (&changes);
    bar.setProgress (4);
    bar.dispatchPendingMessages();
    EXPECT_EQ (changes.count, 0);
    bar.setProgress (5);
    bar.dispatchPendingMessages();
    EXPECT_EQ (changes.count, 1);
}

TEST (MessageBox, ButtonsAndTimeOutReachTheListener)
{
    struct Answers : MSGBListener
    {
        void messageConfirmed (Message_Box*, int code) override { log += "ok" + juce::String (code); }
        void messageCancelled (Message_Box*, int code) override { log += "cancel" + juce::String (code); }
        void messageTimedOut (Message_Box*, int code) override { log += "timeout" + juce::String (code); }
        juce::String log;
    } answers;

    Message_Box box ("Sure?", 9, 0, 0, 400, 200);
    box.addListener (&answers);
    box.getOkButton().mouseDown (press (box.getOkButton(), 5, 5));
    box.getCancelButton().mouseDown (press (box.getCancelButton(), 5, 5));
    box.timerCallback();
    EXPECT_EQ (answers.log, "ok9cancel9timeout9");
    EXPECT_EQ (box.getOkButton().getX(), (400 - 180) / 2);
}

//==============================================================================
class GridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        grid.setSize (400, 43 * 5);
        grid.setIds (3, 11);
        grid.loadIds (BankIndex::LIST_EXISTING, 0);
    }

    std::vector<int> codes()
    {
        std::vector<int> list;
        for (const auto w : grid.pending.takeAll())
            list.push_back (command::code (w));
        return list;
    }

    BankIndex bank = factoryIndex (typeProgram);
    StsGrid grid { &bank };
};

TEST_F (GridTest, SelectionAndItsCommands)
{
    ASSERT_EQ (grid.getRowCount(), 1141);
    EXPECT_EQ (grid.getSelectedRow(), -1);

    grid.mouseDown (press (grid, 50, 43 * 2 + 5));
    EXPECT_EQ (grid.getSelectedId(), 3);
    const auto words = grid.pending.takeAll();
    ASSERT_EQ (words.size(), 1);
    EXPECT_EQ (command::code (words[0]), 7);
    EXPECT_EQ (command::arg (words[0]), 11);
    EXPECT_EQ (command::target (words[0]), 11 * 16 + 3);
    EXPECT_EQ (command::value (words[0]), 3);

    grid.stepSelection (1);
    EXPECT_EQ (grid.getSelectedId(), 4);
    EXPECT_EQ (codes(), std::vector<int> { 7 });

    grid.selectId (2045, true);
    EXPECT_EQ (grid.getSelectedId(), 2045);
    EXPECT_EQ (grid.getTopRow(), 1138 - 4);   // row 1138 scrolled into view at the bottom
    EXPECT_EQ (codes(), (std::vector<int> { 14, 7 }));

    grid.selectId (5000, true);                // not listed: nothing
    EXPECT_EQ (grid.getSelectedId(), 2045);
    EXPECT_TRUE (codes().empty());

    grid.mouseDown (mouseAt (grid, { 50, 10 }, { 50, 10 }, 1, juce::ModifierKeys::rightButtonModifier));
    EXPECT_EQ (codes(), (std::vector<int> { 7, 91 }));
    grid.mouseDoubleClick (press (grid, 50, 10));
    EXPECT_EQ (codes(), std::vector<int> { 13 });

    grid.loadIds (BankIndex::LIST_CATEGORY, 4);
    EXPECT_EQ (grid.getSelectedRow(), -1);
    EXPECT_EQ (grid.getTopRow(), 0);
}

TEST_F (GridTest, PressesBelowTheRowsAndInTheScrollStrip)
{
    grid.setIdList ({ 1, 2 });
    grid.mouseDown (press (grid, 50, 200));
    EXPECT_EQ (grid.getSelectedId(), 2);   // below the last row: the last row

    grid.loadIds (BankIndex::LIST_EXISTING, 0);
    grid.mouseDown (press (grid, 390, 200));
    EXPECT_EQ (grid.getSelectedRow(), -1);   // the strip never selects
    EXPECT_EQ (grid.getTopRow(), 5);         // it pages down
    grid.mouseUp (press (grid, 390, 200));
    grid.mouseWheelMove (press (grid, 50, 50), wheel (1.0f));
    EXPECT_EQ (grid.getTopRow(), 4);
}

TEST (GridTexts, IdsHaveFourDigits)
{
    EXPECT_EQ (StsGrid::idText (7), "0007");
    EXPECT_EQ (StsGrid::idText (123), "0123");
    EXPECT_EQ (StsGrid::idText (8191), "8191");
    StsGrid grid (nullptr);
    EXPECT_EQ (grid.categoryIndex ("ORGAN"), 3);
    EXPECT_EQ (grid.categoryIndex ("NOPE"), -999);
}

TEST (ProgramGridTest, DoubleClickTellsTheListeners)
{
    struct Events : PrGridListener
    {
        void gridEvent (StsGrid_Prg*, int event, int id) override { seen.emplace_back (event, id); }
        std::vector<std::pair<int, int>> seen;
    } events;

    auto bank = factoryIndex (typeProgram);
    StsGrid_Prg grid (&bank);
    grid.setSize (400, 200);
    grid.addListener (&events);
    grid.loadIds (BankIndex::LIST_EXISTING, 0);
    grid.mouseDown (press (grid, 50, 50));
    grid.mouseDoubleClick (press (grid, 50, 50));
    ASSERT_EQ (events.seen.size(), 1u);
    EXPECT_EQ (events.seen[0], std::make_pair (15, 2));
    EXPECT_EQ (grid.pending.size(), 1);   // the press's 7 only
}

//==============================================================================
TEST (ListenerControl, DragsTogglesAndWheel)
{
    Reports reports;
    StsCont knob;
    knob.configure (4, "", 0, 0, 50, 70, 0, 127, StsCont::KNOB);
    knob.setIds (4, 2, 5);
    knob.addListener (&reports);
    knob.setValue (100, "100");

    knob.mouseDown (press (knob, 20, 20));
    knob.mouseDrag (mouseAt (knob, { 21, 20 }, { 20, 20 }));   // half a step: nothing
    EXPECT_TRUE (reports.words.empty());
    knob.mouseDrag (mouseAt (knob, { 30, 20 }, { 20, 20 }));
    ASSERT_EQ (reports.words.size(), 1u);
    EXPECT_EQ (command::code (reports.words[0]), StsCont::DRAGGED);
    EXPECT_EQ (command::target (reports.words[0]), 2 * 16 + 5);
    EXPECT_EQ (knob.getValue(), 105);

    knob.setValue (127, "127");
    knob.mouseWheelMove (press (knob, 1, 1), wheel (1.0f));
    EXPECT_EQ (knob.getValue(), 127);

    StsCont toggle;
    toggle.configure (1, "", 0, 0, 48, 20, 3, 9, StsCont::MIN_MAX_TOGGLE);
    toggle.addListener (&reports);
    toggle.setValue (3, "");
    toggle.mouseDown (press (toggle, 5, 5));
    EXPECT_EQ (toggle.getValue(), 9);
    toggle.mouseDown (press (toggle, 5, 5));
    EXPECT_EQ (toggle.getValue(), 3);
    EXPECT_EQ (command::code (reports.words.back()), StsCont::TOGGLED);

    StsCont fresh;
    fresh.configure (0, "", 0, 0, 40, 178, 0, 127, StsCont::FADER);
    EXPECT_EQ (fresh.getValue(), -1);   // min - 1: no value yet
}

TEST (ListenerControl, LabelledFieldsAndKnobsDrawTheirLabel)
{
    // The same control with and without a label: the label's line must differ.
    struct Case { int style, width, height; const char* text; };
    for (const auto& c : { Case { StsCont::NAME, 54, 26, "1874 Soft Hall Large" }, Case { StsCont::KNOB, 54, 76, "< 0 >" } })
    {
        auto snapshot = [&c] (const char* label)
        {
            StsCont control;
            control.configure (0, label, 0, 0, c.width, c.height, 0, 2048, c.style);
            control.setValue (1874, c.text);
            return control.createComponentSnapshot (control.getLocalBounds(), true, 1.0f);
        };
        const auto plain = snapshot (""), labelled = snapshot ("Insert");
        int differing = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < c.width; ++x)
                differing += plain.getPixelAt (x, y) != labelled.getPixelAt (x, y) ? 1 : 0;
        EXPECT_GT (differing, 20) << c.style;
    }
}

TEST (NameDisplay, MouseCodes)
{
    LCD_Comp lcd (0, 230, 110);
    lcd.mouseDown (press (lcd, 10, 40));
    EXPECT_EQ (lcd.getMouseCode(), 502);
    lcd.mouseDown (press (lcd, 70, 10));
    EXPECT_EQ (lcd.getMouseCode(), 503);
    lcd.mouseDown (press (lcd, 10, 10));
    EXPECT_EQ (lcd.getMouseCode(), 501);
    lcd.mouseUp (press (lcd, 10, 10));
    EXPECT_EQ (lcd.getMouseCode(), 506);
    lcd.inputMode = true;
    lcd.mouseDown (press (lcd, 10, 40));
    EXPECT_EQ (lcd.getMouseCode(), 507);

    // The display names a category as the browser's filters do.
    struct Line { int category, sub; const char* text; };
    for (const auto& c : { Line { 5, 0, "STRINGS" }, Line { 5, 1, "STRINGS: Mellotron" }, Line { 8, 0, "BRASS / WIND" },
                           Line { 9, 0, "ENSEMBLE" }, Line { 11, 2, "GUITAR / BASS: Guitar" }, Line { 14, 0, "FM" },
                           Line { 4, 2, "ORGAN: British Combo" }, Line { 6, 1, "PADS" }, Line { 25, 0, "25" } })
        EXPECT_EQ (LCD_Comp::categoryLine (c.category, c.sub), c.text) << c.category << "/" << c.sub;
    for (int category = 0; category <= 15; ++category)
    {
        EXPECT_EQ (LCD_Comp::categoryLine (category, 0), juce::String (categoryName (category)));
        EXPECT_LE (categoryShortName (category).size(), 6u) << category;
    }
    EXPECT_EQ (LCD_Comp::tileFor (7, 3), juce::Point<int> (8, 0));
    EXPECT_EQ (LCD_Comp::tileFor (1, 4), juce::Point<int> (1, 3));
    EXPECT_EQ (LCD_Comp::tileFor (5, 1), juce::Point<int> (9, 1));
}

TEST (DataWheel, WrapsAndKeepsItsDirection)
{
    BigKnob knob;
    knob.setPosition (35);
    knob.mouseWheelMove (press (knob, 1, 1), wheel (1.0f));
    EXPECT_EQ (knob.getPosition(), 0);
    EXPECT_EQ (knob.getDirection(), 1);
    knob.mouseWheelMove (press (knob, 1, 1), wheel (-1.0f));
    EXPECT_EQ (knob.getPosition(), 35);
    EXPECT_EQ (knob.getDirection(), -1);
}

TEST (Wheels, SpringBackToTheMiddle)
{
    WheelCnt pitch (64.0f, true);
    pitch.mouseDown (press (pitch, 10, 60));
    pitch.mouseDrag (mouseAt (pitch, { 10, 20 }, { 10, 60 }));
    EXPECT_FLOAT_EQ (pitch.getValue(), 104.0f);
    pitch.mouseUp (press (pitch, 10, 20));
    EXPECT_FLOAT_EQ (pitch.getValue(), 63.5f);

    WheelCnt modulation (0.0f, false);
    modulation.mouseWheelMove (press (modulation, 1, 1), wheel (-1.0f));
    EXPECT_FLOAT_EQ (modulation.getValue(), 0.0f);
    modulation.setValue (127.0f, false);
    EXPECT_EQ (modulation.getFrame(), 34);
}

TEST (LevelMeter, KeepsTheHigherLevel)
{
    Vu_Meter meter;
    meter.raise (90);
    meter.raise (40);
    EXPECT_EQ (meter.getLevel(), 90);
    meter.raise (100);
    EXPECT_EQ (meter.getLevel(), 100);
}

TEST (ValueMenus, OfferEveryValueWithAText)
{
    juce::PopupMenu menu;
    valuemenu::addValues (menu, 0, 3, [] (int v) { return juce::String (pardes::formatValue (v, 318)); });
    std::vector<std::pair<int, juce::String>> items;
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.emplace_back (it.getItem().itemID, it.getItem().text);
    EXPECT_EQ (items, (std::vector<std::pair<int, juce::String>> { { 1000, "NO" }, { 1001, "YES" }, { 1002, "2" }, { 1003, "3" } }));

    juce::PopupMenu empty;
    valuemenu::addValues (empty, 0, 5, [] (int v) { return juce::String (pardes::formatValue (v, 650)); });
    EXPECT_EQ (empty.getNumItems(), 0);
}

TEST (Look, ArialIsTheEmbeddedFaceEverywhere)
{
    // The look hands out the embedded Liberation Sans for "Arial": widths follow its metrics, not the machine's fonts.
    const auto regular = embeddedSansRegular();
    const juce::Font embedded (juce::Typeface::createSystemTypefaceFor (regular.data, regular.size));
    const juce::Font arial ("Arial", 14.0f, juce::Font::plain);
    EXPECT_FLOAT_EQ (arial.getStringWidthFloat ("VELMORAN ZK7: ON-LINE"),
                     embedded.withHeight (14.0f).getStringWidthFloat ("VELMORAN ZK7: ON-LINE"));
    EXPECT_EQ (arial.getTypefacePtr()->getName(), embedded.getTypefacePtr()->getName());
    EXPECT_GT (juce::Font ("Arial", 14.0f, juce::Font::bold).getStringWidthFloat ("PROGRAM"), arial.getStringWidthFloat ("PROGRAM"));
}

TEST (Look, ALitButtonIsOutlinedInBlue)
{
    StsBut button ("PROGRAM", 301, false, 13.0f, 36);
    button.setBounds (0, 0, 96, 44);
    auto image = button.createComponentSnapshot (button.getLocalBounds());
    EXPECT_EQ (image.getPixelAt (48, 4), juce::Colour (0xFF7E7E7E));
    button.setLit (true);
    image = button.createComponentSnapshot (button.getLocalBounds());
    EXPECT_EQ (image.getPixelAt (48, 4), juce::Colour (0xFF0063E8));
    EXPECT_EQ (image.getPixelAt (48, 10), juce::Colour (0xFF292929));
}

TEST (NameSlots, TwoLineBreaking)
{
    struct Case { const char* name; const char* line1; const char* line2; };
    const Case cases[] = {
        { "Standard Grand", "Standard", "Grand" },
        { "Big Hall Strings Pad", "Big Hall", "Strings Pad" },          // spaces at 3 and 7: the second one
        { "Ab Cd Efghijklm", "Ab Cd", "Efghijklm" },                    // spaces at 2 and 5
        { "Mo Tubular", "Mo", "Tubular" },                              // no second space: the first
        { "Short", "Short", "" },                                       // nine or fewer characters
        { "Nospacesatallhere", "Nospacesatallhere", "" },
        { "Dyn 9ft Grand       ", "Dyn 9ft", "Grand" },                 // a padded bank name
        { "Warm Grand          ", "Warm", "Grand" },                    // padding is no word break
        { "Organ     ", "Organ", "" },
        { "Twenty Characters Xy", "Twenty", "Characters Xy" },          // the last character stays
    };
    for (const auto& c : cases)
    {
        const auto [line1, line2] = NameSlot::breakName (c.name);
        EXPECT_EQ (line1, c.line1) << c.name;
        EXPECT_EQ (line2, c.line2) << c.name;
    }
}

TEST (NameSlots, AClickAsksForTheChannel)
{
    NameSlot slot (NameSlot::FULL, 3);
    slot.mouseDown (press (slot, 5, 5));
    slot.mouseUp (press (slot, 5, 5));
    const auto words = slot.pending.takeAll();
    ASSERT_EQ (words.size(), 1);
    EXPECT_EQ (command::code (words[0]), 12);
    EXPECT_EQ (command::target (words[0]), 0xB3);
}
