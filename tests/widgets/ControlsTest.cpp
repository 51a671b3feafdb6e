#include "support/Fixtures.h"
#include "support/Mouse.h"
#include "widgets/VlmCont.h"

class VlmContTest : public ConnectedTest
{
protected:
    std::unique_ptr<VlmCont> control (int kind, int min, int max, float width = 80, float height = 40)
    {
        auto c = std::make_unique<VlmCont> (&midi());
        c->setup (7, "Test", min, max, 0);
        c->setAddress (1, 43, 2, 0, 5, 0, 2);
        c->setKindAndBounds (kind, 0, 0, width, height);
        return c;
    }

    std::vector<int> changesOf (VlmCont& c)
    {
        std::vector<int> values;
        for (const auto w : c.pending.takeAll())
            if (command::code (w) == command::VALUE_CHANGED)
                values.push_back (command::value (w));
        return values;
    }
};

TEST_F (VlmContTest, ValuesAreClampedAndRepeatsChangeNothing)
{
    auto c = control (VlmCont::FIELD, -10, 10);
    c->setValue (50, true, true);
    EXPECT_EQ (c->getValue(), 10);
    EXPECT_EQ (c->pending.size(), 1);
    EXPECT_EQ (wire->take().size(), 7u);

    c->setValueSilently (-99);
    EXPECT_EQ (c->getValue(), -10);
    c->pending.takeAll();

    // At the maximum, a user set beyond it queues and sends nothing.
    c->setValue (10, false, false);
    auto knob = control (VlmCont::KNOB, 0, 127, 70, 82);
    knob->setValueSilently (127);
    knob->mouseWheelMove (press (*knob, 10, 10), wheel (1.0f));
    EXPECT_EQ (knob->getValue(), 127);
    EXPECT_EQ (knob->pending.size(), 0);
    EXPECT_TRUE (wire->take().empty());
}

TEST_F (VlmContTest, AUserChangeSendsOneParameterRunAndReportsIt)
{
    auto c = control (VlmCont::KNOB, 0, 127, 70, 82);
    c->mouseWheelMove (press (*c, 10, 10), wheel (1.0f));
    EXPECT_EQ (wire->take(), parameterRun (3, { 1, 0, 5, 0, 2 }, 1));

    const auto words = c->pending.takeAll();
    ASSERT_EQ (words.size(), 1);
    EXPECT_EQ (command::code (words[0]), 17);
    EXPECT_EQ (command::arg (words[0]), 7);
    EXPECT_EQ (command::target (words[0]), 43 * 16 + 2);   // 690
    EXPECT_EQ (command::value (words[0]), 1);

    // Level 0 never sends.
    c->setAddress (0, 43, 2, 0, 5, 0, 2);
    c->mouseWheelMove (press (*c, 10, 10), wheel (1.0f));
    EXPECT_TRUE (wire->take().empty());
    EXPECT_EQ (c->getValue(), 2);
}

TEST_F (VlmContTest, TheCurrentValueAgainChangesNothing)
{
    auto c = control (VlmCont::LONG_FIELD, 0, 100, 200, 40);
    c->setAddress (1, 0, 2, 0, 5, 0, 2);
    c->setValue (40, true, true);
    c->pending.takeAll();
    wire->take();

    // Picked again in the value selector: no command, nothing on the wire.
    i_Control chooser;
    chooser.setBounds (0, 0, 1024, 768);
    chooser.open (*c);
    auto& list = chooser.getList();
    for (int row = 0; row < list.getCount(); ++row)
        if (list.select (row, false); list.getSelectedValue() == 40)
            break;
    list.select (list.getSelectedIndex(), true);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (c->getValue(), 40);
    EXPECT_TRUE (c->pending.takeAll().isEmpty());
    EXPECT_TRUE (wire->take().empty());

    // A control that reports unchanged values (a favourite's assignment) still does.
    c->reportsUnchanged = true;
    c->setValue (40, true, true);
    EXPECT_EQ (c->pending.takeAll().size(), 1);
    EXPECT_FALSE (wire->take().empty());
}

