#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** Pop-up menus of values, in the program's menu colours. */
namespace valuemenu
{
/** A menu coloured black with white text and a grey highlight. */
std::unique_ptr<juce::PopupMenu> createValueMenu();

/** One item per value first..last whose text is not empty, with item ID value + 1000. */
void addValues (juce::PopupMenu& menu, int first, int last, const std::function<juce::String (int)>& textOf);

/** Shows the menu of values and returns the chosen one; -1000 when dismissed. */
int chooseValue (int first, int last, const std::function<juce::String (int)>& textOf);
}
