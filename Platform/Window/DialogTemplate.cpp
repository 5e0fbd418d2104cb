#include "Platform/Window/DialogTemplate.h"

#include "Platform/Window/Backend.h"

#include <cmath>

namespace Platform
{
namespace
{
// Scales a dialog-unit coordinate to pixels, rounding half away from zero.
int scale(int aValue, int aNumerator, int aDenominator)
{
    return static_cast<int>(std::lround(static_cast<double>(aValue) * aNumerator / aDenominator));
}
}

DialogTemplate::DialogTemplate(unsigned anId, const std::string& aCaption, int aWidth, int aHeight,
                               const WindowStyle& aStyle)
    : myId(anId), myCaption(aCaption), myWidth(aWidth), myHeight(aHeight), myStyle(aStyle)
{
}

DialogTemplate& DialogTemplate::add(WindowKind aKind, int anId, const std::string& aText, int anX, int aY, int aWidth,
                                    int aHeight, const WindowStyle& aStyle)
{
    myControls.push_back(Control{aKind, anId, aText, Rectangle(anX, aY, anX + aWidth, aY + aHeight), aStyle, 0});
    return *this;
}

DialogTemplate& DialogTemplate::addImage(WindowKind aKind, int anId, unsigned aBitmapId, int anX, int aY, int aWidth,
                                         int aHeight, const WindowStyle& aStyle)
{
    WindowStyle style = aStyle;
    style.image = true;
    myControls.push_back(
        Control{aKind, anId, std::string(), Rectangle(anX, aY, anX + aWidth, aY + aHeight), style, aBitmapId});
    return *this;
}

const DialogTemplate::Control* DialogTemplate::findControl(int anId) const
{
    for (const Control& control : myControls)
    {
        if (control.id == anId)
        {
            return &control;
        }
    }
    return nullptr;
}

Rectangle DialogTemplate::toPixels(int anX, int aY, int aWidth, int aHeight)
{
    const FontMetrics font = Backend::isInstalled() ? Backend::current().dialogFont() : FontMetrics();
    // Edges are scaled, not sizes, so that controls that meet in dialog units meet in pixels.
    return Rectangle(scale(anX, font.averageWidth, 4), scale(aY, font.height, 8),
                     scale(anX + aWidth, font.averageWidth, 4), scale(aY + aHeight, font.height, 8));
}

std::unique_ptr<Window> DialogTemplate::build() const
{
    auto dialog =
        std::make_unique<Window>(WindowKind::Dialog, 0, myCaption, myStyle, toPixels(0, 0, myWidth, myHeight));
    dialog->setTemplateId(myId);
    Window* previous = nullptr;
    for (const Control& control : myControls)
    {
        Window& window = dialog->createChild(control.kind, control.id, control.text, control.style,
                                             toPixels(control.bounds.left, control.bounds.top,
                                                      control.bounds.width(), control.bounds.height()));
        if (control.image != 0)
        {
            window.setImage(control.image);
        }
        if (control.kind == WindowKind::UpDown && control.style.autoBuddy && previous != nullptr)
        {
            window.setBuddy(previous);
        }
        previous = &window;
    }
    return dialog;
}

std::unique_ptr<Window> DialogTemplate::create() const
{
    return build();
}

Window& DialogTemplate::createIn(Window& aParent) const
{
    return aParent.addChild(build());
}
}
