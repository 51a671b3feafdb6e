#include "widgets/Grids.h"
#include "model/ObjectType.h"
#include "widgets/Pictures.h"

namespace
{
const juce::Colour selectedFill (0x22606060), rowFillA (0x11303030), rowFillB (0x11050505);
const juce::Colour idColour (0xFFAAAAAA), nameColour (0xFFCCCCCC), selectedIdColour (0xFFBBBBBB), selectedNameColour (0xFFEEEEEE);
const juce::Colour separator (0xFF555555);
}

StsGrid::StsGrid (const BankIndex* b) : bank (b) {}

void StsGrid::setIds (int newSub, int newGridId)
{
    sub = newSub;
    gridId = newGridId;
}

void StsGrid::loadIds (int mode, int arg)
{
    juce::Array<int> list;
    if (bank != nullptr)
        for (const int id : bank->listIds (mode, arg))
            list.add (id);
    setIdList (list);
}

void StsGrid::setIdList (const juce::Array<int>& newIds)
{
    ids = newIds;
    selectedRow = -1;
    selectedId = 0;
    topRow = 0;
    repaint();
}

juce::String StsGrid::idText (int id)
{
    return juce::String (id).paddedLeft ('0', 4);
}

void StsGrid::post (int code)
{
    pending.post (command::make (code, gridId, (gridId << 4) + sub, selectedId));
    sendChangeMessage();
}

void StsGrid::choose (int row)
{
    selectedRow = row;
    selectedId = ids[row];
    if (row < topRow)
        scrollTo (row);
    else if (row >= topRow + getVisibleRows())
        scrollTo (row - getVisibleRows() + 1);
    repaint();
}

void StsGrid::selectRow (int row)
{
    if (! juce::isPositiveAndBelow (row, ids.size()))
        return;
    choose (row);
    post (command::SELECTED_BY_PROGRAM);
}

void StsGrid::selectId (int id, bool notify)
{
    for (int row = 0; row < ids.size(); ++row)
        if (ids[row] == id)
        {
            selectRow (row);
            if (notify)
                post (command::SELECTED);
        }
}

void StsGrid::stepSelection (int delta)
{
    const int row = selectedRow + delta;
    if (! juce::isPositiveAndBelow (row, ids.size()))
        return;
    choose (row);
    post (command::SELECTED);
}

void StsGrid::scrollTo (int row)
{
    const int newTop = juce::jlimit (0, juce::jmax (0, ids.size() - getVisibleRows()), row);
    if (newTop != topRow)
    {
        topRow = newTop;
        repaint();
    }
}

int StsGrid::categoryIndex (const juce::String& name) const
{
    for (int n = 1; n <= 20; ++n)
        if (name == juce::String (categoryName (n)))
            return n - 1;
    return -999;
}

int StsGrid::columnAt (int x) const
{
    int right = 0;
    for (int c = 0; c < columnWidths.size(); ++c)
        if (x < (right += columnWidths[c]))
            return c;
    return columnWidths.size();
}

juce::Rectangle<int> StsGrid::thumbBounds() const
{
    const int travel = getHeight() - 2 * STRIP_WIDTH;
    const int thumbHeight = juce::jmax (20, travel * getVisibleRows() / juce::jmax (1, ids.size()));
    const int range = juce::jmax (1, ids.size() - getVisibleRows());
    const int y = STRIP_WIDTH + (travel - thumbHeight) * topRow / range;
    return { getWidth() - STRIP_WIDTH + 4, y, STRIP_WIDTH - 8, thumbHeight };
}

//==============================================================================
void StsGrid::mouseDown (const juce::MouseEvent& e)
{
    const int x = e.x, y = e.y, width = getWidth();

    if (x > 0 && x < width - STRIP_WIDTH)
    {
        if (ids.isEmpty())
            return;
        choose (juce::jlimit (0, ids.size() - 1, y / rowHeight + topRow));
        post (command::SELECTED);
        if (e.mods.isRightButtonDown())
            post (columnAt (x) == 2 ? command::RIGHT_CLICK_THIRD_COLUMN : command::RIGHT_CLICK);
        return;
    }

    if (x > width - STRIP_WIDTH && ! allRowsFit())
    {
        const auto thumb = thumbBounds();
        if (thumb.contains (x, y))
        {
            draggingThumb = true;
            thumbDragOffset = y - thumb.getY();
            return;
        }
        scrollDirection = y < thumb.getY() ? -1 : 1;
        scrollTo (topRow + scrollDirection * getVisibleRows());
        startTimer (200);
    }
}

