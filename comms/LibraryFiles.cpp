#include "comms/LibraryFiles.h"

namespace library
{
juce::File folder()
{
    return juce::File::getSpecialLocation (juce::File::userDocumentsDirectory)
        .getChildFile ("Library")
        .getChildFile ("VZK7");
}

juce::File file (const juce::String& name)
{
    return folder().getChildFile (name);
}

bool writeAtomically (const juce::File& target, const void* data, size_t size)
{
    if (! target.getParentDirectory().createDirectory())
        return false;

    // A hidden temporary file in the same folder, so the rename stays on one file system.
    juce::TemporaryFile temporary (target, juce::TemporaryFile::useHiddenFile);

    {
        juce::FileOutputStream out (temporary.getFile());
        // An empty file is written by writing nothing (no null pointer reaches the stream).
        if (! out.openedOk() || (size > 0 && ! out.write (data, size)))
            return false;
        out.flush();
        if (out.getStatus().failed())
            return false;
    }

    return temporary.overwriteTargetFileWithTemporary();
}

bool writeAtomically (const juce::File& target, const juce::MemoryBlock& data)
{
    return writeAtomically (target, data.getData(), data.getSize());
}

juce::MemoryBlock readWhole (const juce::File& source)
{
    juce::MemoryBlock data;
    if (source.existsAsFile())
        source.loadFileAsData (data);
    return data;
}
}
