#pragma once

#include "Platform/Window/DialogTemplate.h"

namespace Testing
{
// A small dialog with one control of most kinds, as the programs' templates
// list them.
//
//   1052 combo box "Device Type"      1049 edit, 1041 up-down (its buddy)
//   1053 check box "Off Line"         1003, 1004 radio buttons (one group)
//   1005, 1006 radio buttons (a second group)
//   1048 tab control                  1000 progress bar
//   1087 picture of bitmap 158        -1 label "Address"
//   1 "OK" (default), 2 "Cancel"
enum ExampleId
{
    deviceType = 1052,
    address = 1049,
    addressSpin = 1041,
    offLine = 1053,
    firstPort = 1003,
    secondPort = 1004,
    firstRate = 1005,
    secondRate = 1006,
    pages = 1048,
    progress = 1000,
    picture = 1087,
    okButton = 1,
    cancelButton = 2
};

const unsigned exampleTemplateId = 135;

Platform::DialogTemplate exampleTemplate();
}