void StsGrid::mouseDrag (const juce::MouseEvent& e)
{
    if (draggingThumb)
    {
        const int travel = getHeight() - 2 * STRIP_WIDTH - thumbBounds().getHeight();
        const int range = juce::jmax (1, ids.size() - getVisibleRows());
        scrollTo ((e.y - thumbDragOffset - STRIP_WIDTH) * range / juce::jmax (1, travel));
    }
    else if (e.y < 0)
        scrollTo (topRow - 1);
    else if (e.y > getHeight())
        scrollTo (topRow + 1);
}

void StsGrid::mouseUp (const juce::MouseEvent&)
{
    draggingThumb = false;
    stopTimer();
}

void StsGrid::timerCallback()
{
    scrollTo (topRow + scrollDirection * getVisibleRows());
}

void StsGrid::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (e.x < getWidth() - STRIP_WIDTH && selectedRow >= 0)
        post (command::CLOSE);
}

void StsGrid::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    scrollTo (topRow + (wheel.deltaY > 0 ? -1 : 1));
}

//==============================================================================
void StsGrid::paint (juce::Graphics& g)
{
    // The row picture stretched over the list at 0.9 on black, prepared once per size,
    // so each repaint starts with one opaque copy.
    if (background.getWidth() != getWidth() || background.getHeight() != getHeight())
    {
        background = juce::Image (juce::Image::RGB, juce::jmax (1, getWidth()), juce::jmax (1, getHeight()), true);
        juce::Graphics b (background);
        b.fillAll (juce::Colours::black);
        b.setOpacity (0.9f);
        b.drawImage (pictures::get (pictures::Id::gridRow), background.getBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
    }
    g.drawImageAt (background, 0, 0);

    const int width = getWidth() - STRIP_WIDTH;
    const int last = juce::jmin (ids.size(), topRow + getVisibleRows() + 1);
    for (int row = topRow; row < last; ++row)
    {
        const juce::Rectangle<int> area (0, (row - topRow) * rowHeight, width, rowHeight);
        const bool selected = row == selectedRow;
        g.setColour (selected ? selectedFill : (row % 2 == 0 ? rowFillA : rowFillB));
        g.fillRect (area);
        paintRow (g, row, area, selected);
        g.setColour (separator);
        g.drawHorizontalLine (area.getBottom() - 1, 0.0f, (float) width);
    }

    // The scroll strip.
    g.setColour (juce::Colour (0xFF0A0A0B));
    g.fillRect (width, 0, STRIP_WIDTH, getHeight());
    if (! allRowsFit())
        g.drawImage (pictures::get (pictures::Id::gridThumb), thumbBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
}

void StsGrid::paintRow (juce::Graphics& g, int row, juce::Rectangle<int> area, bool selected)
{
    const int id = ids[row];
    const int nameX = (columnWidths.isEmpty() ? 36 : columnWidths[0]) + 6;
    g.setFont (juce::Font ("Arial", 14.0f, selected ? juce::Font::bold : juce::Font::plain));
    g.setColour (selected ? selectedIdColour : idColour);
    g.drawText (idText (id), area.withX (7).withWidth (nameX - 7), juce::Justification::centredLeft, false);
    g.setColour (selected ? selectedNameColour : nameColour);
    const auto name = bank != nullptr ? juce::String (bank->getName (id)).trimEnd() : juce::String();
    g.drawText (name, area.withTrimmedLeft (nameX + 6), juce::Justification::centredLeft, true);
}

//==============================================================================
void i_Grid::setItems (const juce::StringArray& newTexts, const juce::Array<int>& newValues)
{
    texts = newTexts;
    values = newValues;
    selected = -1;
    topRow = 0;
    repaint();
}

void i_Grid::post (int code)
{
    pending.post (command::make (code, 0, 0, getSelectedValue()));
    sendChangeMessage();
}

void i_Grid::select (int index, bool notify)
{
    if (! juce::isPositiveAndBelow (index, values.size()))
        return;
    selected = index;
    const int visible = juce::jmax (1, getHeight() / rowHeight);
    if (index < topRow || index >= topRow + visible)
        scrollTo (index - visible / 2);
    repaint();
    if (notify)
        post (ROW_SELECTED);
}

bool i_Grid::selectValue (int value)
{
    const int index = values.indexOf (value);
    if (index < 0)
        return false;
    select (index, true);
    return true;
}

void i_Grid::moveSelection (int delta)
{
    if (juce::isPositiveAndBelow (selected + delta, values.size()))
        select (selected + delta, true);
}

void i_Grid::scrollTo (int row)
{
    const int visible = juce::jmax (1, getHeight() / rowHeight);
    topRow = juce::jlimit (0, juce::jmax (0, values.size() - visible), row);
    repaint();
}

void i_Grid::mouseDown (const juce::MouseEvent& e)
{
    select (juce::jmin (values.size() - 1, e.y / rowHeight + topRow), true);
}

void i_Grid::mouseDoubleClick (const juce::MouseEvent&)
{
    if (selected >= 0)
        post (DOUBLE_CLICK);
}

void i_Grid::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    scrollTo (topRow + (wheel.deltaY > 0 ? -1 : 1));
}

void i_Grid::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF161719));
    const int visible = getHeight() / rowHeight + 1;
    for (int row = topRow; row < juce::jmin (values.size(), topRow + visible); ++row)
    {
        const juce::Rectangle<int> area (0, (row - topRow) * rowHeight, getWidth(), rowHeight);
        const bool isSelected = row == selected;
        g.setColour (isSelected ? juce::Colour (0x55606060) : (row % 2 == 0 ? rowFillA : rowFillB));
        g.fillRect (area);
        g.setColour (juce::Colour (isSelected ? 0xFFEEEEEE : 0xFFCCCCCC));
        g.setFont (juce::Font ("Arial", 15.0f, isSelected ? juce::Font::bold : juce::Font::plain));
        g.drawText (texts[row], area.reduced (10, 0), juce::Justification::centredLeft, true);
        g.setColour (separator);
        g.drawHorizontalLine (area.getBottom() - 1, 0.0f, (float) getWidth());
    }
}

