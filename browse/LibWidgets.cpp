#include "browse/LibWidgets.h"
#include "model/ObjectType.h"
#include "widgets/FeelAndLook.h"

LibBut::LibBut (const juce::String& label, int buttonId) : StsBut (label, buttonId, true, 13.0f, 26)
{
    StsBut::addListener (this);
}

void LibBut::buttonClicked (StsBut*, int buttonId)
{
    libListeners.call ([this, buttonId] (LibButListener& l) { l.libButClicked (this, buttonId); });
}

//==============================================================================
TextInputCont::TextInputCont (int p, const juce::String& m, bool withField, const juce::String& preset, Buttons kind,
                              textmsgListener& l)
    : purpose (p), message (m), listener (l)
{
    const std::vector<std::pair<const char*, int>> ids = kind == OK_CANCEL
        ? std::vector<std::pair<const char*, int>> { { "OK", OK }, { "CANCEL", CANCEL } }
        : std::vector<std::pair<const char*, int>> { { "YES", OK }, { "NO", NO }, { "CANCEL", CANCEL } };
    for (const auto& [text, id] : ids)
    {
        auto* button = buttons.add (new LibBut (text, id));
        button->addListener (this);
        addAndMakeVisible (button);
    }
    field.setText (preset, false);
    field.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    field.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0xFF101214));
    field.setColour (juce::TextEditor::outlineColourId, juce::Colour (0xFF457089));
    field.addListener (this);
    field.setVisible (withField);
    addChildComponent (field);
    setSize (340, withField ? 150 : 110);
}

void TextInputCont::libButClicked (juce::Component*, int id)
{
    listener.textMessageAnswered (id, purpose);   // the page deletes the dialog
}

void TextInputCont::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xF0202226));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), 8.0f);
    g.setColour (juce::Colour (0xFF5FA8D3));
    g.drawRoundedRectangle (getLocalBounds().toFloat().reduced (0.5f), 8.0f, 1.0f);
    g.setColour (juce::Colour (0xFFEDE9E9));
    g.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    g.drawFittedText (message, 16, 12, getWidth() - 32, 28, juce::Justification::centredLeft, 2);
}

void TextInputCont::resized()
{
    field.setBounds (16, 48, getWidth() - 32, 30);
    const int width = 90, gap = 10, total = buttons.size() * width + (buttons.size() - 1) * gap;
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setBounds ((getWidth() - total) / 2 + i * (width + gap), getHeight() - 46, width, 32);
}

//==============================================================================
void ArrangementRows::setNames (const juce::StringArray& newNames)
{
    names = newNames;
    if (selected >= names.size())
        selected = names.size() - 1;
    scrollTo (topRow);
    repaint();
}

void ArrangementRows::selectRow (int row, bool notify)
{
    if (! juce::isPositiveAndBelow (row, names.size()))
        return;
    selected = row;
    if (row < topRow || row >= topRow + visibleRows())
        scrollTo (row - visibleRows() / 2);
    repaint();
    if (notify)
        listeners.call ([this] (LibButListener& l) { l.libButClicked (this, SELECTION_CHANGED); });
}

void ArrangementRows::scrollTo (int row)
{
    topRow = juce::jlimit (0, juce::jmax (0, names.size() - visibleRows()), row);
    repaint();
}

void ArrangementRows::mouseDown (const juce::MouseEvent& e)
{
    if (e.x < getWidth() - SCROLL_STRIP)
        selectRow (topRow + e.y / ROW_HEIGHT, true);
    else
        scrollTo (names.size() * e.y / juce::jmax (1, getHeight()) - visibleRows() / 2);   // the strip jumps
}

void ArrangementRows::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails& wheel)
{
    scrollTo (topRow + (wheel.deltaY < 0 ? 3 : -3));
}

void ArrangementRows::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF2A2A30));
    g.setFont (juce::Font ("Arial", 14.0f, juce::Font::plain));
    const int width = getWidth() - SCROLL_STRIP;
    for (int i = 0; i < visibleRows() && topRow + i < names.size(); ++i)
    {
        const int row = topRow + i;
        g.setColour (juce::Colour (row == selected ? 0xFF7B7F95 : 0xFF3B3B43));
        g.fillRect (0, i * ROW_HEIGHT, width, ROW_HEIGHT - 1);
        g.setColour (juce::Colour (0xFFEDE9E9));
        g.drawText (juce::String (row + 1), 6, i * ROW_HEIGHT, 34, ROW_HEIGHT, juce::Justification::centredRight);
        g.drawText (names[row], 50, i * ROW_HEIGHT, width - 56, ROW_HEIGHT, juce::Justification::centredLeft, true);
    }
    // The scroll strip: where the shown rows lie in the whole list.
    g.setColour (juce::Colour (0xFF1B1B20));
    g.fillRect (width, 0, SCROLL_STRIP, getHeight());
    if (names.size() > visibleRows())
    {
        const int thumb = juce::jmax (20, getHeight() * visibleRows() / names.size());
        const int y = (getHeight() - thumb) * topRow / juce::jmax (1, names.size() - visibleRows());
        g.setColour (juce::Colour (0xFF5B5F70));
        g.fillRoundedRectangle ((float) width + 8, (float) y, (float) SCROLL_STRIP - 16, (float) thumb, 4.0f);
    }
}

//==============================================================================
void LibPreview::show (const juce::String& newName, const ArrangementRecord& record)
{
    name = newName;
    for (int channel = 0; channel < 16; ++channel)
        channelPrograms[(size_t) channel] = record.getProgram (channel);
    shown = true;
    repaint();
}

void LibPreview::clear()
{
    shown = false;
    name.clear();
    repaint();
}

juce::String LibPreview::programText (int channel) const
{
    const int program = channelPrograms[(size_t) juce::jlimit (0, 15, channel)];
    return juce::String (program).paddedLeft ('0', 4) + " " + juce::String (programs.getName (program)).trimEnd();
}

juce::String LibPreview::categoryText (int channel) const
{
    const int program = channelPrograms[(size_t) juce::jlimit (0, 15, channel)];
    if (! programs.exists (program))
        return {};
    const int category = programs.getListCategory (program);
    const auto sub = subCategoryName (category, programs.getListSubCategory (program));
    return juce::String (categoryName (category)) + (sub.empty() ? juce::String() : ": " + juce::String (sub));
}

void LibPreview::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF1B1D20));
    if (! shown)
        return;
    g.setColour (juce::Colour (0xFF5FA8D3));
    g.setFont (juce::Font ("Arial", 15.0f, juce::Font::bold));
    g.drawText (name, 10, 6, getWidth() - 20, 20, juce::Justification::centredLeft, true);
    g.setFont (juce::Font ("Arial", 12.0f, juce::Font::plain));
    const int pitch = (getHeight() - 34) / 16;
    for (int channel = 0; channel < 16; ++channel)
    {
        g.setColour (juce::Colour (0xFF8A8A8A));
        g.drawText ("Ch " + juce::String (channel + 1), 10, 30 + channel * pitch, 40, pitch, juce::Justification::centredLeft);
        g.setColour (juce::Colour (0xFFEDE9E9));
        const int y = 30 + channel * pitch, categoryX = getWidth() / 2 + 20;
        g.drawText (programText (channel), 52, y, categoryX - 60, pitch, juce::Justification::centredLeft, true);
        g.setColour (juce::Colour (0xFFD0A304));
        g.drawText (categoryText (channel), categoryX, y, getWidth() - categoryX - 8, pitch, juce::Justification::centredLeft, true);
    }
}
