#include "Toolkit/Link/ValueListRequest.h"

#include "Toolkit/Parameter/VornaException.h"

ValueListRequest::ValueListRequest(const ParameterIdList& anIds)
{
    for (const ParameterId& id : anIds)
    {
        SmpteMessage& message = myMessages[id];
        // STX, length and group come before the indexes.
        if (message.data().size() >= 3 + maximumIdsPerGroup)
        {
            throw VornaException("Too many parameters of one group were requested at once.");
        }
        message.appendId(id);
    }
}

ValueListRequest::const_iterator ValueListRequest::begin() const
{
    return myMessages.begin();
}

ValueListRequest::const_iterator ValueListRequest::end() const
{
    return myMessages.end();
}

std::size_t ValueListRequest::size() const
{
    return myMessages.size();
}
