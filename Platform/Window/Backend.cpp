#include "Platform/Window/Backend.h"

#include "Platform/Assertion.h"
#include "Platform/WaitCursor.h"

namespace Platform
{
namespace
{
// A tab is its label and a margin on either side; a row of them is a line of
// text and a margin above and below.
const int tabMargin = 8;
const int tabRowMargin = 4;

Backend*& theBackend()
{
    static Backend* theInstalled = nullptr;
    return theInstalled;
}
}

Backend::~Backend()
{
    if (theBackend() == this)
    {
        install(nullptr);
    }
}

Backend& Backend::current()
{
    VORNA_ASSERT(theBackend() != NULL);
    return *theBackend();
}

bool Backend::isInstalled()
{
    return theBackend() != nullptr;
}

Backend* Backend::install(Backend* aBackend)
{
    Backend* previous = theBackend();
    theBackend() = aBackend;
    if (aBackend == nullptr)
    {
        WaitCursor::setHook(WaitCursor::Hook());
        return previous;
    }
    WaitCursor::setHook([](bool aShown) {
        if (theBackend() != nullptr)
        {
            theBackend()->showWaitCursor(aShown);
        }
    });
    // A cursor begun before the backend came must show now.
    if (WaitCursor::depth() > 0)
    {
        aBackend->showWaitCursor(true);
    }
    return previous;
}

FontMetrics Backend::dialogFont()
{
    return FontMetrics();
}

FontMetrics Backend::frameFont()
{
    return dialogFont();
}

int Backend::tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth)
{
    return tabRowsHeight(aLabels, aWidth, dialogFont());
}

int Backend::tabRowsHeight(const std::vector<std::string>& aLabels, int aWidth, const FontMetrics& aFont)
{
    const FontMetrics& font = aFont;
    int rows = 1;
    int left = 0;
    for (const std::string& label : aLabels)
    {
        const int width = static_cast<int>(label.size()) * font.averageWidth + 2 * tabMargin;
        if (left > 0 && left + width > aWidth)
        {
            ++rows;
            left = 0;
        }
        left += width;
    }
    return rows * (font.height + 2 * tabRowMargin);
}
}
