#include "Platform/WaitCursor.h"

namespace Platform
{
namespace
{
struct CursorState
{
    unsigned myDepth = 0;
    WaitCursor::Hook myHook;
};

CursorState& state()
{
    static CursorState theState;
    return theState;
}
}

WaitCursor::WaitCursor()
{
    begin();
}

WaitCursor::~WaitCursor()
{
    end();
}

void WaitCursor::begin()
{
    CursorState& cursor = state();
    ++cursor.myDepth;
    if (cursor.myDepth == 1 && cursor.myHook)
    {
        cursor.myHook(true);
    }
}

void WaitCursor::end()
{
    CursorState& cursor = state();
    if (cursor.myDepth == 0)
    {
        return;
    }
    --cursor.myDepth;
    if (cursor.myDepth == 0 && cursor.myHook)
    {
        cursor.myHook(false);
    }
}

unsigned WaitCursor::depth()
{
    return state().myDepth;
}

void WaitCursor::setHook(const Hook& aHook)
{
    state().myHook = aHook;
}
}
