#pragma once

#include "Toolkit/Link/SmpteMessage.h"
#include "Toolkit/Parameter/ParameterId.h"

#include <map>

// The request frames for one list of ids: one message per group, in
// ascending signed group order, each naming its ids in list order.
class ValueListRequest
{
public:
    // Orders ids by their group byte alone, so that a group maps to one message.
    struct GroupOrder
    {
        bool operator()(const ParameterId& aLeft, const ParameterId& aRight) const
        {
            return aLeft.lessGroup(aRight);
        }
    };
    typedef std::map<ParameterId, SmpteMessage, GroupOrder> Messages;
    typedef Messages::const_iterator const_iterator;

    // After the group byte, one frame has room for this many indexes.
    static constexpr std::size_t maximumIdsPerGroup = SmpteMessage::maximumDataLength - 1;

    // More ids of one group than a frame can name are refused with
    // VornaException, before anything is sent.
    explicit ValueListRequest(const ParameterIdList& anIds);

    const_iterator begin() const;
    const_iterator end() const;
    std::size_t size() const;

private:
    Messages myMessages;
};
