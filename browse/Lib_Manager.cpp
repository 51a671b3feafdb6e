#include "browse/Lib_Manager.h"
#include "arrange/FileMan.h"
#include "comms/LibraryFiles.h"
#include "comms/ZK5Class.h"
#include "widgets/FeelAndLook.h"

//==============================================================================
StsFile::StsFile (juce::File own) : ownFile (std::move (own))
{
    addAndMakeVisible (rows);
}

bool StsFile::load (const juce::File& source)
{
    const auto content = arrfiles::readFile (source);
    const auto loaded = content ? arrfiles::decodeLibrary (*content) : std::nullopt;
    if (! loaded)
        return false;
    entries = *loaded;
    modified = false;
    showNames();
    return true;
}

bool StsFile::save (const juce::File& target)
{
    if (entries.isEmpty())
        return false;   // the file keeps what it had
    if (! library::writeAtomically (target, arrfiles::encodeLibrary (entries)))
        return false;
    modified = false;
    return true;
}

void StsFile::add (const juce::MemoryBlock& entry)
{
    entries.add (entry);
    modified = true;
    showNames();
    rows.selectRow (entries.size() - 1, false);
}

void StsFile::rename (int row, const juce::String& name)
{
    if (! juce::isPositiveAndBelow (row, entries.size()))
        return;
    arrfiles::renameEntry (entries.getReference (row), name);
    modified = true;
    showNames();
}

void StsFile::remove (int row)
{
    if (! juce::isPositiveAndBelow (row, entries.size()))
        return;
    entries.remove (row);
    modified = true;
    showNames();
}

void StsFile::clear()
{
    entries.clear();
    modified = true;
    showNames();
}

void StsFile::showNames()
{
    juce::StringArray names;
    for (int row = 0; row < entries.size(); ++row)
        names.add (nameOf (row));
    rows.setNames (names);
}

//==============================================================================
LibPage::LibPage (DaduRAAudioProcessor& p)
    : processor (p), preview (ZK5Class::programBankOf (p.getMidi().getObjectStore()))
{
    addAndMakeVisible (preview);
}

void LibPage::addButtons (std::initializer_list<std::pair<const char*, int>> list)
{
    for (const auto& [text, id] : list)
    {
        auto* button = buttons.add (new LibBut (text, id));
        button->addListener (this);
        addAndMakeVisible (button);
    }
}

void LibPage::ask (int purpose, const juce::String& message, bool withField, const juce::String& preset, TextInputCont::Buttons kind)
{
    dialog = std::make_unique<TextInputCont> (purpose, message, withField, preset, kind, static_cast<textmsgListener&> (*this));
    dialog->setCentrePosition (getLocalBounds().getCentre());
    addAndMakeVisible (*dialog);
    if (withField && isShowing())
        dialog->getField().grabKeyboardFocus();
}

juce::String LibPage::closeDialog()
{
    const auto text = dialog != nullptr ? dialog->getText() : juce::String();
    dialog.reset();
    return text;
}

void LibPage::reportRead (const juce::File& chosen, bool read, const juce::String& form)
{
    status = read ? juce::String() : "\"" + chosen.getFileName() + "\" is not " + form + "; nothing was loaded.";
    repaint();
}

void LibPage::reportWrite (const juce::File& chosen, bool written)
{
    status = written ? juce::String() : "\"" + chosen.getFileName() + "\" could not be written.";
    repaint();
}

void LibPage::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF373535));
    g.setColour (juce::Colour (0xFFE0B040));
    g.setFont (juce::Font ("Arial", 13.0f, juce::Font::plain));
    g.drawText (status, 10, getHeight() - 24, getWidth() - 20, 20, juce::Justification::centredLeft, true);
}

void LibPage::resized()
{
    list().setBounds (10, 10, 300, 230);
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setBounds (320, 10 + 33 * i, getWidth() - 330, 30);
    preview.setBounds (10, 248, getWidth() - 20, getHeight() - 276);
    if (dialog != nullptr)
        dialog->setCentrePosition (getLocalBounds().getCentre());
}

