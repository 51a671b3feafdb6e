// zk7: the library from the command line.
//   zk7 list <type> [--category N] [--library DIR]
//   zk7 show <type> <id> [--library DIR]
//   zk7 check <bank-file>
//   zk7 receive <type> <from> <to> [--library DIR] [--port-in NAME --port-out NAME | --virtual]
//   zk7 arrangements list <file>
//   zk7 arrangements export <file> <out.fxb|out.zk7arrlib|out.fxp>

#include "arrange/ArrangementFiles.h"
#include "comms/LibraryFiles.h"
#include "comms/MidiCntrState.h"
#include "comms/VirtualInstrument.h"
#include "comms/ZK5Class.h"

#include <cstdio>
#include <unistd.h>
#include <iostream>
#include <map>
#include <optional>

namespace
{
const std::vector<int> cliTypes = { typeProgram, typeMulti, typeFxChain, typeKeymap, typeIntonation,
                                    typeShiftPattern, typeVelocityPattern, typeArp };

int usage()
{
    std::cerr << "usage: zk7 list <type> [--category N] [--library DIR]\n"
                 "       zk7 show <type> <id> [--library DIR]\n"
                 "       zk7 check <bank-file>\n"
                 "       zk7 receive <type> <from> <to> [--library DIR] [--port-in NAME --port-out NAME | --virtual]\n"
                 "       zk7 arrangements list <file>\n"
                 "       zk7 arrangements export <file> <out.fxb|out.zk7arrlib|out.fxp>\n"
                 "types: programs multis fxchains keymaps intonations shiftpatterns velocitypatterns arps\n";
    return 2;
}

std::optional<int> typeNamed (const std::string& name)
{
    for (const int type : cliTypes)
        if (name == objectTypeInfo (type)->cliName)
            return type;
    return std::nullopt;
}

std::optional<int> number (const std::string& text)
{
    if (text.empty() || text.find_first_not_of ("0123456789") != std::string::npos || text.size() > 6)
        return std::nullopt;
    return std::stoi (text);
}

std::string padded (std::string text, size_t width)
{
    text.resize (std::max (width, text.size()), ' ');
    return text;
}

/** The options after the positional arguments. */
struct Options
{
    std::vector<std::string> positional;
    std::optional<int> category;
    juce::File library = library::folder();
    juce::String portIn, portOut;
    bool useVirtual = false;
    std::string error;
};

Options parse (int argc, char** argv)
{
    Options o;
    for (int i = 2; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg == "--virtual")
            o.useVirtual = true;
        else if ((arg == "--category" || arg == "--library" || arg == "--port-in" || arg == "--port-out") && i + 1 < argc)
        {
            const std::string value = argv[++i];
            if (arg == "--library")
                o.library = juce::File::getCurrentWorkingDirectory().getChildFile (value);
            else if (arg == "--port-in")
                o.portIn = value;
            else if (arg == "--port-out")
                o.portOut = value;
            else if (! (o.category = number (value)))
                o.error = "not a category number: " + value;
        }
        else if (arg.rfind ("--", 0) == 0)
            o.error = "unknown option: " + arg;
        else
            o.positional.push_back (arg);
    }
    return o;
}

/** The eight banks as the program would read them from the folder. */
std::unique_ptr<ZK5Class> openStore (const juce::File& folder)
{
    auto store = std::make_unique<ZK5Class> (folder);
    store->loadBanks();
    return store;
}

std::string fxCategoriesOf (ObjFXChainClass& chains, int id)
{
    chains.decodeChain (id);
    std::string text;
    for (int i = 0; i < chains.getUnitCount(); ++i)
        for (const int c : fxchain::categoriesOfCode (chains.getUnitCode (i)))
            if (text.find (fxCategoryName (c)) == std::string::npos)
                text += (text.empty() ? "" : ", ") + fxCategoryName (c);
    return text;
}

