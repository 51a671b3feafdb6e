#pragma once

#include <functional>
#include <string>

/** Turns a raw value and a display code into the text every control shows. */
namespace pardes
{
/** The name of object id of a type, as the banks hold it; empty when absent. */
using NameLookup = std::function<std::string (int typeCode, int id)>;

/** The one formatter for every value shown; names are only looked up for object references. */
std::string formatValue (int value, int code, const NameLookup& names = {});

/** Note name: 60 is "C4", 0 is "C-1". */
std::string noteName (int note);

/** Names of controller destinations (-1 "NONE", 0..127 MIDI controllers, 128..181 special). */
std::string destinationName (int value);
/** Names of modulation sources. */
std::string sourceName (int value);

/** Names of the numbered global parameters. */
std::string parameterName (int number);
}
