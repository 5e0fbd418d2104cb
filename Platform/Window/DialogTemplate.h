#pragma once

#include "Platform/Window/Rectangle.h"
#include "Platform/Window/Window.h"
#include "Platform/Window/WindowKind.h"
#include "Platform/Window/WindowStyle.h"

#include <memory>
#include <string>
#include <vector>

namespace Platform
{
// The layout of a dialog, page or panel: its size and caption and its
// controls with ids, kinds, captions, styles and rectangles, all in dialog
// units. A window built from it holds one child per control, in template
// order, which is also the z-order and the Tab order.
//
//     DialogTemplate openDevice(135, "Open Device", 180, 120, popup);
//     openDevice.add(WindowKind::CheckBox, 1053, "Off Line", 10, 80, 50, 10);
//     std::unique_ptr<Window> dialog = openDevice.create();
class DialogTemplate
{
public:
    struct Control
    {
        WindowKind kind;
        int id;
        std::string text;
        Rectangle bounds; // dialog units
        WindowStyle style;
        unsigned image;   // bitmap resource shown by an image control; 0 for none
    };

    DialogTemplate(unsigned anId, const std::string& aCaption, int aWidth, int aHeight,
                   const WindowStyle& aStyle = WindowStyle());

    // A control at (anX, aY) sized aWidth by aHeight. Each returns the
    // template, so that controls can be listed in one statement.
    DialogTemplate& add(WindowKind aKind, int anId, const std::string& aText, int anX, int aY, int aWidth, int aHeight,
                        const WindowStyle& aStyle = WindowStyle());
    // A picture static or image button showing a bitmap resource.
    DialogTemplate& addImage(WindowKind aKind, int anId, unsigned aBitmapId, int anX, int aY, int aWidth, int aHeight,
                             const WindowStyle& aStyle = WindowStyle());

    unsigned id() const { return myId; }
    const std::string& caption() const { return myCaption; }
    int width() const { return myWidth; }
    int height() const { return myHeight; }
    const WindowStyle& style() const { return myStyle; }
    const std::vector<Control>& controls() const { return myControls; }
    // The first control with the id, or nullptr.
    [[nodiscard]] const Control* findControl(int anId) const;

    // A top-level dialog (modal dialogs, modeless boxes), owned by the caller.
    std::unique_ptr<Window> create() const;
    // A child dialog (page, panel, form view) at the top left of aParent, owned by it.
    Window& createIn(Window& aParent) const;

    // Dialog units to pixels: a dialog unit is a quarter of the dialog font's
    // average character width across and an eighth of its height down (the
    // installed backend's dialog font); each edge is scaled on its own.
    static Rectangle toPixels(int anX, int aY, int aWidth, int aHeight);

private:
    std::unique_ptr<Window> build() const;

    unsigned myId;
    std::string myCaption;
    int myWidth;
    int myHeight;
    WindowStyle myStyle;
    std::vector<Control> myControls;
};
}
