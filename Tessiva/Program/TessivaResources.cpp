#include "Tessiva/Program/TessivaResources.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/StandardResources.h"
#include "Platform/Window/Accelerator.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Menu.h"
#include "Platform/Window/ToolBarResource.h"
#include "Tessiva/CTessivaDoc.h"
#include "Tessiva/OpenDeviceDialog.h"

namespace
{
using Platform::CommandIds;
using Platform::Colour;
using Platform::Rectangle;
using Platform::WindowKind;
using Platform::WindowStyle;
using R = TessivaResources;

const int staticId = -1;

WindowStyle popup()
{
    WindowStyle style;
    style.child = false;
    return style;
}

// F1 Help Topics, Shift+F1 context help, F6 and Shift+F6 the next and
// previous pane, and the edit keys in both their forms.
std::vector<Platform::Accelerator> accelerators()
{
    using Platform::Accelerator;
    const unsigned ctrl = Accelerator::control;
    const unsigned shift = Accelerator::shift;
    return {{Accelerator::f1, 0, CommandIds::helpTopics},
            {Accelerator::f1, shift, CommandIds::contextHelp},
            {Accelerator::f1 + 5, 0, CommandIds::nextPane},
            {Accelerator::f1 + 5, shift, CommandIds::previousPane},
            {'C', ctrl, CommandIds::editCopy},
            {Accelerator::insert, ctrl, CommandIds::editCopy},
            {'V', ctrl, CommandIds::editPaste},
            {Accelerator::insert, shift, CommandIds::editPaste},
            {'X', ctrl, CommandIds::editCut},
            {Accelerator::deleteKey, shift, CommandIds::editCut},
            {'Z', ctrl, CommandIds::editUndo},
            {Accelerator::backspace, Accelerator::alt, CommandIds::editUndo}};
}

Platform::Menu mainMenu()
{
    Platform::Menu menu;
    Platform::Menu& file = menu.addPopup("&File");
    file.addCommand(R::closeDeviceCommand, "&Close Device")
        .addCommand(R::newDeviceCommand, "&New Device...")
        .addSeparator()
        .addCommand(R::openConfigurationCommand, "&Open Configuration File...")
        .addCommand(R::saveConfigurationCommand, "&Save Configuration File...");
    file.addPopup("Export").addCommand(R::exportTextCommand, "&Text...").addCommand(R::exportHtmlCommand, "&HTML...");
    file.addSeparator().addCommand(CommandIds::appExit, "E&xit");
    menu.addPopup("&View")
        .addCommand(CommandIds::viewToolBar, "&Toolbar")
        .addCommand(CommandIds::viewStatusBar, "&Status Bar");
    menu.addPopup("&Help")
        .addCommand(CommandIds::helpTopics, "Help Topics...")
        .addCommand(CommandIds::appAbout, "&About Tessiva...");
    return menu;
}

// The buttons' pictures side by side: a new device (a unit with a star), a
// closed device (a unit with a cross), a folder, a disk, a question mark.
Platform::Bitmap toolBarPictures(const Platform::ToolBarResource& aToolBar)
{
    const int w = aToolBar.buttonWidth;
    Platform::Bitmap pictures(w * 5, aToolBar.buttonHeight, Colour(192, 192, 192));
    const Colour unit(64, 64, 64);
    pictures.fill(Rectangle(1, 5, 15, 13), unit);
    pictures.fill(Rectangle(10, 1, 14, 5), Colour(255, 224, 0));
    pictures.fill(Rectangle(w + 1, 5, w + 15, 13), unit);
    pictures.fill(Rectangle(w + 6, 6, w + 10, 12), Colour(200, 0, 0));
    pictures.fill(Rectangle(2 * w + 1, 4, 2 * w + 14, 13), Colour(224, 192, 64));
    pictures.fill(Rectangle(3 * w + 2, 2, 3 * w + 14, 14), Colour(0, 0, 128));
    pictures.fill(Rectangle(3 * w + 4, 2, 3 * w + 12, 6), Colour(255, 255, 255));
    pictures.fill(Rectangle(4 * w + 5, 2, 4 * w + 11, 4), Colour(0, 0, 192));
    pictures.fill(Rectangle(4 * w + 9, 4, 4 * w + 11, 7), Colour(0, 0, 192));
    pictures.fill(Rectangle(4 * w + 7, 7, 4 * w + 9, 10), Colour(0, 0, 192));
    pictures.fill(Rectangle(4 * w + 7, 11, 4 * w + 9, 13), Colour(0, 0, 192));
    return pictures;
}

// The program's icon: a unit's front panel, dark blue, with a row of green
// level bars rising to a red peak and a knob.
Platform::Bitmap programIcon()
{
    const int size = 32;
    Platform::Bitmap icon(size, size, Colour(0, 0, 96));
    icon.fill(Rectangle(0, 0, size, 2), Colour(96, 128, 224));
    icon.fill(Rectangle(0, size - 2, size, size), Colour(0, 0, 48));
    const int heights[] = {6, 10, 14, 18, 22};
    for (int bar = 0; bar < 5; ++bar)
    {
        const int left = 3 + bar * 4;
        const int top = 27 - heights[bar];
        icon.fill(Rectangle(left, top, left + 3, 27), Colour(0, 200, 64));
        if (bar == 4)
        {
            icon.fill(Rectangle(left, top, left + 3, top + 4), Colour(224, 32, 32));
        }
    }
    icon.fill(Rectangle(25, 10, 30, 15), Colour(224, 224, 224));
    icon.fill(Rectangle(27, 11, 28, 13), Colour(0, 0, 48));
    icon.fill(Rectangle(25, 20, 30, 25), Colour(255, 200, 0));
    return icon;
}

// The splash picture: a dark blue field with a band of level bars.
Platform::Bitmap splashImage()
{
    const Rectangle size = Platform::DialogTemplate::toPixels(0, 0, 320, 222);
    Platform::Bitmap picture(size.width(), size.height(), Colour(0, 0, 96));
    for (int bar = 0; bar < 12; ++bar)
    {
        const int left = 40 + bar * (size.width() - 80) / 12;
        const int top = size.height() / 2 - (bar % 6 + 1) * 12;
        picture.fill(Rectangle(left, top, left + 14, size.height() / 2 + 20), Colour(0, 160 + bar * 6, 64));
    }
    return picture;
}

Platform::DialogTemplate formTemplate()
{
    Platform::DialogTemplate form(R::formView, "", 520, 335);
    form.add(WindowKind::TabControl, R::deviceTabControl, "", 3, 7, 513, 319);
    return form;
}

Platform::DialogTemplate openingTemplate()
{
    Platform::DialogTemplate box(R::openingDeviceBox, "Tessiva", 140, 40, popup());
    box.add(WindowKind::Static, R::openingText, "Opening the device...", 20, 15, 100, 10);
    return box;
}

Platform::DialogTemplate aboutTemplate()
{
    WindowStyle okButton;
    okButton.group = true;
    okButton.defaultButton = true;
    WindowStyle picture;
    picture.image = true;
    Platform::DialogTemplate about(R::aboutDialog, "About Tessiva", 235, 110, popup());
    about.addImage(WindowKind::Static, R::aboutIcon, R::programIcon, 10, 10, 22, 21, picture)
        .add(WindowKind::Static, staticId, "Tessiva", 40, 10, 119, 8)
        .add(WindowKind::Static, R::aboutVersion, "", 40, 22, 119, 8)
        .add(WindowKind::Button, Platform::DialogResult::ok, "OK", 178, 7, 50, 14, okButton)
        .add(WindowKind::Static, staticId, "Remote control for the KQ310, KQ330 and KQ350 audio encoders.", 10, 45,
             215, 8)
        .add(WindowKind::Static, staticId, "All product names are trademarks of their owners.", 10, 60, 215, 8)
        .add(WindowKind::Static, staticId, "This program is protected by copyright law.", 10, 75, 215, 8);
    return about;
}

Platform::DialogTemplate splashTemplate()
{
    WindowStyle bare = popup();
    bare.caption = false;
    Platform::DialogTemplate splash(R::splashDialog, "", 320, 222, bare);
    WindowStyle picture;
    picture.image = true;
    splash.addImage(WindowKind::Static, R::splashPicture, R::splashBitmap, 0, 0, 320, 222, picture);
    return splash;
}
}

