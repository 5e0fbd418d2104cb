#include "Pellora/Program/PelloraResources.h"

#include "Platform/Framework/CommandIds.h"
#include "Platform/Framework/StandardResources.h"
#include "Platform/Window/Bitmap.h"
#include "Platform/Window/DialogResult.h"
#include "Platform/Window/DialogTemplate.h"
#include "Platform/Window/Menu.h"
#include "Platform/Window/ToolBarResource.h"

namespace
{
using Platform::CommandIds;
using Platform::WindowKind;
using Platform::WindowStyle;

const int staticId = -1;
// The rate labels line up as five-digit numbers, one row apart.
const std::size_t theRateDigits = 5;
const int theRadioStep = 13;

WindowStyle groupStart()
{
    WindowStyle style;
    style.group = true;
    return style;
}

Platform::Menu mainMenu()
{
    Platform::Menu menu;
    menu.addPopup("&File")
        .addCommand(CommandIds::fileOpen, "&Select a Pellora script")
        .addSeparator()
        .addCommand(CommandIds::recentFileFirst, "Recent File")
        .addSeparator()
        .addCommand(CommandIds::appExit, "E&xit");
    menu.addPopup("&Download")
        .addCommand(PelloraResources::startCommand, "St&art")
        .addCommand(PelloraResources::stopCommand, "St&op");
    menu.addPopup("&View")
        .addCommand(CommandIds::viewToolBar, "&Toolbar")
        .addCommand(CommandIds::viewStatusBar, "&Status Bar");
    menu.addPopup("&Help").addCommand(CommandIds::appAbout, "&About Pellora...");
    return menu;
}

// Pictures of the tool-bar buttons, side by side: a folder, a green arrow, a
// red square, a blue question mark.
Platform::Bitmap toolBarPictures(const Platform::ToolBarResource& aToolBar)
{
    const int width = aToolBar.buttonWidth;
    const int height = aToolBar.buttonHeight;
    Platform::Bitmap pictures(width * 4, height, Platform::Colour(192, 192, 192));
    pictures.fill(Platform::Rectangle(1, 4, 14, 13), Platform::Colour(224, 192, 64));
    pictures.fill(Platform::Rectangle(1, 2, 7, 4), Platform::Colour(224, 192, 64));
    for (int row = 0; row < 11; ++row)
    {
        const int length = row < 6 ? row + 1 : 11 - row;
        pictures.fill(Platform::Rectangle(width + 4, 2 + row, width + 4 + length, 3 + row), Platform::Colour(0, 160, 0));
    }
    pictures.fill(Platform::Rectangle(2 * width + 3, 3, 2 * width + 13, 13), Platform::Colour(200, 0, 0));
    pictures.fill(Platform::Rectangle(3 * width + 5, 2, 3 * width + 11, 4), Platform::Colour(0, 0, 192));
    pictures.fill(Platform::Rectangle(3 * width + 9, 4, 3 * width + 11, 7), Platform::Colour(0, 0, 192));
    pictures.fill(Platform::Rectangle(3 * width + 7, 7, 3 * width + 9, 10), Platform::Colour(0, 0, 192));
    pictures.fill(Platform::Rectangle(3 * width + 7, 11, 3 * width + 9, 13), Platform::Colour(0, 0, 192));
    return pictures;
}

// The program's icon: a green circuit board with a chip, and a blue arrow
// coming down into it.
Platform::Bitmap programIcon()
{
    const int size = 32;
    Platform::Bitmap icon(size, size, Platform::Colour(0, 112, 48));
    icon.fill(Platform::Rectangle(0, 0, size, 1), Platform::Colour(0, 160, 80));
    icon.fill(Platform::Rectangle(0, size - 1, size, size), Platform::Colour(0, 64, 24));
    icon.fill(Platform::Rectangle(8, 16, 24, 28), Platform::Colour(32, 32, 32));
    for (int pin = 0; pin < 4; ++pin)
    {
        icon.fill(Platform::Rectangle(9 + pin * 4, 28, 11 + pin * 4, 31), Platform::Colour(224, 192, 64));
        icon.fill(Platform::Rectangle(9 + pin * 4, 13, 11 + pin * 4, 16), Platform::Colour(224, 192, 64));
    }
    const Platform::Colour arrow(64, 128, 255);
    icon.fill(Platform::Rectangle(14, 1, 18, 8), arrow);
    icon.fill(Platform::Rectangle(10, 8, 22, 9), arrow);
    icon.fill(Platform::Rectangle(11, 9, 21, 10), arrow);
    icon.fill(Platform::Rectangle(12, 10, 20, 11), arrow);
    icon.fill(Platform::Rectangle(13, 11, 19, 12), arrow);
    return icon;
}

Platform::DialogTemplate formTemplate()
{
    WindowStyle sunken;
    sunken.sunken = true;
    WindowStyle buddy;
    buddy.autoBuddy = true;
    buddy.arrowKeys = true;
    buddy.tabStop = false;

    Platform::DialogTemplate form(PelloraResources::formView, "", 250, 170);
    form.add(WindowKind::GroupBox, staticId, "Comm Port", 7, 7, 70, 68)
        .add(WindowKind::RadioButton, 1003, "COM1", 15, 19, 50, 10, groupStart())
        .add(WindowKind::RadioButton, 1004, "COM2", 15, 32, 50, 10)
        .add(WindowKind::RadioButton, 1005, "COM3", 15, 45, 50, 10)
        .add(WindowKind::RadioButton, 1006, "COM4", 15, 58, 50, 10)
        .add(WindowKind::GroupBox, staticId, "Baud Rate", 85, 7, 70, 68);
    const Platform::RateList rates = Platform::RateList::download();
    for (int index = 0; index < PelloraResources::baudRateCount; ++index)
    {
        form.add(WindowKind::RadioButton, PelloraResources::firstBaudRate + index,
                 Platform::rateLabel(rates.at(index)->baudRate, theRateDigits), 93, 19 + theRadioStep * index, 55, 10,
                 index == 0 ? groupStart() : WindowStyle());
    }
    form.add(WindowKind::GroupBox, staticId, "Device Address", 163, 7, 80, 35)
        .add(WindowKind::Edit, 1018, "", 171, 20, 50, 13, groupStart())
        .add(WindowKind::UpDown, 1019, "", 221, 20, 10, 13, buddy)
        .add(WindowKind::GroupBox, 1012, "Current File", 7, 80, 236, 35)
        .add(WindowKind::ProgressBar, 1000, "", 15, 94, 220, 12)
        .add(WindowKind::GroupBox, staticId, "Messages", 7, 120, 236, 43)
        .add(WindowKind::Static, 1001, "", 15, 132, 220, 24, sunken);
    return form;
}

Platform::DialogTemplate aboutTemplate()
{
    WindowStyle popup;
    popup.child = false;
    WindowStyle okButton = groupStart();
    okButton.defaultButton = true;

    WindowStyle picture;
    picture.image = true;
    Platform::DialogTemplate about(PelloraResources::aboutDialog, "About Pellora", 217, 55, popup);
    about.addImage(WindowKind::Static, PelloraResources::aboutIcon, PelloraResources::programIcon, 10, 10, 22, 21,
                   picture)
        .add(WindowKind::Static, staticId, "Pellora Version", 40, 10, 80, 8)
        .add(WindowKind::Static, PelloraResources::aboutVersion, "", 122, 10, 40, 8)
        .add(WindowKind::Static, staticId, "Firmware download for the encoder units", 40, 25, 150, 8)
        .add(WindowKind::Button, Platform::DialogResult::ok, "OK", 178, 7, 32, 14, okButton);
    return about;
}
}

