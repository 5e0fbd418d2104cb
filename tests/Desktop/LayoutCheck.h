#pragma once

#include <string>
#include <vector>

namespace Platform
{
class Window;
class WxView;
}

// What is wrong with how the desktop shows aRoot and every control visible in
// it, each fault a line that names aName, the control and the rectangles:
// - a visible control without a shown widget;
// - a control not inside its parent's client area (a page or panel not
//   inside its tab control's display area);
// - two visible sibling controls that overlap (a group box and what lies in
//   it aside);
// - a control smaller than its widget needs to show its whole text and frame;
// - a row of tabs wider than its control, or a tab smaller than its label.
std::vector<std::string> layoutFaults(const Platform::WxView& aView, const Platform::Window& aRoot,
                                      const std::string& aName);
