#include "support/EditorRig.h"
#include "app/PageCodes.h"

class ProgramBrowserTest : public EditorRigTest
{
protected:
    void SetUp() override
    {
        EditorRigTest::SetUp();
        main->setMode (1);
        browser = main->getProgramBrowser();
        settle();
    }

    std::vector<int> listed() const { return idsOf (browser->getGrid()); }

    iPrgSelClass* browser = nullptr;
};

TEST_F (ProgramBrowserTest, ProgramModeShowsTheBrowserOnTheCurrentChannel)
{
    ASSERT_NE (browser, nullptr);
    EXPECT_TRUE (browser->isOpen());
    EXPECT_EQ (midi().activePage, (int) page::PROGRAM_BROWSER);
    EXPECT_EQ (browser->getLcd().getName(), "Dyn 9ft Grand       ");
    EXPECT_EQ (browser->getGrid().getSelectedId(), 1);   // the channel's program is revealed
}

TEST_F (ProgramBrowserTest, BanksAndCategories)
{
    browser->setListMode (iPrgSelClass::FACTORY, false);
    const auto factory = listed();
    EXPECT_EQ (factory.size(), 1141u);
    EXPECT_LT (factory.back(), 4096);

    browser->setListMode (iPrgSelClass::USER, false);
    EXPECT_TRUE (listed().empty());   // the factory content has no user programs

    store().programs.bank.replaceRecord (5000, store().programs.bank.getRecord (1));
    browser->setListMode (iPrgSelClass::USER, false);
    EXPECT_EQ (listed(), std::vector<int> { 5000 });

    browser->setListMode (4, true);
    for (const int id : listed())
        EXPECT_EQ (store().programs.bank.getCategory (id), 4);
    EXPECT_EQ (listed().front(), 119);
}

TEST_F (ProgramBrowserTest, SearchNarrowsWithinTheCategoryAndEscapeClears)
{
    browser->setListMode (1, true);   // pianos
    browser->setSearchText ("grand");
    const auto grands = listed();
    ASSERT_FALSE (grands.empty());
    for (const int id : grands)
    {
        EXPECT_TRUE (juce::String (store().programs.getName (id)).containsIgnoreCase ("grand")) << id;
        EXPECT_EQ (store().programs.getCategory (id), 1);
    }
    browser->setSearchText ("GRAND");
    EXPECT_EQ (listed(), grands);

    // Typing into the field narrows the list; Escape clears it (the field reports both asynchronously).
    browser->getSearchField().setText ("no such name", true);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_TRUE (listed().empty());
    browser->getSearchField().keyPressed (juce::KeyPress (juce::KeyPress::escapeKey));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (browser->getSearchField().getText(), "");
    int pianos = 0;
    for (const int id : store().programs.bank.listIds (BankIndex::LIST_CATEGORY, 1))
        pianos += store().programs.bank.exists (id) ? 1 : 0;
    EXPECT_EQ ((int) listed().size(), pianos);
    EXPECT_GT (listed().size(), grands.size());
}

TEST_F (ProgramBrowserTest, TypingANumberAndEnter)
{
    for (const int key : { 1, 2, 3, 4, 5 })
        browser->pressKey (key);
    EXPECT_EQ (browser->getTypedNumber(), "1234");
    browser->pressKey (iPrgSelClass::ENTER);   // no program 1234: the list changes, nothing is chosen
    EXPECT_EQ (listed().size(), 1141u);
    settle();
    EXPECT_EQ (instrument->getChannelProgram (0), 1);

    browser->pressKey (iPrgSelClass::CLEAR);
    browser->pressKey (0);
    browser->pressKey (7);
    EXPECT_EQ (browser->getTypedNumber(), "7");
    browser->pressKey (iPrgSelClass::ENTER);
    settle();
    EXPECT_EQ (midi().getChannelProgram (0), 7);
    EXPECT_EQ (instrument->getChannelProgram (0), 7);   // sent to the instrument
}

TEST_F (ProgramBrowserTest, ClickingARowPlaysItOnTheCurrentChannel)
{
    midi().currentChannel = 3;
    main->setMode (1);
    auto& grid = browser->getGrid();
    grid.mouseDown (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), { 50.0f, 43.0f * 2 + 5 },
                                      juce::ModifierKeys::leftButtonModifier, 1.0f, 0, 0, 0, 0, &grid, &grid,
                                      juce::Time::getCurrentTime(), { 50.0f, 91.0f }, juce::Time::getCurrentTime(), 1, false));
    const int chosen = grid.getSelectedId();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    settle();
    EXPECT_EQ (midi().getChannelProgram (2), chosen);
    EXPECT_EQ (instrument->getChannelProgram (2), chosen);
    EXPECT_EQ (browser->getLcd().getName(), juce::String (store().programs.getName (chosen)));

    browser->pressKey (iPrgSelClass::STEP_FORWARD);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    settle();
    EXPECT_EQ (instrument->getChannelProgram (2), grid.getIds()[grid.getSelectedRow()]);
}
