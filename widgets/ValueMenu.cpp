#include "widgets/ValueMenu.h"

namespace valuemenu
{
std::unique_ptr<juce::PopupMenu> createValueMenu()
{
    auto menu = std::make_unique<juce::PopupMenu>();
    menu->setLookAndFeel (&juce::LookAndFeel::getDefaultLookAndFeel());
    return menu;
}

void addValues (juce::PopupMenu& menu, int first, int last, const std::function<juce::String (int)>& textOf)
{
    for (int v = first; v <= last; ++v)
        if (const auto text = textOf (v); text.isNotEmpty())
            menu.addItem (v + 1000, text);
}

int chooseValue (int first, int last, const std::function<juce::String (int)>& textOf)
{
    auto menu = createValueMenu();
    addValues (*menu, first, last, textOf);
#if JUCE_MODAL_LOOPS_PERMITTED
    return menu->show() - 1000;
#else
    return -1000;
#endif
}
}
