#pragma once

#include "Models/TableObserver.h"

// Applies the routing preset (local 'O' 0) to the six input assignments 'H' 0 to
// 'H' 5. Presets 0 to 5 route the inputs as the table below; 6 (custom) leaves
// the assignments alone.
class RoutingPresetObserver final : public TableObserver
{
public:
    static constexpr int presetCount = 6;
    static constexpr int customPreset = 6;
    static constexpr int channelCount = 6;

    RoutingPresetObserver(StatusCollection* aStatusCollection, ControlCollection* aControlCollection);
    void onSubjectUpdated() override;

    // The input (0 to 5) that the preset gives the channel 'H' aChannel.
    static int input(int aPreset, int aChannel);
    // The preset that the six inputs form, in channel order, or customPreset.
    static int presetOf(const int someInputs[channelCount]);
};