Platform::Resources PelloraResources::create()
{
    Platform::Resources resources;
    Platform::StringTable& strings = resources.strings();
    strings.add(mainFrame, "Pellora\n\nPellora\nPellora Files (*.prx)\n.prx\nPellora.Document\nPellora Document");
    strings.add(versionString, "2.00");
    strings.add(startCommand, "Start downloading\nStart");
    strings.add(stopCommand, "Stop downloading\nStop");
    strings.add(CommandIds::fileOpen, "Select a Pellora script\nSelect Script");
    strings.add(CommandIds::appAbout, "Display program information, version number and copyright\nAbout");
    strings.add(CommandIds::applicationTitle, "Pellora");
    Platform::StandardResources::addTo(resources);

    resources.addMenu(mainFrame, mainMenu());

    Platform::ToolBarResource toolBar;
    toolBar.bitmap = mainFrame;
    toolBar.commands = {CommandIds::fileOpen, 0, startCommand, stopCommand, 0, CommandIds::appAbout};
    resources.addBitmap(mainFrame, toolBarPictures(toolBar));
    resources.addToolBar(mainFrame, toolBar);

    resources.addBitmap(programIcon, ::programIcon());
    resources.addDialog(formTemplate());
    resources.addDialog(aboutTemplate());
    return resources;
}