TEST_F (VlmContTest, ClicksWalkUpAndDownTheStates)
{
    auto three = control (VlmCont::LONG_FIELD, 0, 2, 200, 40);
    std::vector<int> seen;
    for (int click = 0; click < 5; ++click)
    {
        three->mouseDown (press (*three, 10, 10));
        seen.push_back (three->getValue());
    }
    EXPECT_EQ (seen, (std::vector<int> { 1, 2, 1, 0, 1 }));

    auto toggle = control (VlmCont::SWITCH, 0, 1);
    toggle->mouseDown (press (*toggle, 5, 5));
    toggle->mouseDown (press (*toggle, 5, 5));
    EXPECT_EQ (changesOf (*toggle), (std::vector<int> { 1, 0 }));
}

TEST_F (VlmContTest, FieldsStepOrAskForTheSelector)
{
    auto small = control (VlmCont::FIELD, 0, 3);
    small->mouseDown (press (*small, 5, 5));
    EXPECT_EQ (small->getValue(), 1);

    auto large = control (VlmCont::FIELD, 0, 4);
    large->mouseDown (press (*large, 5, 5));
    EXPECT_EQ (large->getValue(), 0);
    const auto words = large->pending.takeAll();
    ASSERT_EQ (words.size(), 1);
    EXPECT_EQ (command::code (words[0]), 19);
    EXPECT_EQ (command::arg (words[0]), 7);
    EXPECT_EQ (command::target (words[0]), 2);
}

TEST_F (VlmContTest, KnobDragStepsAndFrames)
{
    auto coarse = control (VlmCont::KNOB, 0, 10, 70, 82);
    coarse->mouseDown (press (*coarse, 30, 30));
    coarse->mouseDrag (mouseAt (*coarse, { 30, 0 }, { 30, 30 }));    // 30 pixels up
    EXPECT_EQ (coarse->getValue(), 2);                               // one step per 15 pixels

    auto fine = control (VlmCont::KNOB, 0, 127, 70, 82);
    fine->mouseDown (press (*fine, 30, 30));
    fine->mouseDrag (mouseAt (*fine, { 40, 20 }, { 30, 30 }));      // 10 right, 10 up
    EXPECT_EQ (fine->getValue(), 10);                                // one step per 2 pixels

    fine->setValueSilently (0);
    EXPECT_EQ (fine->getFrame(), 0);
    fine->setValueSilently (122);
    EXPECT_EQ (fine->getFrame(), 54);
    fine->setValueSilently (64);
    EXPECT_EQ (fine->getFrame(), juce::roundToInt (300.0f * 64.0f / 127.0f / 5.3f));
}

TEST_F (VlmContTest, LinkedSendRepeatsWithTheSecondParameter)
{
    auto c = control (VlmCont::FIELD, 0, 3);
    c->setAddress (1, 0, 0, 0, 3, 4, 0);
    c->linkedSend = true;
    c->mouseDown (press (*c, 5, 5));
    auto expected = parameterRun (1, { 1, 0, 3, 4, 0 }, 1);
    const auto second = parameterRun (1, { 1, 0, 3, 4, 1 }, 1);
    expected.insert (expected.end(), second.begin(), second.end());
    EXPECT_EQ (wire->take(), expected);
}

TEST_F (VlmContTest, TheValueSelectorSetsTheChosenValue)
{
    auto c = control (VlmCont::LONG_FIELD, -1, 5, 200, 40);
    c->setup (7, "Chooser", -1, 5, 783);
    c->setValueSilently (3);
    i_Control chooser;
    chooser.setBounds (0, 0, 1024, 768);
    chooser.open (*c);
    ASSERT_TRUE (chooser.isOpen());
    EXPECT_EQ (chooser.getList().getCount(), 7);

    // The list carries -1 as 65535 in its 16-bit command value; it still arrives as -1.
    chooser.getList().select (0, true);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (c->getValue(), -1);
    EXPECT_EQ (changesOf (*c), (std::vector<int> { -1 }));

    for (const int key : { 4, 100 })
        chooser.pressKey (key);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (c->getValue(), 4);
    chooser.pressKey (201);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (c->getValue(), 5);
    chooser.pressKey (201);   // already at the end
    EXPECT_EQ (c->getValue(), 5);

    // Enter with nothing typed keeps the chosen value (it is not taken as 0).
    chooser.pressKey (100);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    EXPECT_EQ (c->getValue(), 5);

    // Digits stop at the widest value's length.
    for (const int key : { 9, 9, 9 })
        chooser.pressKey (key);
    EXPECT_EQ (chooser.getTypedNumber(), "9");

    chooser.mouseDown (press (chooser, 100, 100));
    EXPECT_FALSE (chooser.isOpen());
}
