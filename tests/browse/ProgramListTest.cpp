#include "support/EditorRig.h"
#include "support/Mouse.h"
#include "app/PageCodes.h"

class ProgramListTest : public EditorRigTest
{
protected:
    void SetUp() override
    {
        EditorRigTest::SetUp();
        midi().currentChannel = 3;
        main->setMode (1);
        settle();
    }

    /** Presses PARAMETERS on the program browser. */
    PrgSelClass* openList()
    {
        main->iPrgSelCommand (command::make (command::PARAMETER_PAGE, page::KIND_PROGRAM, (page::KIND_PROGRAM << 4) + 2,
                                             midi().getChannelProgram (2)));
        return main->getProgramList();
    }

    void playOnChannel (int channel, int program)
    {
        midi().setChannelProgram (channel, program, true);
        settle();
        juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    }

    /** The button with this text among the component's children. */
    static StsBut* buttonNamed (juce::Component& parent, const juce::String& text)
    {
        for (auto* child : parent.getChildren())
            if (auto* button = dynamic_cast<StsBut*> (child); button != nullptr && button->getText() == text)
                return button;
        return nullptr;
    }

    bool instrumentGot (const protocol::Bytes& message)
    {
        instrument->waitUntilIdle();
        const auto all = instrument->getReceived();
        return std::find (all.begin(), all.end(), message) != all.end();
    }
};

TEST_F (ProgramListTest, ParametersShowsTheChannelsControlsBoundToItsSlots)
{
    auto* list = openList();
    ASSERT_NE (list, nullptr);
    EXPECT_TRUE (list->isOpen());
    EXPECT_FALSE (main->getProgramBrowser()->isOpen());
    EXPECT_EQ (list->getChannel(), 2);
    EXPECT_FALSE (list->showsOrganLayout());
    EXPECT_EQ (list->getChooser().getLcd().getName(), juce::String (store().programs.getName (1)));

    for (const int k : { slots::LEVEL, slots::PAN, slots::INSERT_FX_CHAIN, slots::AUX1_FX_CHAIN, slots::AUX1_LEVEL,
                         slots::AUX2_FX_CHAIN, slots::AUX2_LEVEL })
    {
        const int slot = slots::channelSlot (2, k);
        auto* control = list->controlFor (slot);
        ASSERT_NE (control, nullptr) << k;
        EXPECT_EQ (control->getValue(), midi().getValue (slot)) << k;
    }
    EXPECT_EQ (list->controlFor (slots::channelSlot (1, slots::PAN)), nullptr);   // another channel's slot
}

TEST_F (ProgramListTest, MovingAControlSendsItsSlotAndOutsideValuesMoveIt)
{
    auto* list = openList();
    const int panSlot = slots::channelSlot (2, slots::PAN);
    auto& pan = *list->controlFor (panSlot);
    pan.mouseDown (press (pan, 40, 20));
    pan.mouseDrag (mouseAt (pan, { 40.0f, 0.0f }, { 40.0f, 20.0f }));
    pan.mouseUp (mouseAt (pan, { 40.0f, 0.0f }, { 40.0f, 20.0f }));
    settle();
    const int moved = midi().getValue (panSlot);
    EXPECT_GT (moved, 0);
    EXPECT_EQ (pan.getValue(), moved);
    EXPECT_EQ (instrument->getParameter (2, 1, 0, 1, 0, 22), moved);

    midi().setValue (panSlot, -33, false);   // as if the instrument had changed it
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    EXPECT_EQ (pan.getValue(), -33);
}

TEST_F (ProgramListTest, OrganProgramsGetTheDrawbarsAndSwitchesOnTheChannelsControllers)
{
    ASSERT_TRUE (store().programs.isOrganProgram (119));
    auto* list = openList();
    playOnChannel (2, 119);
    ASSERT_TRUE (list->showsOrganLayout());
    EXPECT_EQ (list->getProgram(), 119);

    // The 5 1/3' drawbar is controller 13 of MIDI channel 3.
    const int drawbarSlot = slots::organSlot (2, 1);
    EXPECT_EQ (drawbarSlot, slots::controllerSlot (2, 13));
    auto* drawbar = list->controlFor (drawbarSlot);
    ASSERT_NE (drawbar, nullptr);
    drawbar->mouseDown (press (*drawbar, 20, 30));
    drawbar->mouseDrag (mouseAt (*drawbar, { 20.0f, 90.0f }, { 20.0f, 30.0f }));
    const int pulled = midi().getValue (drawbarSlot);
    EXPECT_GT (pulled, 0);
    EXPECT_TRUE (instrumentGot ({ 0xB2, 13, (uint8_t) pulled }));

    auto* brake = list->controlFor (slots::organSlot (2, slots::BRAKE));
    ASSERT_NE (brake, nullptr);
    brake->mouseDown (press (*brake, 30, 10));
    EXPECT_EQ (midi().getValue (slots::organSlot (2, slots::BRAKE)), 127);
    EXPECT_NE (list->controlFor (slots::channelSlot (2, slots::LEVEL)), nullptr);   // the channel controls stay

    playOnChannel (2, 1);   // back to a piano: the standard set
    EXPECT_FALSE (list->showsOrganLayout());
    EXPECT_EQ (list->controlFor (drawbarSlot), nullptr);
}

TEST_F (ProgramListTest, TheCompactChooserPlaysProgramsAndCloseReturnsToTheBrowser)
{
    auto* list = openList();
    auto& chooser = list->getChooser();

    chooser.getCategories().select (4, true);   // ORGAN
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    ASSERT_GT (chooser.getGrid().getRowCount(), 0);
    for (const int id : chooser.getGrid().getIds())
        EXPECT_EQ (store().programs.getCategory (id), 4);

    for (const int key : { 1, 1, 9, (int) ObjBrowser::ENTER })
        chooser.pressKey (key);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (30);
    settle();
    EXPECT_EQ (midi().getChannelProgram (2), 119);
    EXPECT_EQ (instrument->getChannelProgram (2), 119);
    EXPECT_TRUE (list->showsOrganLayout());

    // An FX chain field asks for the chain selector, which is not there yet: nothing else happens.
    auto* insert = list->controlFor (slots::channelSlot (2, slots::INSERT_FX_CHAIN));
    insert->mouseDown (press (*insert, 10, 10));
    EXPECT_TRUE (list->isOpen());

    auto* close = buttonNamed (chooser, "CLOSE");
    ASSERT_NE (close, nullptr);
    close->mouseDown (press (*close, 10, 10));
    close->mouseUp (press (*close, 10, 10));
    EXPECT_FALSE (list->isOpen());
    ASSERT_TRUE (main->getProgramBrowser()->isOpen());
    EXPECT_EQ (main->getProgramBrowser()->getGrid().getSelectedId(), 119);
}
