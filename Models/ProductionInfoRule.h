#pragma once

#include "Models/TableObserver.h"

// Mix level and room type count only while audio production information exists
// (its value alone decides, not its availability).
class ProductionInfoRule final : public TableObserver
{
public:
    ProductionInfoRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;
};
