#pragma once

#include "app/Shell.h"
#include "arrange/ArrangementFiles.h"
#include "arrange/DaduRAAudioProcessor.h"
#include "browse/LibWidgets.h"

/** The LIBRARY list: library entries in order, one selected, the list's own
    file and whether it changed since it was loaded or saved. */
class StsFile : public juce::Component
{
public:
    explicit StsFile (juce::File ownFile);

    /** Replaces the entries with a library file's; false (list unchanged) when it is not one. */
    bool load (const juce::File& file);
    /** Writes the entries; an empty list writes nothing. */
    bool save (const juce::File& file);

    void add (const juce::MemoryBlock& entry);
    void rename (int row, const juce::String& name);
    void remove (int row);
    void clear();

    const arrfiles::Library& getEntries() const { return entries; }
    juce::String nameOf (int row) const { return arrfiles::entryName (entries[row], "Untitled"); }
    bool isModified() const { return modified; }
    const juce::File& getOwnFile() const { return ownFile; }
    ArrangementRows& getRows() { return rows; }

    void resized() override { rows.setBounds (getLocalBounds()); }

private:
    void showNames();

    arrfiles::Library entries;
    juce::File ownFile;
    bool modified = false;
    ArrangementRows rows;
};

/** The page of the manager both pages share: a list, a column of buttons, the preview, a status line and the dialog. */
class LibPage : public juce::Component,
                protected LibButListener,
                protected textmsgListener
{
public:
    enum Id { RENAME = 1203, DELETE = 1204, CLEAR_ALL = 1205, APPLY = 1206, ADD_CURRENT = 1207, SAVE = 1209, LOAD = 1211,
              LIST = 1213, SET_CURRENT = 1216, SAVE_PRESET = 1220, LOAD_PRESET = 1222 };

    explicit LibPage (DaduRAAudioProcessor& processor);

    TextInputCont* getDialog() const { return dialog.get(); }
    LibPreview& getPreview() { return preview; }
    const juce::String& getStatus() const { return status; }
    /** Presses a page button as the player would. */
    void press (int id) { libButClicked (nullptr, id); }

    void paint (juce::Graphics& g) override;
    void resized() override;

protected:
    void addButtons (std::initializer_list<std::pair<const char*, int>> buttons);
    void ask (int purpose, const juce::String& message, bool withField, const juce::String& preset,
              TextInputCont::Buttons buttons = TextInputCont::OK_CANCEL);
    /** The dialog's text, then the dialog is gone. */
    juce::String closeDialog();
    /** One line on the page when a chosen file was not of its form (form: "an arrangement bank", ...); cleared otherwise. */
    void reportRead (const juce::File& chosen, bool read, const juce::String& form);
    /** One line on the page when a chosen file could not be written; cleared otherwise. */
    void reportWrite (const juce::File& chosen, bool written);
    /** Lays out the list the page shows. */
    virtual juce::Component& list() = 0;

    DaduRAAudioProcessor& processor;
    LibPreview preview;

private:
    juce::OwnedArray<LibBut> buttons;
    std::unique_ptr<TextInputCont> dialog;
    juce::String status;
};

/** The LIBRARY page: named arrangements in the default library file, added
    from the live state, recalled, renamed, deleted, loaded and saved. */
class LibClass : public LibPage
{
public:
    LibClass (DaduRAAudioProcessor& processor, const juce::File& defaultLibrary);
    /** Saves the list to its own file. */
    ~LibClass() override;

    StsFile& getList() { return file; }

private:
    void libButClicked (juce::Component* source, int id) override;
    void textMessageAnswered (int buttonId, int purpose) override;
    juce::Component& list() override { return file; }
    void showSelected();
    void chooseAndLoad();
    bool chooseAndSave();

    StsFile file;
};

/** The PRESET BANK list: the 64 slots of the bank by name. */
class Plugin_File : public juce::Component
{
public:
    explicit Plugin_File (PlugBank& arrangements) : bank (arrangements) { addAndMakeVisible (rows); refresh(); }
    void refresh();
    ArrangementRows& getRows() { return rows; }
    void resized() override { rows.setBounds (getLocalBounds()); }

private:
    PlugBank& bank;
    ArrangementRows rows;
};

/** The PRESET BANK page: recall, store, rename the 64 slots and exchange them with VST files. */
class Plugin_Bank : public LibPage
{
public:
    explicit Plugin_Bank (DaduRAAudioProcessor& processor);
    Plugin_File& getList() { return file; }

private:
    void libButClicked (juce::Component* source, int id) override;
    void textMessageAnswered (int buttonId, int purpose) override;
    juce::Component& list() override { return file; }
    void showSelected();
    void slotAction (int id, int slot);
    void loadBank();
    void saveBank();
    void loadPreset (int slot);
    void savePreset (int slot);
    int selected() { return file.getRows().getSelectedRow(); }

    Plugin_File file;
};

/** The manager's content: header, PRESET BANK / LIBRARY tabs, the page, DONE
    and the window tools. DONE and the close tool post 1113. */
class Lib_Manager_Comp : public juce::Component,
                         private LibButListener,
                         public juce::ChangeBroadcaster,
                         public winToolListener
{
public:
    enum Id { DONE = 1201, LIBRARY = 1217, PRESET_BANK = 1218, CLOSE_WINDOW = 1113 };

    explicit Lib_Manager_Comp (DaduRAAudioProcessor& processor);

    void showLibrary();
    void showPresetBank();
    LibClass* getLibraryPage() const { return library.get(); }
    Plugin_Bank* getBankPage() const { return bank.get(); }
    const juce::String& getPageName() const { return pageName; }

    void winToolCommand (int code) override;
    CommandQueue pending;

    void paint (juce::Graphics& g) override;
    void resized() override;
    /** Letter keys play the instrument here too (text fields keep theirs). */
    bool keyPressed (const juce::KeyPress& key) override { return player.keyPressed (key); }
    bool keyStateChanged (bool isKeyDown) override { return player.keyStateChanged (isKeyDown); }
    /** The header bar moves the window (it has no title bar of the system's). */
    void mouseDown (const juce::MouseEvent& e) override;
    void mouseDrag (const juce::MouseEvent& e) override;

private:
    static constexpr int HEADER_HEIGHT = 20;

    void libButClicked (juce::Component*, int id) override;
    void post (int code);

    DaduRAAudioProcessor& processor;
    LibBut presetBankButton { "PRESET BANK", PRESET_BANK }, libraryButton { "LIBRARY", LIBRARY }, doneButton { "DONE", DONE };
    WinMovCan tools;
    KeyPlayClass player;
    bool draggingWindow = false;
    juce::Point<int> windowAtPress, mouseAtPress;
    std::unique_ptr<LibClass> library;
    std::unique_ptr<Plugin_Bank> bank;
    juce::String pageName;
};

/** The library manager's window; it owns its content. */
class Lib_Manager_Win : public juce::DocumentWindow
{
public:
    explicit Lib_Manager_Win (DaduRAAudioProcessor& processor);
    Lib_Manager_Comp& getContent() { return *static_cast<Lib_Manager_Comp*> (getContentComponent()); }
    void closeButtonPressed() override { getContent().winToolCommand (WinMovCan::QUIT); }
};
