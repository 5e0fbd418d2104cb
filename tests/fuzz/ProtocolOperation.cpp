#include "tests/fuzz/ProtocolOperation.h"

#include "tests/fuzz/FuzzTarget.h"

#include "Toolkit/Parameter/AbstractProtocol.h"
#include "Toolkit/Parameter/ParameterValueMap.h"

#include <vector>

namespace
{
const std::uint8_t numberValue = 0xFF;
const std::uint8_t longestListedCount = 8;
}

ProtocolOperation ProtocolOperation::read(FuzzInput& anInput)
{
    ProtocolOperation operation;
    operation.kind = static_cast<Kind>(anInput.byte() % kinds);
    operation.group = anInput.byte();
    operation.index = anInput.byte();
    operation.number = static_cast<std::int16_t>(anInput.word());
    operation.textLength = anInput.byte();
    operation.settle = anInput.byte();
    operation.listCount = anInput.byte();
    return operation;
}

void ProtocolOperation::write(FuzzOutput& anOutput) const
{
    anOutput.byte(kind).byte(group).byte(index).word(static_cast<std::uint16_t>(number)).byte(textLength)
        .byte(settle).byte(listCount);
}

void ProtocolOperation::run(AbstractProtocol& aProtocol) const
{
    const ParameterId id(static_cast<signed char>(group), static_cast<signed char>(index));
    const ParameterValue value = textLength == numberValue
                                     ? ParameterValue(number)
                                     : ParameterValue(std::string(textLength, static_cast<char>('A' + index % 26)));
    const std::uint32_t settleTime = settle * 10u;
    switch (kind)
    {
    case status:
        aProtocol.getStatus();
        break;
    case get:
        aProtocol.getValue(id);
        break;
    case list:
    {
        std::vector<ParameterId> requested;
        const int count = listCount % longestListedCount + 1;
        for (int i = 0; i < count; ++i)
        {
            requested.push_back(ParameterId(static_cast<signed char>(group), static_cast<signed char>(index + i)));
        }
        ParameterValueMap result;
        aProtocol.getValues(requested, result);
        // An answer with ids that were not asked for is refused, never taken.
        for (const auto& entry : result)
        {
            bool asked = false;
            for (const ParameterId& each : requested)
            {
                asked = asked || each == entry.first;
            }
            FUZZ_CHECK(asked);
        }
        break;
    }
    case set:
        aProtocol.setValue(id, value, settleTime);
        break;
    default:
        aProtocol.setAndGetValue(id, value, settleTime);
        break;
    }
}
