#include "support/EditorRig.h"
#include "support/Mouse.h"
#include "arrange/FileMan.h"

class LibraryManagerTest : public EditorRigTest
{
protected:
    void SetUp() override
    {
        EditorRigTest::SetUp();
        FileMan::answer = [this] (int operation, int kind, const juce::String& initialName)
        {
            dialogs.add (juce::String (operation == FileMan::SAVE ? "save " : "open ") + juce::String (kind) + " " + initialName);
            return answers.isEmpty() ? juce::File() : answers.removeAndReturn (0);
        };
        main->appBarCommand (AppBar::LIBRARY);
        manager = &main->getLibraryManager()->getContent();
    }

    void TearDown() override
    {
        FileMan::answer = nullptr;
        EditorRigTest::TearDown();
    }

    /** Answers the page's open dialog. */
    static void answer (LibPage& page, int button, const juce::String& text = {})
    {
        ASSERT_NE (page.getDialog(), nullptr);
        if (text.isNotEmpty())
            page.getDialog()->getField().setText (text, false);
        page.getDialog()->press (button);
    }

    LibClass& libraryPage()
    {
        manager->showLibrary();
        return *manager->getLibraryPage();
    }

    juce::File libraryFile() const { return library::file ("Lib.zk7arrlib"); }
    juce::File scratch (const juce::String& name) const { return library::folder().getChildFile (name); }

    juce::Array<juce::File> answers;
    juce::StringArray dialogs;
    Lib_Manager_Comp* manager = nullptr;
};

TEST_F (LibraryManagerTest, OpensOnThePresetBankAndDoneClosesTheWindow)
{
    EXPECT_EQ (manager->getPageName(), "PRESET BANK");
    ASSERT_NE (manager->getBankPage(), nullptr);
    EXPECT_EQ (manager->getBankPage()->getList().getRows().getNames().size(), 64);
    EXPECT_EQ (manager->getBankPage()->getList().getRows().getNames()[0].trimEnd(), "EDM");

    manager->winToolCommand (WinMovCan::QUIT);
    EXPECT_TRUE (pumpUntil ([this] { return main->getLibraryManager() == nullptr; }, 2000));
}

TEST_F (LibraryManagerTest, LibraryPageLoadsAndSavesTheDefaultLibrary)
{
    auto& page = libraryPage();
    EXPECT_EQ (manager->getPageName(), "LIBRARY");
    EXPECT_TRUE (page.getList().getEntries().isEmpty());

    manager->showPresetBank();   // an empty list leaves no file behind
    EXPECT_FALSE (libraryFile().exists());

    auto& again = libraryPage();
    again.press (LibPage::ADD_CURRENT);
    answer (again, TextInputCont::OK, " ");   // nothing typed: "Untitled"
    again.press (LibPage::ADD_CURRENT);
    answer (again, TextInputCont::OK, "Live Set");
    EXPECT_EQ (again.getList().nameOf (0), "Untitled");
    EXPECT_EQ (again.getList().nameOf (1), "Live Set");
    EXPECT_EQ (again.getPreview().getName(), "Live Set");

    manager->showPresetBank();
    ASSERT_EQ (libraryFile().getSize(), (juce::int64) (10 + 2 * 637));
    EXPECT_EQ (libraryPage().getList().getEntries().size(), 2);
}

TEST_F (LibraryManagerTest, ApplyFromTheLibraryChangesTheProgramsButNoSlot)
{
    auto& page = libraryPage();
    midi().setChannelProgram (0, 300, false);
    page.press (LibPage::ADD_CURRENT);
    answer (page, TextInputCont::OK, "Three Hundred");
    midi().setChannelProgram (0, 5, false);
    const auto slotBefore = processor->getBank().getRecord (0).getBytes();

    page.getList().getRows().selectRow (0, true);
    page.press (LibPage::APPLY);
    settle();
    EXPECT_EQ (midi().getChannelProgram (0), 300);
    EXPECT_EQ (instrument->getChannelProgram (0), 300);
    EXPECT_EQ (processor->getBank().getRecord (0).getBytes(), slotBefore);
}

