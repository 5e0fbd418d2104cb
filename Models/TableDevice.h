#pragma once

#include "Models/Device.h"

class ParameterTable;

// A device whose operations all end in its model's parameter table: each one
// passes its arguments on as received and adds nothing. The on-line and
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
};