std::string describe (ZK5Class& store, int type, int id)
{
    const auto& bank = *store.bankOf (type);
    switch (type)
    {
        case typeProgram: return padded (categoryName (bank.getCategory (id)), 14) + store.programs.getKindText (id);
        case typeArp: return bank.getArpKindText (id);
        case typeFxChain: return fxCategoriesOf (store.fxChains, id);
        default: return std::to_string (bank.getRecord (id).size()) + " bytes";
    }
}

int list (ZK5Class& store, int type, std::optional<int> category)
{
    const auto& bank = *store.bankOf (type);
    const auto ids = category ? bank.listIds (BankIndex::LIST_CATEGORY, *category) : bank.listIds (BankIndex::LIST_EXISTING, 0);
    int listed = 0;
    for (const int id : ids)
        if (bank.exists (id))
        {
            std::cout << id << " " << padded (bank.getName (id), 21) << describe (store, type, id) << "\n";
            ++listed;
        }
    if (listed == 0)
    {
        std::cerr << "zk7: no " << objectTypeInfo (type)->cliName
                  << (category ? " in category " + std::to_string (*category) : std::string()) << "\n";
        return 1;
    }
    return 0;
}

//==============================================================================
void showProgram (ZK5Class& store, int id)
{
    auto& bank = store.programs;
    const auto record = bank.bank.getRecord (id);
    const int category = program::getField (record, program::Field::category);
    const int sub = program::getField (record, program::Field::subCategory);

    std::cout << "Program " << id << ": " << bank.getName (id) << "\n"
              << "Category: " << categoryName (category) << (subCategoryName (category, sub).empty() ? "" : " / " + subCategoryName (category, sub)) << "\n"
              << "Kind: " << bank.getKindText (id) << "\n"
              << "Layers: " << program::layerCount (record) << "\n";

    for (int l = 0; l < program::layerCount (record); ++l)
    {
        SubObjLayerClass layer;
        layer.setBlock (bytes::slice (record, program::layerOffset (l), program::LAYER_SIZE));
        const int keymap = layer.getKeymap1();
        const auto name = layer.getName().empty() ? store.keymaps.bank.getName (keymap) : layer.getName();
        std::cout << "  Layer " << padded (std::to_string (l + 1), 3) << " keys " << layer.getZoneLow() << "-" << layer.getZoneHigh()
                  << "  keymap " << keymap << " " << store.keymaps.bank.getName (keymap);
        if (layer.usesSecondKeymap())
            std::cout << " + " << layer.getKeymap2() << " " << store.keymaps.bank.getName (layer.getKeymap2());
        std::cout << "  level " << layer.getLevel() << "  \"" << name << "\"\n";
    }

    const char* slots[] = { "Insert FX", "Aux 1 FX", "Aux 2 FX" };
    const auto chains = bank.getFxChains (id);
    for (size_t i = 0; i < 3; ++i)
        std::cout << slots[i] << ": " << chains[i] << " " << store.fxChains.bank.getName (chains[i]) << "\n";

    std::cout << "Controller names:\n";
    for (const auto& n : program::controllerNames (record))
        std::cout << "  " << padded (std::to_string (n.number), 4) << n.text << "\n";
    std::cout << "Assignments:\n";
    for (const auto& a : program::assignments (record))
        std::cout << "  parameter " << a.uniqueId << " value " << a.value << " controller " << a.controller << "\n";
}

void showMulti (ZK5Class& store, int id)
{
    ObjMultiClass multiObject;
    store.multis.loadMulti (id, multiObject);
    std::cout << "Multi " << id << ": " << store.multis.getName (id) << "\n"
              << "Zones: " << multiObject.getZoneCount() << "\n";
    for (int z = 0; z < std::min (multiObject.getZoneCount(), 16); ++z)
    {
        const auto zone = multiObject.getZoneBlock (z);
        const auto layout = multi::walkZone (zone, 0);
        std::cout << "  Zone " << z + 1 << ": offset " << multiObject.getZoneOffset (z) << ", " << multiObject.getZoneSize (z)
                  << " bytes, program " << bytes::s16 (zone, 11) << ", " << layout.list1Count << " + " << layout.list2Count
                  << " controllers, text at " << layout.text << "\n";
    }
    std::cout << "Tail: " << multiObject.getTailSize() << " bytes\n";
}

