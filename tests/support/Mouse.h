#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Mouse events for driving a component's handlers directly in tests. */
inline juce::MouseEvent mouseAt (juce::Component& c, juce::Point<float> position, juce::Point<float> down, int clicks = 1,
                                 juce::ModifierKeys mods = juce::ModifierKeys::leftButtonModifier)
{
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f,
                             &c, &c, juce::Time::getCurrentTime(), down, juce::Time::getCurrentTime(), clicks, false);
}

inline juce::MouseEvent press (juce::Component& c, float x, float y) { return mouseAt (c, { x, y }, { x, y }); }

inline juce::MouseWheelDetails wheel (float deltaY)
{
    return { 0.0f, deltaY, false, false, false };
}
