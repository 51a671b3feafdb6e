#include "model/BankStream.h"
#include "model/ObjectType.h"

#include <cstdio>

BankWriter::BankWriter (int typeCode)
{
    const auto* info = objectTypeInfo (typeCode);
    tag = info != nullptr ? info->bankTag : "?????";
    word = info != nullptr ? info->recordWord : "Dat*";
    inner = info != nullptr && info->innerTag != nullptr ? info->innerTag : "";
    bytes::append (stream, tag + "Bank>");
}

void BankWriter::addRecord (const Bytes& payload)
{
    ++id;
    char digits[8];
    std::snprintf (digits, sizeof (digits), "%04d", id % 10000);

    bytes::append (stream, tag + word + ">" + digits);
    if (! inner.empty())
        bytes::append (stream, inner + ">");
    bytes::append (stream, payload);
    if (! inner.empty())
        bytes::append (stream, "<" + inner);
    bytes::append (stream, "<" + tag + word + digits);
}

Bytes BankWriter::finish()
{
    bytes::append (stream, "<" + tag + "Bank");
    return std::move (stream);
}

Bytes BankWriter::makeBank (int typeCode, int lastId, const std::map<int, Bytes>& objects)
{
    BankWriter writer (typeCode);
    for (int next = 1; next <= lastId; ++next)
    {
        const auto found = objects.find (next);
        writer.addRecord (found != objects.end() ? found->second : Bytes());
    }
    return writer.finish();
}
