#pragma once

#include "Platform/Window/Resources.h"

// Tessiva's own resources: the document template's string, the menu, tool
// bar and its pictures, the form of the view, the Opening box, the About box,
// the splash screen and the strings of the shell. The document's and the
// Open Device dialog's resources join them; panels add theirs through the
// panel factory.
class TessivaResources
{
public:
    // The main frame's menu, tool bar and the document template's string.
    static constexpr unsigned mainFrame = 128;
    static constexpr unsigned socketsFailedString = 104;
    static constexpr unsigned versionString = 21300;

    static constexpr unsigned aboutDialog = 100;
    static constexpr unsigned formView = 124;
    static constexpr unsigned openingDeviceBox = 150;
    static constexpr unsigned splashDialog = 154;
    static constexpr unsigned splashBitmap = 158;
    // The program's icon: on its window and in its About box.
    static constexpr unsigned programIcon = 130;

    // The program's commands.
    static constexpr unsigned closeDeviceCommand = 32774;
    static constexpr unsigned newDeviceCommand = 32775;
    static constexpr unsigned openConfigurationCommand = 32777;
    static constexpr unsigned saveConfigurationCommand = 32778;
    static constexpr unsigned exportTextCommand = 32779;
    static constexpr unsigned exportHtmlCommand = 32780;

    // Controls.
    static constexpr int deviceTabControl = 1048;
    static constexpr int aboutVersion = 1088;
    static constexpr int splashPicture = 1087;
    static constexpr int openingText = 1089;
    static constexpr int aboutIcon = 1090;

    // The shell's resources, the document's and the Open Device dialog's.
    static Platform::Resources create();
    static void addResources(Platform::Resources& aResources);
};