//==============================================================================
LibClass::LibClass (DaduRAAudioProcessor& p, const juce::File& defaultLibrary)
    : LibPage (p), file (defaultLibrary)
{
    addAndMakeVisible (file);
    file.getRows().addListener (this);
    addButtons ({ { "APPLY", APPLY }, { "ADD CURRENT", ADD_CURRENT }, { "RENAME", RENAME }, { "DELETE", DELETE },
                  { "LOAD", LOAD }, { "SAVE", SAVE }, { "CLEAR ALL", CLEAR_ALL } });
    file.load (defaultLibrary);   // a missing library leaves the list empty
}

LibClass::~LibClass()
{
    file.save (file.getOwnFile());
}

void LibClass::showSelected()
{
    const int row = file.getRows().getSelectedRow();
    if (row < 0)
    {
        preview.clear();
        return;
    }
    if (const auto record = arrfiles::recordOfSingleBlock (arrfiles::entryState (file.getEntries()[row])))
        preview.show (file.nameOf (row), *record);
    else
        preview.clear();
}

void LibClass::libButClicked (juce::Component*, int id)
{
    const int row = file.getRows().getSelectedRow();
    switch (id)
    {
        case LIST: showSelected(); break;
        case APPLY:
            if (row >= 0)
            {
                const auto state = arrfiles::entryState (file.getEntries()[row]);
                processor.setCurrentProgramStateInformation (state.getData(), (int) state.getSize());
            }
            break;
        case ADD_CURRENT: ask (ADD_CURRENT, "Arrangement name:", true, "Untitled"); break;
        case RENAME:
            if (row >= 0)
                ask (RENAME, "Rename " + file.nameOf (row) + ":", true, file.nameOf (row));
            break;
        case DELETE:
            if (row >= 0)
                ask (DELETE, "Delete " + file.nameOf (row) + " ?", false, {});
            break;
        case LOAD:
            if (file.getEntries().isEmpty() || ! file.isModified())
                chooseAndLoad();
            else
                ask (LOAD, "Save changes?", false, {}, TextInputCont::YES_NO_CANCEL);
            break;
        case SAVE: chooseAndSave(); break;
        case CLEAR_ALL:
            if (file.getEntries().isEmpty())
                file.clear();
            else
                ask (CLEAR_ALL, "Save changes?", false, {}, TextInputCont::YES_NO_CANCEL);
            break;
        default: break;
    }
}

void LibClass::textMessageAnswered (int buttonId, int purpose)
{
    const auto text = closeDialog();
    if (buttonId == TextInputCont::CANCEL)
        return;
    const bool yes = buttonId == TextInputCont::OK;
    const int row = file.getRows().getSelectedRow();
    switch (purpose)
    {
        case ADD_CURRENT:
        {
            juce::MemoryBlock state;
            processor.getCurrentProgramStateInformation (state);
            file.add (arrfiles::buildEntry (text.trim().isEmpty() ? juce::String ("Untitled") : text.trim(), state));
            showSelected();
            break;
        }
        case RENAME:
            if (text.trim().isNotEmpty())
                file.rename (row, text.trim());
            showSelected();
            break;
        case DELETE:
            file.remove (row);
            showSelected();
            break;
        case LOAD:
            if (! yes || chooseAndSave())
                chooseAndLoad();
            break;
        case CLEAR_ALL:
            if (! yes || chooseAndSave())
            {
                file.clear();
                preview.clear();
            }
            break;
        default: break;
    }
}

void LibClass::chooseAndLoad()
{
    FileMan chooser;
    if (! chooser.run (FileMan::OPEN, FileMan::LOAD_LIBRARY, {}))
        return;
    const bool loaded = file.load (chooser.getChosenFile());
    reportRead (chooser.getChosenFile(), loaded, "an arrangement library");
    if (loaded)
    {
        file.getRows().selectRow (0, false);
        showSelected();
    }
}

bool LibClass::chooseAndSave()
{
    FileMan chooser;
    if (! chooser.run (FileMan::SAVE, FileMan::SAVE_LIBRARY, "Untitled"))
        return false;
    if (! file.getEntries().isEmpty())   // an empty list writes nothing
        reportWrite (chooser.getChosenFile(), file.save (chooser.getChosenFile()));
    return true;
}

//==============================================================================
void Plugin_File::refresh()
{
    juce::StringArray names;
    for (int i = 0; i < ARRANGEMENT_COUNT; ++i)
        names.add (bank.getRecordName (i));
    rows.setNames (names);
}

