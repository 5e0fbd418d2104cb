#pragma once

#include "Models/Device.h"
#include "Toolkit/Parameter/ParameterValue.h"

#include <memory>

class ParameterTable;

// A device whose operations all end in its model's parameter table: each one
// passes its arguments on as received and adds nothing, but for restoring a
// configuration, which is first tried on an off-line twin of the device, so
// that a file the device would refuse changes nothing on it. The on-line and
// off-line devices of every model derive from it and own the table.
class TableDevice : public Device
{
public:
    void copyControlValue(const ParameterId& aTarget, const ParameterId& aSource) override;
    void copyStatusValue(const ParameterId& aTarget, const ParameterId& aSource) override;
    void attachControlObserver(const ParameterId& anId, Observer* anObserver) override;
    void attachStatusObserver(const ParameterId& anId, Observer* anObserver) override;
    void pollNext() override;
    void refresh() override;
    void restoreConfiguration(std::istream& aStream) override;
    void saveConfiguration(std::ostream& aStream) override;
    void writeTextReport(std::ostream& aStream, const std::string& aTitle) override;
    void writeHtmlReport(std::ostream& aStream, const std::string& aTitle) override;

    virtual ParameterTable& parameterTable() = 0;
    // An off-line device of the same model whose unit holds aValues over the
    // model's off-line defaults before its table reads them.
    virtual std::unique_ptr<TableDevice> makeTwin(const ParameterValueMap& aValues) const = 0;

private:
    // The twin of this device as it stands: its unit's values, and the
    // values the program keeps for itself.
    std::unique_ptr<TableDevice> twin();
};
