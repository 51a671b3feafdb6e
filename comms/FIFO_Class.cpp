#include "comms/FIFO_Class.h"
#include "model/ObjectType.h"

using protocol::byteAt;

const std::vector<int> FIFO_Class::typeChain = { typeProgram, typeAlg, typeFxChain, typeMulti, typeKeymap, typeSample,
                                                 typeIntonation, typeShiftPattern, typeVelocityPattern, typeSong };

FIFO_Class::FIFO_Class (Sender s, BankLookup b) : sender (std::move (s)), banks (std::move (b)) {}

void FIFO_Class::startRange (int typeCode, int first, int last, bool all)
{
    requestedFirst = first;
    requestedLast = last;
    allObjects = all;
    storedCount = 0;
    skippedIds.clear();
    emptyIds.clear();
    failure.clear();
    anyAnswer = false;
    begin (typeCode, first, last, RANGE_RECEIVE);
}

void FIFO_Class::receiveObject (int kind, int id)
{
    const int typeCode = kind == 2 ? typeProgram : kind == 11 ? typeMulti : 0;
    if (typeCode == 0 || id <= 0)
        return;
    allObjects = false;
    failure.clear();
    anyAnswer = false;
    begin (typeCode, id, id, SINGLE_RECEIVE);
}

int FIFO_Class::highestId (int typeCode)
{
    // The ranges the instrument can hold: 8191 for programs and multis, 8192 for FX chains.
    if (typeCode == typeProgram || typeCode == typeMulti)
        return 8191;
    if (typeCode == typeFxChain)
        return 8192;
    // Other types: what their banks offer, never past 8192, the last record of a bank.
    const auto* info = objectTypeInfo (typeCode);
    return info != nullptr ? std::min (info->maxId + 1, 8192) : 0;
}

void FIFO_Class::begin (int typeCode, int first, int last, int transferMode)
{
    if (typeCode == typeProgram || typeCode == typeMulti || typeCode == typeFxChain)
    {
        first = std::min (first, highestId (typeCode) - 1);
        last = std::min (last, highestId (typeCode));
    }
    first = std::max (first, 1);
    last = std::max (last, first);

    busy = true;
    mode = transferMode;
    type = typeCode;
    firstId = currentId = first;
    lastId = last;
    name.clear();
    requestInfo();
}

void FIFO_Class::cancel()
{
    if (busy)
        finishTransfer();
}

void FIFO_Class::send (const protocol::Bytes& request)
{
    lastRequest = request;
    retries = 0;
    sender (request);
    startTimer (answerTimeoutMs);
}

void FIFO_Class::requestInfo()
{
    if (currentId > lastId)
    {
        rangeDone();
        return;
    }
    total = 0;
    accumulation.clear();
    send (protocol::objectInfoRequest (type, currentId));
    sendChangeMessage();
}

void FIFO_Class::requestSlice (int offset, int length)
{
    send (protocol::objectReadRequest (type, currentId, offset, length));
}

void FIFO_Class::nextId()
{
    name.clear();
    if (mode == SINGLE_RECEIVE)
    {
        finishTransfer();
        return;
    }
    ++currentId;
    requestInfo();
}

void FIFO_Class::rangeDone()
{
    if (allObjects)
    {
        const auto at = std::find (typeChain.begin(), typeChain.end(), type);
        if (at != typeChain.end() && at + 1 != typeChain.end())
        {
            begin (*(at + 1), requestedFirst, requestedLast, RANGE_RECEIVE);
            return;
        }
    }
    finishTransfer();
}

void FIFO_Class::finishTransfer()
{
    stopTimer();
    busy = false;
    inboxState = FINISHED;
    name.clear();
    sendChangeMessage();
}

//==============================================================================
void FIFO_Class::handleInboxMessage (const protocol::Bytes& m)
{
    const int command = byteAt (m, 4);
    if (! busy || (command != protocol::CMD_OBJECT && command != protocol::CMD_OBJECT_ALT))
        return;

    inboxState = MESSAGE_WAITING;
    anyAnswer = true;

    // A late answer to a request that was already repeated or given up must not be taken twice.
    if (protocol::lowFirst (m, 9, 2) != currentId)
        return;

    switch (byteAt (m, 5))
    {
        case protocol::SUB_INFO: onInfo (m); break;
        case protocol::SUB_DATA: onSlice (m); break;
        case protocol::SUB_NEGATIVE:
            lastNegative = "Nack_bad_type_or_id";
            emptyIds.push_back (currentId);
            nextId();
            break;
        default: break;
    }
}

void FIFO_Class::onInfo (const protocol::Bytes& m)
{
    if (mode != RANGE_RECEIVE && mode != SINGLE_RECEIVE)
        return;

    const int size = protocol::lowFirst (m, 11, 3);
    name.clear();
    for (size_t i = 15; i < 35; ++i)
    {
        const int c = byteAt (m, i);
        name += (char) (c < 0x14 ? ' ' : c);
    }
    lastNegative.clear();

    total = size;
    accumulation.clear();
    if (total <= 0)
    {
        emptyIds.push_back (currentId);
        nextId();   // nothing to fetch
        return;
    }
    requestSlice (0, total);
    sendChangeMessage();
}

void FIFO_Class::onSlice (const protocol::Bytes& m)
{
    // Packed data from byte 17 up to the two trailer bytes and the 0xF7.
    if (m.size() < 20 || protocol::lowFirst (m, 11, 3) != (int) accumulation.size())
        return;
    const auto data = protocol::unpack (m.data() + 17, m.size() - 20);
    accumulation.insert (accumulation.end(), data.begin(), data.end());

    // Ask for the rest until the object is whole; a slice that brings nothing ends it as it is.
    if ((int) accumulation.size() < total && ! data.empty())
    {
        requestSlice ((int) accumulation.size(), total - (int) accumulation.size());
        return;
    }

    if (total > 0 && std::abs ((int) accumulation.size() - total) <= 1)
        storeObject();
    else
        skippedIds.push_back (currentId);
    nextId();
}

void FIFO_Class::storeObject()
{
    auto* bank = banks (type);
    const auto* info = objectTypeInfo (type);
    if (bank == nullptr || info == nullptr)
        return;

    // The name from the info reply, cleaned of control characters, heads the record.
    if (type != typeAlg && accumulation.size() >= 20)
        std::copy (name.begin(), name.begin() + 20, accumulation.begin());

    if (! bank->hasRecord (currentId))
    {
        skippedIds.push_back (currentId);
        return;
    }
    bank->replaceRecord (currentId, accumulation);
    ++storedCount;
}

void FIFO_Class::timerCallback()
{
    if (! busy)
    {
        stopTimer();
        return;
    }

    if (retries < maxRetries)
    {
        ++retries;
        sender (lastRequest);
        return;
    }

    // Nothing came back at all: there is no instrument on the line.
    if (! anyAnswer)
    {
        failure = "No answer from the instrument.";
        finishTransfer();
        return;
    }
    skippedIds.push_back (currentId);
    nextId();
}

//==============================================================================
std::string FIFO_Class::getStatusText() const
{
    if (! failure.empty())
        return failure;
    if (! lastNegative.empty() && name.empty() && busy)
        return lastNegative;
    if (! name.empty())
        return "Receiving ID#: " + std::to_string (currentId) + " " + name;
    return "Checking...  ID#: " + std::to_string (currentId);
}

double FIFO_Class::getProgress() const
{
    if (lastId <= firstId)
        return busy ? 0.0 : 1.0;
    return juce::jlimit (0.0, 1.0, (double) (currentId - firstId) / (double) (lastId - firstId));
}
