#include "support/EditorRig.h"
#include "support/Mouse.h"
#include "app/PageCodes.h"

class MultiBrowserTest : public EditorRigTest
{
protected:
    void SetUp() override
    {
        EditorRigTest::SetUp();
        main->setMode (2);
        browser = main->getMultiBrowser();
        settle();
    }

    std::vector<int> listed() const { return idsOf (browser->getGrid()); }

    int visibleZoneRows()
    {
        int shown = 0;
        for (int zone = 0; zone < ZonesArray::ZONES; ++zone)
            shown += browser->getZones().getControl (zone, ZonesArray::PROGRAM).isVisible() ? 1 : 0;
        return shown;
    }

    /** Waits until the instrument holds a parameter-change run's value (its edit buffer starts at 0). */
    bool instrumentHolds (int zone, int param, int value)
    {
        return pumpUntil ([&] { return instrument->getParameter (0, 5, zone, 0, 0, param) == value; }, 3000);
    }

    StpSelClass* browser = nullptr;
};

TEST_F (MultiBrowserTest, MultiModeShowsTheMultiBeingPlayedWithItsZones)
{
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isOpen());
    EXPECT_EQ (midi().activePage, (int) page::MULTI_BROWSER);
    EXPECT_EQ (main->getProgramBrowser() == nullptr || ! main->getProgramBrowser()->isOpen(), true);

    const int multi = midi().getMulti();
    EXPECT_EQ (browser->getGrid().getSelectedId(), multi);
    EXPECT_EQ (browser->getLcd().getName(), juce::String (store().multis.getName (multi)));
    EXPECT_EQ (visibleZoneRows(), store().multiEdit.getZoneCount());
    EXPECT_EQ (browser->getZones().getControl (0, ZonesArray::PROGRAM).getValue(),
               store().multiEdit.getValue (ZonesArray::GROUP, ZonesArray::PROGRAM, 0));
}

TEST_F (MultiBrowserTest, ChoosingARowPlaysTheMultiAndShowsItsZones)
{
    auto& grid = browser->getGrid();
    grid.mouseDown (press (grid, 50.0f, 43.0f * 3 + 5));
    const int chosen = grid.getSelectedId();
    ASSERT_GT (chosen, 1);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    settle();

    EXPECT_EQ (midi().getMulti(), chosen);
    EXPECT_TRUE (pumpUntil ([&] { return instrument->getMulti() == chosen; }, 3000));
    EXPECT_EQ (browser->getLcd().getName(), juce::String (store().multis.getName (chosen)));
    EXPECT_EQ (store().multiEdit.getName(), store().multis.getName (chosen));
    EXPECT_EQ (visibleZoneRows(), store().multiEdit.getZoneCount());

    // Stepping forward plays the next multi of the list.
    browser->pressKey (ObjBrowser::STEP_FORWARD);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (midi().getMulti(), grid.getIds()[grid.getSelectedRow()]);
    EXPECT_NE (midi().getMulti(), chosen);
}

TEST_F (MultiBrowserTest, BanksNumberEntryAndSearch)
{
    browser->setListMode (ObjBrowser::FACTORY, false);
    EXPECT_EQ (listed().size(), 54u);
    browser->setListMode (ObjBrowser::USER, false);
    EXPECT_TRUE (listed().empty());

    store().multis.bank.replaceRecord (4100, store().multis.bank.getRecord (1));
    browser->setListMode (ObjBrowser::USER, false);
    EXPECT_EQ (listed(), std::vector<int> { 4100 });

    browser->setListMode (ObjBrowser::ALL, false);
    const juce::String word = juce::String (store().multis.getName (3)).upToFirstOccurrenceOf (" ", false, false).toLowerCase();
    browser->setSearchText (word);
    ASSERT_FALSE (listed().empty());
    for (const int id : listed())
        EXPECT_TRUE (juce::String (store().multis.getName (id)).containsIgnoreCase (word)) << id;

    browser->setSearchText ({});
    for (const int key : { 1, 2 })
        browser->pressKey (key);
    browser->pressKey (ObjBrowser::ENTER);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (midi().getMulti(), 12);
}

