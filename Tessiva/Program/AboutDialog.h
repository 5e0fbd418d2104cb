#pragma once

// The About box (template 100, "About Tessiva") with the version string.
class AboutDialog
{
public:
    // Runs the box modally until the user closes it; returns its result
    // (-1 when the resources lack its template).
    static int doModal();
};
