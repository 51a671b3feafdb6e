#pragma once

#include "comms/MidiProtocol.h"
#include "model/BankIndex.h"

#include <juce_events/juce_events.h>

#include <functional>

/** The object transfer engine: fetches objects from the instrument one ID
    after another (their info first, then their data in slices) and stores
    them in the banks. Runs on the message thread; replies come in through
    handleInboxMessage. A request left unanswered is repeated a few times,
    then its ID is skipped, so a silent instrument never hangs a transfer. */
class FIFO_Class : public juce::ChangeBroadcaster,
                   private juce::Timer
{
public:
    enum Mode { RANGE_RECEIVE = 786, SINGLE_RECEIVE = 787 };
    enum InboxState { MESSAGE_WAITING = 2012, FINISHED = 13 };

    using Sender = std::function<void (const protocol::Bytes&)>;
    using BankLookup = std::function<BankIndex* (int typeCode)>;

    /** The types an "All Objects" receive walks through, in order. */
    static const std::vector<int> typeChain;

    FIFO_Class (Sender sender, BankLookup banks);

    /** The highest ID of a type a transfer asks the instrument for. */
    static int highestId (int typeCode);

    /** Receives IDs first..last of a type (clamped as the dialog does); with
        allObjects every type of the chain follows with the same range. */
    void startRange (int typeCode, int first, int last, bool allObjects);
    /** Fetches one program (kind 2) or multi (kind 11). */
    void receiveObject (int kind, int id);
    /** Stops a running transfer; what was stored stays stored. */
    void cancel();

    /** One instrument message (without its leading 0xF0). */
    void handleInboxMessage (const protocol::Bytes& message);

    bool isBusy() const { return busy; }
    int getInboxState() const { return inboxState; }
    int getType() const { return type; }
    int getCurrentId() const { return currentId; }
    int getFirstId() const { return firstId; }
    int getLastId() const { return lastId; }
    const std::string& getName() const { return name; }
    /** "Receiving ID#: n name" or "Checking...  ID#: n", or how it ended. */
    std::string getStatusText() const;
    /** 0..1 through the current range. */
    double getProgress() const;

    int getStoredCount() const { return storedCount; }
    /** IDs whose object could not be fetched or stored (no answer, a short object). */
    const std::vector<int>& getSkippedIds() const { return skippedIds; }
    /** IDs the instrument reported empty (a negative reply or a size of 0). */
    const std::vector<int>& getEmptyIds() const { return emptyIds; }
    /** Empty while running or after a normal end; says what went wrong otherwise. */
    const std::string& getFailure() const { return failure; }

    int answerTimeoutMs = 2000;
    int maxRetries = 2;

private:
    void timerCallback() override;
    void begin (int typeCode, int first, int last, int mode);
    void requestInfo();
    void requestSlice (int offset, int length);
    void send (const protocol::Bytes& request);
    void nextId();
    void rangeDone();
    void finishTransfer();
    void onInfo (const protocol::Bytes& m);
    void onSlice (const protocol::Bytes& m);
    void storeObject();

    Sender sender;
    BankLookup banks;

    bool busy = false;
    bool allObjects = false;
    bool anyAnswer = false;
    int inboxState = 0;
    int mode = 0;
    int type = 0;
    int firstId = 0, lastId = 0, currentId = 0;
    int total = 0;
    int requestedFirst = 0, requestedLast = 0;
    protocol::Bytes accumulation;
    protocol::Bytes lastRequest;
    int retries = 0;
    std::string name;
    std::string lastNegative;
    std::string failure;
    int storedCount = 0;
    std::vector<int> skippedIds;
    std::vector<int> emptyIds;
};