TEST_F (MultiBrowserTest, AProgramFavouriteReturnsToProgramModeWithThatProgram)
{
    midi().currentChannel = 4;
    browser->showFavourites();
    auto* favourites = browser->getFavourites();
    favourites->assignFavourite (6, Favourites::PROGRAM, 119);
    auto& button = favourites->getButton (6);
    button.mouseDown (press (button, 10, 10));
    button.mouseUp (press (button, 10, 10));

    ASSERT_TRUE (pumpUntil ([this] { return main->getModeShown() == 1; }, 3000));
    EXPECT_EQ (midi().getChannelProgram (3), 119);
    EXPECT_TRUE (main->getProgramBrowser()->isOpen());
    EXPECT_EQ (main->getProgramBrowser()->getGrid().getSelectedId(), 119);
    EXPECT_TRUE (pumpUntil ([this] { return instrument->getChannelProgram (3) == 119; }, 3000));
    EXPECT_FALSE (browser->isOpen());
}

TEST_F (MultiBrowserTest, AMultiFavouritePlaysTheMultiHere)
{
    browser->showFavourites();
    browser->getFavourites()->assignFavourite (9, Favourites::MULTI, 20);
    auto& button = browser->getFavourites()->getButton (9);
    button.mouseDown (press (button, 10, 10));
    button.mouseUp (press (button, 10, 10));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (midi().getMulti(), 20);
    EXPECT_EQ (main->getModeShown(), 2);
}

TEST_F (MultiBrowserTest, ClickingAZoneProgramOpensTheValueSelectorForIt)
{
    auto& program = browser->getZones().getControl (1, ZonesArray::PROGRAM);
    program.mouseDown (press (program, 20, 10));
    ASSERT_TRUE (pumpUntil ([this] { return main->getParameterSelector() != nullptr && main->getParameterSelector()->isOpen(); }, 3000));
    EXPECT_EQ (browser->getCurrentControl(), &program);
}

//==============================================================================
TEST_F (MultiBrowserTest, ZoneKeyRangeIsCoupledSentAndMirrored)
{
    auto& zones = browser->getZones();
    auto& low = zones.getControl (0, ZonesArray::KEY_LOW);
    auto& high = zones.getControl (0, ZonesArray::KEY_HIGH);
    high.setValue (60, true, true);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    low.setValue (72, true, true);   // low passes high: high follows on screen
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);

    EXPECT_EQ (high.getValue(), 72);
    EXPECT_EQ (zones.getBar (0).getLow(), 72);
    EXPECT_EQ (zones.getBar (0).getHigh(), 72);
    EXPECT_EQ (store().multiEdit.getValue (ZonesArray::GROUP, ZonesArray::KEY_LOW, 0), 72);
    EXPECT_TRUE (instrumentHolds (0, 15, 72));
    EXPECT_TRUE (instrumentHolds (0, 16, 60));   // the partner was only moved on screen

    // Dragging the bar slides both ends and sends both.
    auto& bar = zones.getBar (0);
    low.setValue (40, true, true);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    bar.mouseDown (press (bar, 100, 5));
    bar.mouseDrag (mouseAt (bar, { 100.0f + 341.0f * 12 / 128, 5.0f }, { 100.0f, 5.0f }));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (low.getValue(), 52);
    EXPECT_EQ (high.getValue(), 84);
    EXPECT_TRUE (instrumentHolds (0, 15, 52));
    EXPECT_TRUE (instrumentHolds (0, 16, 84));

    // The range never slides off the keyboard.
    bar.mouseDown (press (bar, 100, 5));
    bar.mouseDrag (mouseAt (bar, { 340.0f, 5.0f }, { 100.0f, 5.0f }));
    EXPECT_EQ (bar.getHigh(), 127);
    EXPECT_EQ (bar.getLow(), 127 - 32);
}

TEST_F (MultiBrowserTest, AZoneThatIsOffIsCovered)
{
    auto& zones = browser->getZones();
    for (const int status : { 1, 2 })
    {
        store().multiEdit.setValue (ZonesArray::GROUP, ZonesArray::STATUS, 0, status);
        zones.load();
        const bool covered = zones.getCover (0).getBounds() == juce::Rectangle<int> (25, 8, 564, 26);
        EXPECT_EQ (covered, status != ZonesArray::STATUS_ON) << status;
    }
}

TEST_F (MultiBrowserTest, InSelectionModeAClickOnlyPicksTheRow)
{
    ZonesArray picker (midi(), true);
    picker.load();
    auto& high = picker.getControl (2, ZonesArray::KEY_HIGH);
    const int before = high.getValue();
    high.mouseDown (press (high, 5, 5));
    high.mouseDrag (mouseAt (high, { 5.0f, -60.0f }, { 5.0f, 5.0f }));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (picker.getSelectedZone(), 2);
    EXPECT_EQ (high.getValue(), before);
    EXPECT_EQ (picker.pending.size(), 0);
    settle();
    EXPECT_EQ (instrument->getParameter (0, 5, 2, 0, 0, 16), 0);   // nothing was sent
}
