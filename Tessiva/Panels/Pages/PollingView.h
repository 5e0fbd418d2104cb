#pragma once

// What a page needs of the view that polls the devices: stopping the poll
// timer while the page runs a modal dialog of its own, and starting it again.
class PollingView
{
public:
    virtual ~PollingView() = default;

    virtual void stopPolling() = 0;
    virtual void startPolling() = 0;

protected:
    PollingView() = default;
};