TEST_F (LibraryManagerTest, RenameDeleteAndTheSaveChangesQuestion)
{
    auto& page = libraryPage();
    for (const auto* name : { "One", "Two" })
    {
        page.press (LibPage::ADD_CURRENT);
        answer (page, TextInputCont::OK, name);
    }
    page.getList().getRows().selectRow (0, true);
    page.press (LibPage::RENAME);
    EXPECT_EQ (page.getDialog()->getText(), "One");
    answer (page, TextInputCont::OK, "First");
    EXPECT_EQ (page.getList().nameOf (0), "First");

    // Modified: LOAD asks first. CANCEL stops; NO goes on to the open dialog without saving.
    const auto other = scratch ("other.zk7arrlib");
    ASSERT_TRUE (library::writeAtomically (other, arrfiles::encodeLibrary ({ arrfiles::buildEntry ("Elsewhere", arrfiles::singleBlock (ArrangementRecord())) })));
    page.press (LibPage::LOAD);
    answer (page, TextInputCont::CANCEL);
    EXPECT_TRUE (dialogs.isEmpty());
    page.press (LibPage::LOAD);
    answers.add (other);
    answer (page, TextInputCont::NO);
    EXPECT_EQ (dialogs, juce::StringArray ("open 9 "));
    ASSERT_EQ (page.getList().getEntries().size(), 1);
    EXPECT_EQ (page.getList().nameOf (0), "Elsewhere");
    EXPECT_FALSE (page.getList().isModified());

    // CLEAR ALL asks even right after loading; YES saves first through the save dialog.
    dialogs.clear();
    page.press (LibPage::CLEAR_ALL);
    answers.add (scratch ("kept"));
    answer (page, TextInputCont::OK);
    EXPECT_EQ (dialogs, juce::StringArray ("save 109 Untitled"));
    EXPECT_TRUE (page.getList().getEntries().isEmpty());
    EXPECT_TRUE (scratch ("kept.zk7arrlib").existsAsFile());   // the kind's extension was added

    answers.add (scratch ("kept.zk7arrlib"));
    page.press (LibPage::LOAD);   // an empty list goes straight to the open dialog
    EXPECT_EQ (page.getList().nameOf (0), "Elsewhere");
    page.getList().getRows().selectRow (0, true);
    page.press (LibPage::DELETE);
    answer (page, TextInputCont::OK);
    EXPECT_TRUE (page.getList().getEntries().isEmpty());
}

TEST_F (LibraryManagerTest, AFileThatIsNoLibraryIsReportedAndChangesNothing)
{
    auto& page = libraryPage();
    page.press (LibPage::ADD_CURRENT);
    answer (page, TextInputCont::OK, "Mine");
    const auto foreign = scratch ("foreign.zk7arrlib");
    ASSERT_TRUE (foreign.replaceWithText ("short"));
    page.getList().save (libraryFile());   // not modified any more: LOAD asks nothing
    answers.add (foreign);
    page.press (LibPage::LOAD);
    EXPECT_EQ (page.getList().nameOf (0), "Mine");
    EXPECT_TRUE (page.getStatus().contains ("foreign.zk7arrlib"));
}

TEST_F (LibraryManagerTest, PresetBankSlotActions)
{
    auto& library = libraryPage();
    library.press (LibPage::RENAME);   // an empty list has no selected row: nothing happens
    library.press (LibPage::APPLY);
    EXPECT_EQ (library.getDialog(), nullptr);

    manager->showPresetBank();
    auto& page = *manager->getBankPage();
    auto& rows = page.getList().getRows();
    EXPECT_EQ (rows.getSelectedRow(), 0);   // it opens on the arrangement being played
    EXPECT_EQ (page.getPreview().getName(), "EDM");

    rows.selectRow (5, true);
    page.press (LibPage::SET_CURRENT);
    EXPECT_EQ (page.getDialog()->getText(), "Untitled");   // an empty slot proposes "Untitled"
    midi().setChannelProgram (2, 444, false);
    answer (page, TextInputCont::OK, "Stored");
    EXPECT_EQ (processor->getBank().getRecordName (5).trimEnd(), "Stored");
    EXPECT_EQ (processor->getBank().getRecord (5).getProgram (2), 444);
    EXPECT_EQ (processor->getCurrentProgram(), 0);   // storing does not make the slot current

    page.press (LibPage::RENAME);
    EXPECT_EQ (page.getDialog()->getText(), "Stored");
    answer (page, TextInputCont::OK, "Renamed");
    EXPECT_EQ (rows.getNames()[5].trimEnd(), "Renamed");

    page.press (LibPage::APPLY);
    settle();
    EXPECT_EQ (processor->getCurrentProgram(), 5);
    EXPECT_EQ (instrument->getChannelProgram (2), 444);
}