void showFxChain (ZK5Class& store, int id)
{
    auto& chains = store.fxChains;
    chains.decodeChain (id);
    std::cout << "FX chain " << id << ": " << chains.bank.getName (id) << "\n"
              << "Chain start: " << chains.findChainStart (id) << "\n"
              << "Units: " << chains.getUnitCount() << "\n";
    for (int i = 0; i < chains.getUnitCount(); ++i)
    {
        std::string categories;
        for (const int c : fxchain::categoriesOfCode (chains.getUnitCode (i)))
            categories += (categories.empty() ? "" : ", ") + fxCategoryName (c);
        std::cout << "  " << chains.getUnitType (i) << " \"" << chains.getUnitCode (i) << "\" " << categories << "\n";
    }
    const auto controls = chains.getControlBlock (id);
    std::cout << "Controls:\n";
    for (size_t p = 4, i = 0; i < (size_t) bytes::u8 (controls, 3) && p + 8 <= controls.size(); ++i)
    {
        const int length = bytes::u8 (controls, (long) p + 7);
        std::cout << "  " << bytes::u8 (controls, (long) p + 3) << " " << bytes::printable (controls, (long) p + 8, length) << "\n";
        p += 8 + (size_t) length;
    }
}

int show (ZK5Class& store, int type, int id)
{
    const auto& bank = *store.bankOf (type);
    if (! bank.exists (id))
    {
        std::cerr << "zk7: " << objectTypeInfo (type)->cliName << " has no object " << id << "\n";
        return 1;
    }
    switch (type)
    {
        case typeProgram: showProgram (store, id); break;
        case typeMulti: showMulti (store, id); break;
        case typeFxChain: showFxChain (store, id); break;
        default:
            std::cout << objectTypeName (type) << " " << id << ": " << bank.getName (id) << "\n"
                      << "Size: " << bank.recordLength (id) << " bytes\n";
            if (type == typeArp)
                std::cout << "Kind: " << bank.getArpKindText (id) << "\n";
            break;
    }
    return 0;
}

//==============================================================================
/** "1137–1141, 2000" for a sorted list of IDs. */
std::string idRanges (const std::vector<int>& ids)
{
    std::string text;
    for (size_t i = 0; i < ids.size();)
    {
        size_t j = i;
        while (j + 1 < ids.size() && ids[j + 1] == ids[j] + 1)
            ++j;
        text += (text.empty() ? "" : ", ") + std::to_string (ids[i]) + (j > i ? "\u2013" + std::to_string (ids[j]) : "");
        i = j + 1;
    }
    return text;
}

std::string idCount (size_t n) { return std::to_string (n) + (n == 1 ? " ID" : " IDs"); }

/** A folder for the controller state's settings while the tool runs, so a
    backup never touches the settings of the folder it writes into. */
struct ScratchFolder
{
    ScratchFolder() { folder.createDirectory(); }
    ~ScratchFolder() { folder.deleteRecursively(); }
    const juce::File folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("zk7-receive", {}, false);
};

/** The ports a receive asked for; only a named port opens the system's MIDI devices. */
bool openPorts (const Options& o, MIDI_PORTS_Control& ports)
{
    if (o.useVirtual)
    {
        ports.openInput (ports.getInputNames().size());
        ports.openOutput (ports.getOutputNames().size());
    }
    else
    {
        ports.openInput (ports.findInputIndex (o.portIn));
        ports.openOutput (ports.findOutputIndex (o.portOut));
    }
    return ports.isInputOpen() && ports.isOutputOpen();
}

