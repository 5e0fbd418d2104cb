#pragma once

namespace Platform
{
class Resources;

// The framework's own strings that every program's resources carry: the idle
// text of the message pane, the key-lock indicators, the untitled document
// and the status prompts of the framework's commands. A program's own text
// under one of these ids is kept.
class StandardResources
{
public:
    static void addTo(Resources& aResources);
};
}