Plugin_Bank::Plugin_Bank (DaduRAAudioProcessor& p) : LibPage (p), file (p.getBank())
{
    addAndMakeVisible (file);
    file.getRows().addListener (this);
    addButtons ({ { "APPLY", APPLY }, { "SET CURRENT", SET_CURRENT }, { "RENAME", RENAME }, { "LOAD BANK", LOAD },
                  { "SAVE BANK", SAVE }, { "LOAD PRESET", LOAD_PRESET }, { "SAVE PRESET", SAVE_PRESET } });
    // The page opens on the arrangement being played.
    file.getRows().selectRow (p.getCurrentProgram(), false);
    showSelected();
}

void Plugin_Bank::showSelected()
{
    if (selected() >= 0)
        preview.show (processor.getBank().getRecordName (selected()).trimEnd(), processor.getBank().getRecord (selected()));
    else
        preview.clear();
}

void Plugin_Bank::libButClicked (juce::Component*, int id)
{
    const int slot = selected();
    switch (id)
    {
        case LIST: showSelected(); return;
        case LOAD: loadBank(); break;
        case SAVE: saveBank(); break;
        default:
            if (slot >= 0)   // every slot action needs a selected row
                slotAction (id, slot);
            break;
    }
    file.refresh();
    showSelected();
}

void Plugin_Bank::slotAction (int id, int slot)
{
    auto& bank = processor.getBank();
    switch (id)
    {
        case APPLY: processor.setCurrentProgram (slot); break;
        case SET_CURRENT:
        {
            const auto name = bank.getRecordName (slot).trim();
            ask (SET_CURRENT, "Arrangement name: ", true, name.isEmpty() || name.startsWith ("---") ? juce::String ("Untitled") : name);
            break;
        }
        case RENAME:
            ask (RENAME, "Rename " + bank.getRecordName (slot).trimEnd() + ":", true, bank.getRecordName (slot).trim());
            break;
        case LOAD_PRESET: loadPreset (slot); break;
        case SAVE_PRESET: savePreset (slot); break;
        default: break;
    }
}

void Plugin_Bank::loadBank()
{
    FileMan chooser;
    if (! chooser.run (FileMan::OPEN, FileMan::LOAD_BANK, {}))
        return;
    const auto content = arrfiles::readFile (chooser.getChosenFile());
    const auto block = content ? arrfiles::decodeBank (*content) : std::nullopt;
    if (block)
        processor.setStateInformation (block->getData(), (int) block->getSize());
    reportRead (chooser.getChosenFile(), block.has_value(), "an arrangement bank");
}

void Plugin_Bank::saveBank()
{
    FileMan chooser;
    if (! chooser.run (FileMan::SAVE, FileMan::SAVE_BANK, "Untitled"))
        return;
    juce::MemoryBlock block;
    processor.getStateInformation (block);
    reportWrite (chooser.getChosenFile(), library::writeAtomically (chooser.getChosenFile(), arrfiles::encodeBank (block)));
}

void Plugin_Bank::loadPreset (int slot)
{
    FileMan chooser;
    if (! chooser.run (FileMan::OPEN, FileMan::LOAD_PROGRAM, {}))
        return;
    const auto content = arrfiles::readFile (chooser.getChosenFile());
    const auto record = content ? arrfiles::decodeProgram (*content) : std::nullopt;
    if (record)
        processor.getBank().putRecord (slot, *record);
    reportRead (chooser.getChosenFile(), record.has_value(), "an arrangement program");
}

void Plugin_Bank::savePreset (int slot)
{
    FileMan chooser;
    auto& bank = processor.getBank();
    if (chooser.run (FileMan::SAVE, FileMan::SAVE_PROGRAM, bank.getRecordName (slot).trim()))
        reportWrite (chooser.getChosenFile(), library::writeAtomically (chooser.getChosenFile(), arrfiles::encodeProgram (bank.getRecord (slot))));
}

void Plugin_Bank::textMessageAnswered (int buttonId, int purpose)
{
    const auto text = closeDialog().trim();
    const int slot = selected();
    if (buttonId != TextInputCont::OK || slot < 0)
        return;
    auto& bank = processor.getBank();
    if (purpose == SET_CURRENT)
        bank.putRecord (slot, bank.captureRecord (processor.getMidi().getSlots(), processor.getCurrentProgram(),
                                                  text.isEmpty() ? juce::String ("Untitled") : text));
    else if (purpose == RENAME && text.isNotEmpty())
        bank.setRecordName (slot, text);
    file.refresh();
    showSelected();
}

