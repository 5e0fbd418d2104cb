#pragma once

// What a protocol implementation calls, over and over, while it waits.
class IdleCallback
{
public:
    virtual ~IdleCallback() = default;
    virtual void onIdle() = 0;
};
