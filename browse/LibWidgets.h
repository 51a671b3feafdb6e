#pragma once

#include "arrange/PlugBank.h"
#include "model/BankIndex.h"
#include "widgets/Buttons.h"

class LibBut;

class LibButListener
{
public:
    virtual ~LibButListener() = default;
    /** A button, or a list with id 1213, reports its id. */
    virtual void libButClicked (juce::Component* source, int id) = 0;
};

/** The library manager's push button. */
class LibBut : public StsBut,
               private stsbutListener
{
public:
    LibBut (const juce::String& label, int buttonId);
    void addListener (LibButListener* listener) { libListeners.add (listener); }

private:
    void buttonClicked (StsBut*, int buttonId) override;
    GuardedListeners<LibButListener> libListeners;
};

class textmsgListener
{
public:
    virtual ~textmsgListener() = default;
    /** buttonId: 1201 OK / YES, 1200 NO, 1202 Cancel; purpose: what the page asked for. */
    virtual void textMessageAnswered (int buttonId, int purpose) = 0;
};

/** A small dialog over the page: a message, perhaps a text field, and its buttons. */
class TextInputCont : public juce::Component,
                      private LibButListener,
                      private juce::TextEditor::Listener,
                      public juce::ChangeBroadcaster
{
public:
    enum ButtonId { NO = 1200, OK = 1201, CANCEL = 1202 };
    enum Buttons { OK_CANCEL, YES_NO_CANCEL };

    /** withField: show a text field holding preset. */
    TextInputCont (int purpose, const juce::String& message, bool withField, const juce::String& preset, Buttons buttons,
                   textmsgListener& listener);

    juce::String getText() const { return field.getText(); }
    juce::TextEditor& getField() { return field; }
    /** Presses a button as the player would. */
    void press (int buttonId) { libButClicked (nullptr, buttonId); }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void libButClicked (juce::Component*, int id) override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override { press (OK); }
    void textEditorEscapeKeyPressed (juce::TextEditor&) override { press (CANCEL); }

    const int purpose;
    const juce::String message;
    textmsgListener& listener;
    juce::TextEditor field;
    juce::OwnedArray<LibBut> buttons;
};

/** Rows of names with their numbers, one selected; a click selects and reports 1213. */
class ArrangementRows : public juce::Component
{
public:
    static constexpr int ROW_HEIGHT = 24, SCROLL_STRIP = 30, SELECTION_CHANGED = 1213;

    void addListener (LibButListener* listener) { listeners.add (listener); }
    void setNames (const juce::StringArray& newNames);
    const juce::StringArray& getNames() const { return names; }
    int getSelectedRow() const { return selected; }
    void selectRow (int row, bool notify);

    void paint (juce::Graphics& g) override;
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel) override;

private:
    int visibleRows() const { return juce::jmax (1, getHeight() / ROW_HEIGHT); }
    void scrollTo (int row);

    juce::StringArray names;
    int selected = -1, topRow = 0;
    GuardedListeners<LibButListener> listeners;
};

/** One arrangement at a glance: its name and the program of each of the 16 channels. */
class LibPreview : public juce::Component
{
public:
    explicit LibPreview (const BankIndex& programBank) : programs (programBank) {}
    void show (const juce::String& name, const ArrangementRecord& record);
    void clear();
    /** The program of a channel as shown: "0119 Full Combo". */
    juce::String programText (int channel) const;
    /** Its category and sub-category: "ORGAN: B3"; empty for a missing program. */
    juce::String categoryText (int channel) const;
    const juce::String& getName() const { return name; }

    void paint (juce::Graphics& g) override;

private:
    const BankIndex& programs;
    juce::String name;
    std::array<int, 16> channelPrograms {};
    bool shown = false;
};
