#include "tests/fuzz/OnlineDevice.h"

#include "Models/Kq310OfflineDevice.h"
#include "Models/Kq310ParameterTable.h"
#include "Models/OnlineProtocolStack.h"
#include "Models/Unit/Kq330OfflineDevice.h"
#include "Models/Unit/Kq330ParameterTable.h"
#include "Models/Unit/Kq350OfflineDevice.h"
#include "Models/Unit/Kq350ParameterTable.h"

namespace
{
std::unique_ptr<ParameterTable> makeTable(ModelChoice aModel, AbstractProtocol* aProtocol)
{
    switch (aModel)
    {
    case ModelChoice::kq310:
        return std::make_unique<Kq310ParameterTable>(aProtocol);
    case ModelChoice::kq330:
        return std::make_unique<Kq330ParameterTable>(aProtocol);
    default:
        return std::make_unique<Kq350ParameterTable>(aProtocol);
    }
}
}

OnlineDevice::OnlineDevice(ModelChoice aModel, SerialDeviceImplementation* aLine)
    : myModel(aModel),
      myStack(std::make_unique<OnlineProtocolStack>(
          aLine, address, aModel == ModelChoice::kq310 ? OnlineProtocolStack::kq310Line : OnlineProtocolStack::unitLine)),
      myTable(makeTable(aModel, myStack->outermost()))
{
}

OnlineDevice::~OnlineDevice()
{
    // The table first, while the stack below it still exists.
    myTable.reset();
    myStack.reset();
}

std::unique_ptr<TableDevice> OnlineDevice::makeTwin(const ParameterValueMap& aValues) const
{
    switch (myModel)
    {
    case ModelChoice::kq310:
        return std::make_unique<Kq310OfflineDevice>(aValues);
    case ModelChoice::kq330:
        return std::make_unique<Kq330OfflineDevice>(aValues);
    default:
        return std::make_unique<Kq350OfflineDevice>(aValues);
    }
}