void TessivaResources::addResources(Platform::Resources& aResources)
{
    Platform::StringTable& strings = aResources.strings();
    strings.add(mainFrame, "Tessiva\n\nTessiv\n\n\nTessiva.Document\nTessiv Document");
    strings.add(CommandIds::applicationTitle, "Tessiva");
    strings.add(socketsFailedString, "Windows sockets initialization failed.");
    strings.add(versionString, "2.00");
    strings.add(closeDeviceCommand, "Close the current device\nClose Device");
    strings.add(newDeviceCommand, "Select a new device to control\nNew Device");
    strings.add(openConfigurationCommand, "Read a configuration from a file\nOpen File");
    strings.add(saveConfigurationCommand, "Save the current device settings in a file\nSave");
    strings.add(exportTextCommand, "Save the current configuration as a text file.\nSave As Text");
    strings.add(exportHtmlCommand, "Save the current configuration as an HTML file.\nSave As HTML");
    strings.add(CommandIds::appAbout, "Display program information, version number and copyright\nAbout");
    strings.add(CommandIds::appExit, "Quit the application\nExit");
    strings.add(CommandIds::helpTopics, "List Help topics\nHelp Topics");
    Platform::StandardResources::addTo(aResources);

    aResources.addMenu(mainFrame, mainMenu());
    Platform::ToolBarResource toolBar;
    toolBar.bitmap = mainFrame;
    toolBar.commands = {newDeviceCommand, closeDeviceCommand, 0, openConfigurationCommand, saveConfigurationCommand,
                        0, CommandIds::helpTopics};
    aResources.addBitmap(mainFrame, toolBarPictures(toolBar));
    aResources.addToolBar(mainFrame, toolBar);
    aResources.addAccelerators(mainFrame, accelerators());
    aResources.addBitmap(splashBitmap, splashImage());
    aResources.addBitmap(programIcon, ::programIcon());

    aResources.addDialog(formTemplate());
    aResources.addDialog(openingTemplate());
    aResources.addDialog(aboutTemplate());
    aResources.addDialog(splashTemplate());
    CTessivaDoc::addResources(aResources);
    OpenDeviceDialog::addResources(aResources);
}

Platform::Resources TessivaResources::create()
{
    Platform::Resources resources;
    addResources(resources);
    return resources;
}
