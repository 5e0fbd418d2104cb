#include "ExampleTemplate.h"

namespace Testing
{
using Platform::DialogTemplate;
using Platform::WindowKind;
using Platform::WindowStyle;

DialogTemplate exampleTemplate()
{
    WindowStyle popup;
    popup.child = false;
    WindowStyle groupStart;
    groupStart.group = true;
    WindowStyle spin;
    spin.autoBuddy = true;
    WindowStyle defaultButton;
    defaultButton.defaultButton = true;

    DialogTemplate example(exampleTemplateId, "Open Device", 180, 120, popup);
    example.add(WindowKind::ComboBox, deviceType, "", 10, 10, 80, 60)
        .add(WindowKind::Static, -1, "Address", 10, 30, 40, 8)
        .add(WindowKind::Edit, address, "", 50, 30, 40, 12)
        .add(WindowKind::UpDown, addressSpin, "", 90, 30, 10, 12, spin)
        .add(WindowKind::CheckBox, offLine, "Off Line", 10, 50, 50, 10)
        .add(WindowKind::RadioButton, firstPort, "COM1", 10, 62, 40, 10, groupStart)
        .add(WindowKind::RadioButton, secondPort, "COM2", 50, 62, 40, 10)
        .add(WindowKind::RadioButton, firstRate, "9600   baud", 10, 74, 40, 10, groupStart)
        .add(WindowKind::RadioButton, secondRate, "14400 baud", 50, 74, 40, 10)
        .add(WindowKind::TabControl, pages, "", 100, 10, 70, 40)
        .add(WindowKind::ProgressBar, progress, "", 100, 55, 70, 8)
        .addImage(WindowKind::Static, picture, 158, 100, 66, 16, 16)
        .add(WindowKind::Button, okButton, "OK", 70, 100, 50, 14, defaultButton)
        .add(WindowKind::Button, cancelButton, "Cancel", 124, 100, 50, 14);
    return example;
}
}
