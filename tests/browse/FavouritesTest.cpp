#include "support/Mouse.h"
#include "support/EditorRig.h"

TEST (FavouritesTable, ShortOrLongFilesAreNeverReadPastTheirEnd)
{
    Favourites favourites;
    favourites.load ({ 0, 0x04, 0xD2, 1, 0 });   // one whole entry and a torn one
    EXPECT_EQ (favourites.idOf (0), 1234);
    EXPECT_EQ (favourites.kindOf (1), 1);
    EXPECT_TRUE (favourites.isEmpty (1));
    EXPECT_EQ (favourites.getTable().size(), 96u);

    favourites.load (Bytes (500, 0x11));
    EXPECT_EQ (favourites.getTable().size(), 96u);
    EXPECT_EQ (favourites.idOf (31), 0x1111);

    favourites.assign (32, 0, 5);   // no such slot
    favourites.assign (-1, 0, 5);
    EXPECT_EQ (favourites.getTable(), Bytes (96, 0x11));
}

class FavouritesTest : public EditorRigTest
{
protected:
    void SetUp() override
    {
        EditorRigTest::SetUp();
        main->setMode (1);
        browser = main->getProgramBrowser();
        browser->showFavourites();
        favourites = browser->getFavourites();
        settle();
    }

    iPrgSelClass* browser = nullptr;
    FavoriteCont* favourites = nullptr;
};

TEST_F (FavouritesTest, AssigningWritesTheFileAtOnce)
{
    favourites->assignFavourite (5, Favourites::PROGRAM, 1234);
    juce::MemoryBlock file;
    ASSERT_TRUE (library::file (library::FAVORITES_FILE).loadFileAsData (file));
    ASSERT_EQ (file.getSize(), 96u);
    const auto* bytes = static_cast<const uint8_t*> (file.getData());
    EXPECT_EQ (bytes[15], 0x00);
    EXPECT_EQ (bytes[16], 0x04);
    EXPECT_EQ (bytes[17], 0xD2);
}

TEST_F (FavouritesTest, PressRecallsHoldReassigns)
{
    favourites->assignFavourite (2, Favourites::PROGRAM, 119);
    auto& button = favourites->getButton (2);

    // A short press recalls: program 119 plays on the current channel.
    button.mouseDown (press (button, 10, 10));
    button.mouseUp (press (button, 10, 10));
    pumpUntil ([this] { return instrument->getChannelProgram (0) == 119; }, 3000);
    EXPECT_EQ (instrument->getChannelProgram (0), 119);
    EXPECT_TRUE (button.isLit());
    juce::MessageManager::getInstance()->runDispatchLoopUntil (1200);
    EXPECT_EQ (main->getParameterSelector(), nullptr);   // released before a second: no reassignment

    // Held for a second: the value selector opens for the assign control.
    auto& empty = favourites->getButton (7);
    empty.mouseDown (press (empty, 10, 10));
    ASSERT_TRUE (pumpUntil ([this] { return main->getParameterSelector() != nullptr && main->getParameterSelector()->isOpen(); }, 3000));
    empty.mouseUp (press (empty, 10, 10));
    EXPECT_EQ (instrument->getChannelProgram (0), 119);   // an empty favourite recalled nothing

    // Choosing 45 in the selector stores it in slot 7 and in the file.
    auto& list = main->getParameterSelector()->getList();
    for (int row = 0; row < list.getCount(); ++row)
    {
        list.select (row, false);
        if (list.getSelectedValue() == 45)
        {
            list.select (row, true);
            break;
        }
    }
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (midi().favourites.idOf (7), 45);
    Favourites reread;
    juce::MemoryBlock file;
    library::file (library::FAVORITES_FILE).loadFileAsData (file);
    reread.load (Bytes (static_cast<const uint8_t*> (file.getData()), static_cast<const uint8_t*> (file.getData()) + file.getSize()));
    EXPECT_EQ (reread.idOf (7), 45);

    // The assign control already shows 45: choosing 45 again for another favourite still assigns it.
    main->getParameterSelector()->close();
    ASSERT_TRUE (pumpUntil ([this] { return main->getParameterSelector() == nullptr || ! main->getParameterSelector()->isOpen(); }, 3000));
    auto& another = favourites->getButton (8);
    another.mouseDown (press (another, 10, 10));
    ASSERT_TRUE (pumpUntil ([this] { return main->getParameterSelector() != nullptr && main->getParameterSelector()->isOpen(); }, 3000));
    another.mouseUp (press (another, 10, 10));
    auto& again = main->getParameterSelector()->getList();
    for (int row = 0; row < again.getCount(); ++row)
        if (again.select (row, false); again.getSelectedValue() == 45)
            break;
    again.select (again.getSelectedIndex(), true);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (midi().favourites.idOf (8), 45);
}

TEST_F (FavouritesTest, FavouritesSurviveARestart)
{
    favourites->assignFavourite (0, Favourites::PROGRAM, 300);
    main.reset();
    processor.reset();
    processor = std::make_unique<DaduRAAudioProcessor> (nullptr, std::make_unique<ZK5Class> (library::folder()));
    EXPECT_EQ (processor->getMidi().favourites.idOf (0), 300);
}

TEST_F (FavouritesTest, AMultiFavouriteSwitchesToMultiModeAndPlaysIt)
{
    favourites->assignFavourite (4, Favourites::MULTI, 12);
    auto& button = favourites->getButton (4);
    button.mouseDown (press (button, 10, 10));
    button.mouseUp (press (button, 10, 10));

    ASSERT_TRUE (pumpUntil ([this] { return main->getModeShown() == 2; }, 3000));
    EXPECT_EQ (midi().getMulti(), 12);
    EXPECT_TRUE (pumpUntil ([this] { return instrument->getMulti() == 12; }, 3000));
}