//==============================================================================
Lib_Manager_Comp::Lib_Manager_Comp (DaduRAAudioProcessor& p) : processor (p), player (p.getMidi())
{
    addAndMakeVisible (player);
    setWantsKeyboardFocus (true);
    for (auto* button : { &presetBankButton, &libraryButton, &doneButton })
    {
        button->addListener (this);
        addAndMakeVisible (button);
    }
    tools.addListener (this);
    addAndMakeVisible (tools);
    setSize (500, 620);
    showPresetBank();
}

void Lib_Manager_Comp::showLibrary()
{
    bank.reset();
    if (library == nullptr)
    {
        library = std::make_unique<LibClass> (processor, library::file ("Lib" + arrfiles::libraryExtension()));
        addAndMakeVisible (*library);
    }
    pageName = "LIBRARY";
    libraryButton.setLit (true);
    presetBankButton.setLit (false);
    resized();
    repaint();
}

void Lib_Manager_Comp::showPresetBank()
{
    library.reset();   // a closed LIBRARY page saves its list
    if (bank == nullptr)
    {
        bank = std::make_unique<Plugin_Bank> (processor);
        addAndMakeVisible (*bank);
    }
    pageName = "PRESET BANK";
    presetBankButton.setLit (true);
    libraryButton.setLit (false);
    resized();
    repaint();
}

void Lib_Manager_Comp::libButClicked (juce::Component*, int id)
{
    switch (id)
    {
        case LIBRARY: showLibrary(); break;
        case PRESET_BANK: showPresetBank(); break;
        case DONE: post (CLOSE_WINDOW); break;
        default: break;
    }
}

void Lib_Manager_Comp::winToolCommand (int code)
{
    auto* window = findParentComponentOfClass<juce::DocumentWindow>();
    switch (code)
    {
        case WinMovCan::MINIMISE: if (window != nullptr) window->setMinimised (true); break;
        case WinMovCan::FULL_SCREEN: if (window != nullptr) window->setFullScreen (! window->isFullScreen()); break;
        case WinMovCan::QUIT: post (CLOSE_WINDOW); break;
        default: break;
    }
}

void Lib_Manager_Comp::mouseDown (const juce::MouseEvent& e)
{
    draggingWindow = e.y < HEADER_HEIGHT && getTopLevelComponent() != this;
    windowAtPress = getTopLevelComponent()->getPosition();
    mouseAtPress = e.getScreenPosition();
}

void Lib_Manager_Comp::mouseDrag (const juce::MouseEvent& e)
{
    if (draggingWindow)
        getTopLevelComponent()->setTopLeftPosition (windowAtPress + e.getScreenPosition() - mouseAtPress);
}

void Lib_Manager_Comp::post (int code)
{
    pending.post (command::make (code, 0, 0, 0));
    sendChangeMessage();
}

void Lib_Manager_Comp::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF373535));
    g.setColour (juce::Colour (0xFF0A0A0A));
    g.fillRect (0, 0, getWidth(), HEADER_HEIGHT);
    g.setColour (juce::Colour (0xFFEDE9E9));
    g.setFont (juce::Font ("Arial", 15.0f, juce::Font::plain));
    g.drawText ("ZK7 CHANNELS ARRANGEMENTS: " + pageName, 0, 0, getWidth(), HEADER_HEIGHT, juce::Justification::centred);
}

void Lib_Manager_Comp::resized()
{
    presetBankButton.setBounds (20, 22, 104, 26);
    libraryButton.setBounds (130, 22, 104, 26);
    player.setBounds (250, 25, 240, 20);
    doneButton.setBounds (getWidth() - 120, getHeight() - 40, 100, 30);
    tools.setTopLeftPosition (getWidth() - tools.getWidth() - 4, 0);
    const juce::Rectangle<int> pageArea (0, 50, getWidth(), getHeight() - 92);
    if (library != nullptr)
        library->setBounds (pageArea);
    if (bank != nullptr)
        bank->setBounds (pageArea);
}

//==============================================================================
Lib_Manager_Win::Lib_Manager_Win (DaduRAAudioProcessor& processor)
    : juce::DocumentWindow ({}, juce::Colours::black, 0, true)
{
    setTitleBarHeight (0);   // before the content, so the window takes the content's size
    setContentOwned (new Lib_Manager_Comp (processor), true);
}
