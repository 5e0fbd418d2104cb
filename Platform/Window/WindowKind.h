#pragma once

namespace Platform
{
// What a window is. Each kind has the state and operations its users rely on
// (see Window).
enum class WindowKind
{
    Frame,       // a main window: menu, tool bar, status bar and one view
    Dialog,      // a dialog, or a dialog-like child: form view, panel, page
    Button,      // push button
    CheckBox,
    RadioButton,
    ComboBox,
    Edit,        // single-line edit field
    UpDown,      // the arrow pair that steps a value
    ListBox,
    Static,      // a label, or a picture when it shows an image
    GroupBox,
    TabControl,
    ProgressBar,
    ToolBar,
    StatusBar
};

// A lower-case name for messages: "check box", "combo box", ...
const char* kindName(WindowKind aKind);
}