//==============================================================================
void LscrollClass::configure (bool isHorizontal, int x, int y, int width, int height, int newMode)
{
    horizontal = isHorizontal;
    mode = newMode;
    if (mode == RANGE_BAR)
        maximum = 127;
    setBounds (x, y, width, height);
}

void LscrollClass::setValue (int v)
{
    v = juce::jlimit (0, maximum, v);
    if (v == value)
        return;
    value = v;
    if (mode != SWITCH)
        repaint();
    sendChangeMessage();
}

void LscrollClass::setRange (int newLow, int newHigh)
{
    low = newLow;
    high = newHigh;
    if (mode != SWITCH)
        repaint();
}

void LscrollClass::moveRange (int newHigh)
{
    const int width = high - low;
    high = juce::jlimit (width, maximum, newHigh);
    low = high - width;
    repaint();
}

void LscrollClass::setSwitch (int v)
{
    value = juce::jlimit (minimum, maximum, v);
    repaint();
}

int LscrollClass::thumbStart() const
{
    const int padding = thickness();
    return padding + (length() - thumbLength() - 2 * padding) * value / juce::jmax (1, maximum);
}

int LscrollClass::valueAt (int position) const
{
    const int padding = thickness();
    const int travel = juce::jmax (1, length() - thumbLength() - 2 * padding);
    return (position - padding - thumbLength() / 2) * maximum / travel;
}

void LscrollClass::mouseDown (const juce::MouseEvent& e)
{
    const int p = horizontal ? e.x : e.y;
    draggingThumb = false;
    if (mode == SWITCH)
    {
        if (maximum == 1)
            setSwitch (1 - value);
        sendChangeMessage();
        return;
    }
    if (mode == RANGE_BAR)
    {
        moveRange (p * 127 / juce::jmax (1, length()) + (high - low) / 2);
        sendChangeMessage();
        return;
    }
    if (p < thickness())
        scrollBy (-1);
    else if (p > length() - thickness())
        scrollBy (1);
    else if (p < thumbStart())
        scrollBy (-step);
    else if (p > thumbStart() + thumbLength())
        scrollBy (step);
    else
        draggingThumb = true;
}

void LscrollClass::mouseDrag (const juce::MouseEvent& e)
{
    if (draggingThumb)
        setValue (valueAt (horizontal ? e.x : e.y));
}

void LscrollClass::paint (juce::Graphics& g)
{
    if (mode == RANGE_BAR)
    {
        g.fillAll (juce::Colour (0xFF000000));
        const float scale = (float) length() / 127.0f;
        auto band = horizontal ? juce::Rectangle<float> ((float) low * scale, 0, (float) (high - low) * scale, (float) getHeight())
                               : juce::Rectangle<float> (0, (float) low * scale, (float) getWidth(), (float) (high - low) * scale);
        g.setColour (juce::Colour (0x88555555));
        g.fillRect (band);
        g.setColour (juce::Colour (0x55CCCCCC));
        g.drawRect (band, 1.0f);
        return;
    }
    if (mode == SWITCH)
    {
        g.setColour (juce::Colour (value != 0 ? 0xFF39A4FF : 0xFF20262C));
        g.fillRoundedRectangle (getLocalBounds().toFloat().reduced (1.0f), 3.0f);
        return;
    }
    g.fillAll (juce::Colour (0xFF0A0A0B));
    const auto thumb = horizontal ? juce::Rectangle<int> (thumbStart(), 2, thumbLength(), getHeight() - 4)
                                  : juce::Rectangle<int> (2, thumbStart(), getWidth() - 4, thumbLength());
    g.setColour (juce::Colour (0xFF4A4E55));
    g.fillRoundedRectangle (thumb.toFloat(), 4.0f);
}
