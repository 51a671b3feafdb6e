#pragma once

#include "model/BankIndex.h"
#include "widgets/CommandWord.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** A scrolling list of a bank's objects: ID and name per row. Choices are
    queued as command words (7 chosen, 13 double-click, 14 chosen by the
    program, 88/91 right-click) and announced with a change message. Only the
    visible rows are painted, so a list of 8192 IDs costs what one page costs. */
class StsGrid : public juce::Component,
                private juce::Timer,
                public juce::ChangeBroadcaster
{
public:
    static constexpr int STRIP_WIDTH = 30;

    explicit StsGrid (const BankIndex* bank);

    void setIds (int sub, int gridId);
    void loadIds (int mode, int arg);
    void setIdList (const juce::Array<int>& ids);
    void setBank (const BankIndex* newBank) { bank = newBank; }

    void selectRow (int row);
    void selectId (int id, bool notify);
    void stepSelection (int delta);
    void scrollTo (int row);
    int categoryIndex (const juce::String& name) const;

    int getRowCount() const { return ids.size(); }
    int getSelectedRow() const { return selectedRow; }
    int getSelectedId() const { return selectedId; }
    int getTopRow() const { return topRow; }
    int getVisibleRows() const { return juce::jmax (1, getHeight() / rowHeight); }
    const juce::Array<int>& getIds() const { return ids; }

    CommandQueue pending;
    int rowHeight = 43;
    juce::Array<int> columnWidths { 36 };

    /** "0007" for 7: IDs are shown with four digits. */
    static juce::String idText (int id);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;
    void mouseUp (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

protected:
    /** Draws one row's contents; the program list adds its category icon. */
    virtual void paintRow (juce::Graphics& g, int row, juce::Rectangle<int> area, bool selected);
    void post (int code);

    const BankIndex* bank;

private:
    void timerCallback() override;
    void choose (int row);
    int columnAt (int x) const;
    juce::Rectangle<int> thumbBounds() const;
    bool allRowsFit() const { return ids.size() <= getVisibleRows(); }

    juce::Array<int> ids;
    int sub = 0, gridId = 0;
    int selectedRow = -1, selectedId = 0;
    int topRow = 0;
    int scrollDirection = 1;
    bool draggingThumb = false;
    int thumbDragOffset = 0;
    juce::Image background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StsGrid)
};

/** The value list of the value selector: texts with a value beside each. */
class i_Grid : public juce::Component,
               public juce::ChangeBroadcaster
{
public:
    enum Code { ROW_SELECTED = 6, DOUBLE_CLICK = 13 };

    void setItems (const juce::StringArray& texts, const juce::Array<int>& values);
    void select (int index, bool notify);
    bool selectValue (int value);
    void moveSelection (int delta);
    void scrollTo (int row);

    int getSelectedIndex() const { return selected; }
    int getSelectedValue() const { return values[selected]; }
    int getCount() const { return values.size(); }

    CommandQueue pending;
    int rowHeight = 30;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDoubleClick (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    void post (int code);

    juce::StringArray texts;
    juce::Array<int> values;
    int selected = -1;
    int topRow = 0;
};

/** Scroll bar (mode 0), range bar (mode 1) or switch (mode 2) of the editor pages. */
class LscrollClass : public juce::Component,
                     public juce::ChangeBroadcaster
{
public:
    enum Mode { SCROLL_BAR = 0, RANGE_BAR = 1, SWITCH = 2 };

    void configure (bool horizontal, int x, int y, int width, int height, int mode);
    void setValue (int v);
    void scrollBy (int delta) { setValue (value + delta); }
    void setRange (int low, int high);
    void moveRange (int high);
    void setSwitch (int v);

    int getValue() const { return value; }
    int getLow() const { return low; }
    int getHigh() const { return high; }

    int step = 10, minimum = 0, maximum = 100;

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;

private:
    int length() const { return horizontal ? getWidth() : getHeight(); }
    int thickness() const { return horizontal ? getHeight() : getWidth(); }
    int thumbLength() const { return juce::jmax (12, length() / 6); }
    int thumbStart() const;
    int valueAt (int position) const;

    bool horizontal = false;
    int mode = SCROLL_BAR;
    int value = 0, low = 0, high = 0;
    bool draggingThumb = false;
};