void runTransfer (FIFO_Class& transfer, int type, int from, int to)
{
    const bool showProgress = isatty (fileno (stderr)) != 0;
    transfer.startRange (type, from, to, false);
    while (transfer.isBusy())
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (100);
        if (showProgress)
            std::cerr << "\r" << padded ("Receiving " + std::to_string (transfer.getCurrentId()) + " of " + std::to_string (to), 40) << std::flush;
    }
    if (showProgress)
        std::cerr << "\r" << std::string (40, ' ') << "\r";
}

void reportTransfer (const FIFO_Class& transfer, int type, const juce::File& library)
{
    std::cout << "Received " << transfer.getStoredCount() << " " << objectTypeInfo (type)->cliName << " (IDs "
              << transfer.getFirstId() << " to " << transfer.getLastId() << ") into " << library.getFullPathName() << "\n";
    if (! transfer.getEmptyIds().empty())
        std::cout << idCount (transfer.getEmptyIds().size()) << " empty on the instrument: " << idRanges (transfer.getEmptyIds()) << "\n";
    if (! transfer.getSkippedIds().empty())
        std::cout << idCount (transfer.getSkippedIds().size()) << " not received (no whole answer): " << idRanges (transfer.getSkippedIds()) << "\n";
}

/** A bank backup through the editor's own transfer engine. The library
    folder is written only when at least one object arrived. */
int receive (const Options& o, int type)
{
    const auto from = number (o.positional.size() > 1 ? o.positional[1] : ""), to = number (o.positional.size() > 2 ? o.positional[2] : "");
    if (o.positional.size() != 3 || ! from || ! to)
        return usage();
    const int highest = FIFO_Class::highestId (type);
    if (*from < 1 || *to > highest || *from > *to)
    {
        std::cerr << "zk7: no such range of " << objectTypeInfo (type)->cliName << ": " << *from << " to " << *to
                  << " (give 1 <= from <= to <= " << highest << ")\n";
        return 2;
    }
    if (! o.useVirtual && (o.portIn.isEmpty() || o.portOut.isEmpty()))
    {
        std::cerr << "zk7: no MIDI ports given: give --port-in NAME --port-out NAME, or --virtual\n";
        return 2;
    }

    ScratchFolder scratch;
    MidiCntrState midi (std::make_unique<MidiDriverWithVirtualInstrument> (o.useVirtual ? nullptr : createSystemMidiDriver()),
                        std::make_unique<ZK5Class> (o.library), scratch.folder);
    midi.setSavesBanksOnClose (false);
    midi.createPorts();
    if (! openPorts (o, *midi.getPorts()))
    {
        std::cerr << "zk7: the MIDI ports \"" << o.portIn << "\" and \"" << o.portOut << "\" could not both be opened\n";
        return 1;
    }

    auto& store = dynamic_cast<ZK5Class&> (*midi.getObjectStore());
    runTransfer (store.transfer, type, *from, *to);
    if (! store.transfer.getFailure().empty())
    {
        std::cerr << "zk7: " << store.transfer.getFailure() << " Nothing was written.\n";
        return 1;
    }
    if (store.transfer.getStoredCount() == 0)
    {
        reportTransfer (store.transfer, type, o.library);
        std::cerr << "zk7: nothing was received, so nothing was written\n";
        return 1;
    }
    if (! o.library.createDirectory())
    {
        std::cerr << "zk7: cannot create " << o.library.getFullPathName() << "\n";
        return 1;
    }
    store.saveBanks();
    reportTransfer (store.transfer, type, o.library);
    return 0;
}

/** Record IDs are four digits in a bank stream. */
constexpr int LARGEST_FILE_ID = 9999;

