#pragma once

#include "Models/TableObserver.h"

// Mix level two and room type two count only while the second audio production
// information exists and the coding mode is dual mono (1+1). Unlike the other
// rules it runs on every notification without keeping the cache, and not when
// it is created: until its subject next notifies, the two rows keep what the
// audio coding mode rule gave them.
class ProductionInfoTwoRule : public TableObserver
{
public:
    ProductionInfoTwoRule(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void update(Subject* aSubject) override;
};
