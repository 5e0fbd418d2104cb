#pragma once

#include "Platform/LineSettings.h"

#include "Platform/Window/Resources.h"

// Pellora's resources: the document template's string, the menu, tool bar
// and its pictures, the form of the view, the About box and the strings.
class PelloraResources
{
public:
    // The main frame's menu, tool bar and the document template's string.
    static constexpr unsigned mainFrame = 128;
    static constexpr unsigned versionString = 129;
    static constexpr unsigned aboutDialog = 100;
    static constexpr unsigned formView = 101;
    // The program's icon: on its window and in its About box.
    static constexpr unsigned programIcon = 130;

    // Commands of the Download menu.
    static constexpr unsigned startCommand = 32778;
    static constexpr unsigned stopCommand = 32777;

    // Controls of the view.
    static constexpr int progressBar = 1000;
    static constexpr int messages = 1001;
    static constexpr int firstPort = 1003;  // "COM1" .. "COM4": 1003 .. 1006
    static constexpr int firstBaudRate = 1007; // one per offered rate, slowest first: 1007 ..
    static constexpr int currentFile = 1012;
    static constexpr int addressEdit = 1018;
    static constexpr int addressSpin = 1019;
    static constexpr int portCount = 4;
    static constexpr int baudRateCount = static_cast<int>(Platform::RateList::download().size());

    // The About box's version text.
    static constexpr int aboutVersion = 1020;
    static constexpr int aboutIcon = 1021;

    static Platform::Resources create();
};
