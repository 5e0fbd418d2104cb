#include "Platform/Wx/WxView.h"

// Top-level windows the user moves or sizes: their place goes into the model.

#include "Platform/Wx/WxViewParts.h"

#include "Platform/Framework/MainFrame.h"
#include "Platform/Wx/WxBackend.h"

#include <wx/toplevel.h>

#include <map>

namespace Platform
{
using namespace WxViewParts;

void WxView::onPlaced(const Window::Watch& aWatch)
{
    Window* window = aWatch.get();
    wxWindow* widget = window != nullptr ? widgetOf(*window) : nullptr;
    if (myPlacing || widget == nullptr || !widget->IsShown())
    {
        return;
    }
    const wxPoint place = widget->GetPosition();
    const wxSize client = widget->GetClientSize();
    const Rectangle now(place.x, place.y, place.x + client.x, place.y + client.y);
    if (now == window->rectangle() || client.x <= 0 || client.y <= 0)
    {
        return;
    }
    Dispatch dispatch(*this);
    myDirty = true;
    const wxTopLevelWindow* top = dynamic_cast<const wxTopLevelWindow*>(widget);
    myBackend.guard([window, top, &now]() {
        if (MainFrame* frame = mainFrameOf(*window))
        {
            // Its tool bar, view and status bar are laid out again for the new size.
            const bool maximised = top != nullptr && top->IsMaximized();
            if (maximised || frame->placement().showCommand == WindowPlacement::showMaximized)
            {
                frame->maximiseByUser(maximised, now);
            }
            else
            {
                frame->resizeByUser(now);
            }
        }
        else if (now.width() == window->rectangle().width() && now.height() == window->rectangle().height())
        {
            // A dialog keeps its template's size; only its place is the user's.
            window->move(now);
        }
    });
    // What the model took is what the widget has: nothing to apply again.
    const auto place2 = myPeers.find(window);
    if (place2 != myPeers.end() && window->rectangle() == now)
    {
        place2->second->rectangle = now;
    }
}
}