TEST_F (LibraryManagerTest, VstFilesRoundTripThroughThePresetBankPage)
{
    auto& page = *manager->getBankPage();
    auto& bank = processor->getBank();
    answers.add (scratch ("bank"));
    page.press (LibPage::SAVE);
    ASSERT_EQ (scratch ("bank.fxb").getSize(), 19383);

    bank.setRecordName (1, "Changed");
    answers.add (scratch ("bank.fxb"));
    page.press (LibPage::LOAD);
    EXPECT_EQ (bank.getRecordName (1).trimEnd(), "Hip Hop");

    page.getList().getRows().selectRow (0, true);
    answers.add (scratch ("edm"));
    page.press (LibPage::SAVE_PRESET);
    EXPECT_TRUE (dialogs.contains ("save 111 EDM"));
    ASSERT_EQ (scratch ("edm.fxp").getSize(), 387);

    page.getList().getRows().selectRow (9, true);
    const auto otherSlots = bank.getRecord (10).getBytes();
    answers.add (scratch ("edm.fxp"));
    page.press (LibPage::LOAD_PRESET);
    EXPECT_EQ (bank.getRecordName (9).trimEnd(), "EDM");
    EXPECT_EQ (bank.getRecord (10).getBytes(), otherSlots);

    // A cut or foreign file changes nothing and says so in one line.
    juce::MemoryBlock cut;
    scratch ("bank.fxb").loadFileAsData (cut);
    cut.setSize (5000);
    ASSERT_TRUE (library::writeAtomically (scratch ("cut.fxb"), cut));
    bank.setRecordName (1, "Kept");
    answers.add (scratch ("cut.fxb"));
    page.press (LibPage::LOAD);
    EXPECT_EQ (bank.getRecordName (1).trimEnd(), "Kept");
    EXPECT_TRUE (page.getStatus().contains ("cut.fxb"));
    answers.add (scratch ("cut.fxb"));
    page.press (LibPage::LOAD_PRESET);
    EXPECT_EQ (bank.getRecordName (9).trimEnd(), "EDM");
}

TEST_F (LibraryManagerTest, RenameSetCurrentAndLibraryEntrySurviveARestart)
{
    auto& bankPage = *manager->getBankPage();
    bankPage.getList().getRows().selectRow (2, true);
    bankPage.press (LibPage::RENAME);
    answer (bankPage, TextInputCont::OK, "Rock Night");
    bankPage.getList().getRows().selectRow (7, true);
    midi().setChannelProgram (0, 77, false);
    bankPage.press (LibPage::SET_CURRENT);
    answer (bankPage, TextInputCont::OK, "Seventy Seven");

    auto& page = libraryPage();
    page.press (LibPage::ADD_CURRENT);
    answer (page, TextInputCont::OK, "Kept Entry");
    manager->winToolCommand (WinMovCan::QUIT);
    ASSERT_TRUE (pumpUntil ([this] { return main->getLibraryManager() == nullptr; }, 2000));

    main.reset();
    processor.reset();
    processor = std::make_unique<DaduRAAudioProcessor> (nullptr, std::make_unique<ZK5Class> (library::folder()));
    EXPECT_EQ (processor->getBank().getRecordName (2).trimEnd(), "Rock Night");
    EXPECT_EQ (processor->getBank().getRecordName (7).trimEnd(), "Seventy Seven");
    EXPECT_EQ (processor->getBank().getRecord (7).getProgram (0), 77);
    const auto entries = arrfiles::decodeLibrary (library::readWhole (libraryFile()));
    ASSERT_TRUE (entries.has_value());
    EXPECT_EQ (arrfiles::entryName (entries->getLast(), {}), "Kept Entry");
}

TEST_F (LibraryManagerTest, LetterKeysPlayTheInstrumentInTheManagerToo)
{
    EXPECT_TRUE (manager->keyPressed (juce::KeyPress ('z', juce::ModifierKeys(), 'z')));
    settle();
    const auto received = instrument->getReceived();
    EXPECT_NE (std::find (received.begin(), received.end(), protocol::Bytes { 0x90, 36, 100 }), received.end());
}

TEST_F (LibraryManagerTest, DraggingTheHeaderMovesTheWindow)
{
    auto* window = main->getLibraryManager();
    const auto before = window->getPosition();
    manager->mouseDown (press (*manager, 200, 10));
    manager->mouseDrag (mouseAt (*manager, { 240.0f, 40.0f }, { 200.0f, 10.0f }));
    EXPECT_EQ (window->getPosition(), before + juce::Point<int> (40, 30));

    const auto moved = window->getPosition();
    manager->mouseDown (press (*manager, 200, 300));   // below the header: the window stays
    manager->mouseDrag (mouseAt (*manager, { 260.0f, 340.0f }, { 200.0f, 300.0f }));
    EXPECT_EQ (window->getPosition(), moved);
}
