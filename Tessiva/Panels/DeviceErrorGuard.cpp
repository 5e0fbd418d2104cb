#include "Tessiva/Panels/DeviceErrorGuard.h"

#include "Platform/Assertion.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/DeviceException.h"
#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

void DeviceErrorGuard::run(CTessivaDoc* aDocument, const DeviceKey& aKey, const std::function<void()>& aBody)
{
    VORNA_ASSERT(aDocument != NULL);
    // ProtocolException first: it is a kind of VornaException.
    try
    {
        aBody();
    }
    catch (const ProtocolException& anError)
    {
        aDocument->handleCommunicationsError(DeviceException(anError.what(), aKey));
    }
    catch (const VornaException& anError)
    {
        aDocument->reportErrorAndClose(DeviceException(anError.what(), aKey));
    }
}
