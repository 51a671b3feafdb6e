#include "arrange/FileMan.h"
#include "arrange/ArrangementFiles.h"

std::function<juce::File (int, int, const juce::String&)> FileMan::answer;

void FileMan::setKind (int kind)
{
    struct Entry { int kind; const char* title; const juce::String& extension; };
    const Entry table[] = {
        { LOAD_LIBRARY, "Load Arrangements", arrfiles::libraryExtension() },
        { LOAD_BANK, "Load Arrangement Bank", arrfiles::bankExtension() },
        { LOAD_PROGRAM, "Load VST Program", arrfiles::programExtension() },
        { SAVE_LIBRARY, "Save Arrangements", arrfiles::libraryExtension() },
        { SAVE_BANK, "Save Arrangement Bank", arrfiles::bankExtension() },
        { SAVE_PROGRAM, "Save VST Program", arrfiles::programExtension() },
    };
    for (const auto& entry : table)
        if (entry.kind == kind)
        {
            title = entry.title;
            patterns = { "*" + entry.extension };
        }
}

bool FileMan::run (int operation, int kind, const juce::String& initialName)
{
    patterns.clear();
    setKind (kind);
    const auto file = ask (operation, kind, initialName);
    if (file == juce::File())
        return false;   // cancelled: the previous choice stays
    chosen = operation == SAVE && ! patterns.isEmpty() ? withExtension (file, patterns[0]) : file;
    return true;
}

juce::File FileMan::ask (int operation, int kind, const juce::String& initialName)
{
    if (answer)
        return answer (operation, kind, initialName);
    const auto harnessAnswer = juce::SystemStats::getEnvironmentVariable ("ZK7_FILE_CHOOSER_ANSWER", {});
    if (harnessAnswer.isNotEmpty())
        return juce::File (harnessAnswer);

    juce::FileChooser chooser (title, juce::File::getCurrentWorkingDirectory().getChildFile (initialName), patterns.joinIntoString (";"));
    const bool ok = operation == SAVE ? chooser.browseForFileToSave (false) : chooser.browseForFileToOpen();
    return ok ? chooser.getResult() : juce::File();
}

juce::File FileMan::withExtension (const juce::File& file, const juce::String& pattern)
{
    if (file.getFileExtension().length() >= 3)
        return file;
    return juce::File (file.getFullPathName() + pattern.fromFirstOccurrenceOf ("*", false, false));
}
