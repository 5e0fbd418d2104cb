// Configuration files (*.vnb) from anywhere, restored into an off-line device
// of each model so that its rules run on the restored values, then saved again
// and reported. A file that is refused is refused with the one message the
// user is shown.

#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ModelChoice.h"

#include "Models/Device.h"
#include "Toolkit/Parameter/VornaException.h"

#include <memory>
#include <sstream>
#include <string>

namespace
{
const std::string refused = "This is not a valid configuration file for this device";

void saveAndReport(Device& aDevice)
{
    std::ostringstream saved(std::ios::binary);
    aDevice.saveConfiguration(saved);
    std::ostringstream text;
    aDevice.writeTextReport(text, "fuzz");
    std::ostringstream html;
    aDevice.writeHtmlReport(html, "fuzz");
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize)
{
    FuzzInput input(aData, aSize);
    const ModelChoice model = modelChoice(input.byte());
    const std::string file = input.rest();

    std::unique_ptr<Device> device = makeOfflineDevice(model);
    try
    {
        std::istringstream stream(file, std::ios::binary);
        device->restoreConfiguration(stream);
    }
    catch (const VornaException& anError)
    {
        FUZZ_CHECK(anError.what() == refused);
    }
    saveAndReport(*device);

    // What the device saved is a configuration of its own model: another
    // device of that model takes it.
    std::ostringstream saved(std::ios::binary);
    device->saveConfiguration(saved);
    std::unique_ptr<Device> again = makeOfflineDevice(model);
    std::istringstream stream(saved.str(), std::ios::binary);
    again->restoreConfiguration(stream);
    return 0;
}