int check (const std::string& path)
{
    const juce::File file = juce::File::getCurrentWorkingDirectory().getChildFile (path);
    juce::MemoryBlock data;
    if (! file.existsAsFile() || ! file.loadFileAsData (data))
    {
        std::cerr << "zk7: cannot read " << path << "\n";
        return 1;
    }
    if (data.isEmpty())
    {
        std::cout << "Empty file: read as an empty bank\n";
        return 0;
    }
    const Bytes stream (static_cast<const uint8_t*> (data.getData()), static_cast<const uint8_t*> (data.getData()) + data.getSize());
    const std::string head (stream.begin(), stream.begin() + (long) std::min<size_t> (10, stream.size()));

    const ObjectTypeInfo* info = nullptr;
    for (const int type : savedTypes)
        if (head == std::string (objectTypeInfo (type)->bankTag) + "Bank>")
            info = objectTypeInfo (type);
    if (info == nullptr)
    {
        std::cerr << "zk7: " << path << " is not a bank stream (it does not begin with a bank opener)\n";
        return 1;
    }

    // A file may hold more records than the program offers (the factory
    // intonation bank has 132 where 128 are offered): check every ID it can name.
    BankIndex bank;
    bank.build (info->code, stream, LARGEST_FILE_ID - 1);

    int records = 0, objects = 0;
    std::vector<std::string> problems;
    auto textAt = [&stream] (long position, size_t length)
    {
        return position < 0 || (size_t) position + length > stream.size() ? std::string()
                                                                           : std::string (stream.begin() + position, stream.begin() + position + (long) length);
    };

    for (int id = 1; id <= bank.getSlotCount(); ++id)
    {
        if (! bank.hasRecord (id))
            continue;
        ++records;
        objects += bank.exists (id) ? 1 : 0;

        // Each record ends with its closer, right before the next record or the bank closer.
        char digits[8];
        std::snprintf (digits, sizeof (digits), "%04d", id);
        const std::string closer = std::string ("<") + info->bankTag + info->recordWord + digits;
        const long next = id < bank.getSlotCount() && bank.hasRecord (id + 1) ? bank.openerPosition (id + 1) : (long) stream.size() - 10;
        if (textAt (next - (long) closer.size(), closer.size()) != closer)
            problems.push_back ("record " + std::to_string (id) + " does not end with " + closer);
    }
    for (int id = 1; id < bank.getSlotCount(); ++id)
        if (! bank.hasRecord (id) && bank.hasRecord (id + 1))
            problems.push_back ("record " + std::to_string (id) + " is missing or out of order");

    const std::string bankCloser = std::string ("<") + info->bankTag + "Bank";
    if (textAt ((long) stream.size() - 10, 10) != bankCloser)
        problems.push_back ("the bank closer " + bankCloser + " is missing at the end");

    std::cout << info->cliName << " bank, " << stream.size() << " bytes\n"
              << "Records: " << records << "\n"
              << "Objects: " << objects << "\n";
    for (size_t i = 0; i < std::min<size_t> (problems.size(), 20); ++i)
        std::cout << "Malformed: " << problems[i] << "\n";
    if (problems.size() > 20)
        std::cout << "... and " << problems.size() - 20 << " more\n";
    const bool malformed = ! problems.empty();
    return malformed ? 1 : 0;
}

//==============================================================================
/** The arrangements of a file of any arrangement form, or an error on stderr. */
std::optional<std::vector<arrfiles::NamedArrangement>> readArrangements (const juce::File& file)
{
    const auto content = arrfiles::readFile (file);
    if (! content)
    {
        std::cerr << "zk7: no such file: " << file.getFullPathName() << "\n";
        return std::nullopt;
    }
    auto arrangements = arrfiles::readArrangements (*content, file.getFileExtension());
    if (! arrangements)
        std::cerr << "zk7: not an arrangement file: " << file.getFullPathName() << "\n";
    return arrangements;
}

int listArrangements (const juce::File& file)
{
    const auto arrangements = readArrangements (file);
    if (! arrangements)
        return 1;
    if (arrangements->empty())
    {
        std::cerr << "zk7: no arrangements in " << file.getFullPathName() << "\n";
        return 1;
    }
    int index = 0;
    for (const auto& a : *arrangements)
    {
        std::cout << ++index << "  " << padded (a.name.toStdString(), 24) << "  mode " << a.record.getMode()
                  << "  multi " << a.record.getMulti() << "  programs";
        for (int channel = 0; channel < 16; ++channel)
            std::cout << " " << a.record.getProgram (channel);
        std::cout << "\n";
    }
    return 0;
}

