#pragma once

#include "Models/TableObserver.h"
#include "Toolkit/Parameter/ParameterId.h"

// Bounds the current time-code frame by the time-code format: 0 counts frames up
// to 24, 1 up to 25, 2 and 3 up to 29, 4 and 5 up to 30 (packed BCD).
//
// One poll answer brings the format and the frame together, and the format is
// taken first. When the format drops while the frame still holds a number that
// only the old format allows, the frame is the unit's own word and the answer
// is a consistent state of the unit, so the lower bound waits until the frame
// fits it instead of failing the poll. The rule is therefore installed on the
// format and again on the frame; an unknown format is reported by the first.
class TimeCodeFormatRule final : public TableObserver
{
public:
    static constexpr int formatIndex = 2;
    static constexpr int frameIndex = 6;

    // aSubject is the format ('F' 2) or the frame ('F' 6).
    TimeCodeFormatRule(const ParameterId& aSubject, StatusCollection* aStatusCollection,
                       ControlCollection* aControlCollection);
    void onSubjectUpdated() override;

    // The highest frame of a format, or -1 for an unknown format.
    static int frameMaximum(int aFormat);
};
