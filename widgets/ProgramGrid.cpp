#include "widgets/ProgramGrid.h"
#include "widgets/Displays.h"
#include "widgets/Pictures.h"
#include "model/ObjectType.h"

void StsGrid_Prg::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (e.x >= getWidth() - STRIP_WIDTH || getSelectedRow() < 0)
        return;
    const int id = getSelectedId();
    listeners.call ([this, id] (PrGridListener& l) { l.gridEvent (this, OPEN_EVENT, id); });
}

void StsGrid_Prg::paintRow (juce::Graphics& g, int row, juce::Rectangle<int> area, bool selected)
{
    const int id = getIds()[row];
    const int category = bank != nullptr ? bank->getListCategory (id) : 0;
    const int subCategory = bank != nullptr ? bank->getListSubCategory (id) : 0;

    // The category icon: a chip tinted like the name display's tile, with the category's short name.
    const auto tile = LCD_Comp::tileFor (category, subCategory);
    const auto icon = juce::Rectangle<int> (area.getRight() - 58, area.getCentreY() - 12, 49, 24).toFloat();
    g.drawImageAt (pictures::categoryIcon (tile.x, tile.y), (int) icon.getX(), (int) icon.getY());
    g.setColour (juce::Colour (0xFFEEEEEE));
    g.setFont (juce::Font ("Arial", 10.0f, juce::Font::bold));
    g.drawText (juce::String (categoryShortName (category)), icon, juce::Justification::centred, false);

    StsGrid::paintRow (g, row, area.withTrimmedRight (62), selected);
}
