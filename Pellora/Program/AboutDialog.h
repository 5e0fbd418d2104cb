#pragma once

// The About box (dialog 100) with the program's version.
class AboutDialog
{
public:
    // Runs the box modally until the user closes it.
    static void run();
};