/** The file content of arrangements in the target's form, and what it holds. */
struct Export
{
    juce::MemoryBlock content;
    std::string written;
};

std::optional<Export> exportContent (const std::vector<arrfiles::NamedArrangement>& arrangements, const juce::String& extension)
{
    auto content = arrfiles::encodeAs (arrangements, extension);
    if (! content)
        return std::nullopt;
    const auto count = arrangements.size();
    const auto plural = [] (size_t n) { return std::to_string (n) + (n == 1 ? " arrangement" : " arrangements"); };
    if (extension == arrfiles::bankExtension())
    {
        const auto written = std::min (count, (size_t) ARRANGEMENT_COUNT);
        if (count > written)
            return Export { *content, plural (written) + " (the first 64 of " + std::to_string (count) + "; a bank holds 64)" };
        if (written < (size_t) ARRANGEMENT_COUNT)
            return Export { *content, plural (written) + " and the default arrangements in slots " + std::to_string (written + 1) + " to 64" };
    }
    if (extension == arrfiles::programExtension())
        return Export { *content, "1 arrangement (\"" + arrangements.front().name.trimEnd().toStdString() + "\""
                                      + (count > 1 ? ", the first of " + std::to_string (count) + ")" : ")") };
    return Export { *content, plural (count) };
}

int exportArrangements (const juce::File& source, const juce::File& target)
{
    const auto arrangements = readArrangements (source);
    if (! arrangements)
        return 1;
    if (arrangements->empty())
    {
        std::cerr << "zk7: no arrangements in " << source.getFullPathName() << "\n";
        return 1;
    }
    const auto exported = exportContent (*arrangements, target.getFileExtension().toLowerCase());
    if (! exported)
    {
        std::cerr << "zk7: write to a .zk7arrlib, .fxb or .fxp file\n";
        return 2;
    }
    if (! library::writeAtomically (target, exported->content))
    {
        std::cerr << "zk7: could not write " << target.getFullPathName() << "\n";
        return 1;
    }
    std::cout << "Wrote " << exported->written << " to " << target.getFullPathName() << "\n";
    return 0;
}

int arrangementsCommand (int argc, char** argv)
{
    const std::string sub = argv[2];
    const auto fileArg = [argv] (int i) { return juce::File::getCurrentWorkingDirectory().getChildFile (juce::String (argv[i])); };
    if (sub == "list" && argc == 4)
        return listArrangements (fileArg (3));
    if (sub == "export" && argc == 5)
        return exportArrangements (fileArg (3), fileArg (4));
    return usage();
}
}

int main (int argc, char** argv)
{
    if (argc < 3)
        return usage();

    const std::string command = argv[1];
    if (command == "check")
        return argc == 3 ? check (argv[2]) : usage();
    if (command == "arrangements")
        return arrangementsCommand (argc, argv);

    const auto options = parse (argc, argv);
    if (! options.error.empty())
    {
        std::cerr << "zk7: " << options.error << "\n";
        return 2;
    }
    if (options.positional.empty())
        return usage();

    const auto type = typeNamed (options.positional[0]);
    if (! type)
    {
        std::cerr << "zk7: unknown type \"" << options.positional[0] << "\"\n";
        return usage();
    }

    juce::ScopedJuceInitialiser_GUI juce;
    if (command == "receive")
        return receive (options, *type);

    const auto store = openStore (options.library);

    if (command == "list" && options.positional.size() == 1)
        return list (*store, *type, options.category);

    if (command == "show" && options.positional.size() == 2)
    {
        const auto id = number (options.positional[1]);
        if (! id || *id < 1 || *id > objectTypeInfo (*type)->maxId)
        {
            std::cerr << "zk7: not an ID: " << options.positional[1] << "\n";
            return 2;
        }
        return show (*store, *type, *id);
    }
    return usage();
}
