#include "Platform/Window/FileDialogRequest.h"

#include <cctype>

namespace Platform
{
std::vector<FileDialogRequest::Filter> FileDialogRequest::filters() const
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= filter.size())
    {
        const std::string::size_type bar = filter.find('|', start);
        if (bar == std::string::npos)
        {
            parts.push_back(filter.substr(start));
            break;
        }
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<Filter> result;
    for (std::size_t index = 0; index + 1 < parts.size(); index += 2)
    {
        if (parts[index].empty())
        {
            break;
        }
        if (!parts[index + 1].empty())
        {
            result.push_back(Filter{parts[index], parts[index + 1]});
        }
    }
    return result;
}

std::string FileDialogRequest::title() const
{
    return kind == FileDialogKind::Save ? "Save As" : "Open";
}

std::string FileDialogRequest::anyCase(const std::string& aPatterns)
{
    std::string result;
    bool inSet = false;
    for (const char character : aPatterns)
    {
        const unsigned char code = static_cast<unsigned char>(character);
        // A set the pattern already has stays as it is.
        if (character == '[')
        {
            inSet = true;
        }
        else if (character == ']')
        {
            inSet = false;
        }
        if (!inSet && std::isalpha(code))
        {
            result += '[';
            result += static_cast<char>(std::tolower(code));
            result += static_cast<char>(std::toupper(code));
            result += ']';
        }
        else
        {
            result += character;
        }
    }
    return result;
}

std::string FileDialogRequest::completedPath(const std::string& aChosen) const
{
    if (aChosen.empty() || defaultExtension.empty())
    {
        return aChosen;
    }
    const std::string::size_type slash = aChosen.find_last_of('/');
    const std::string name = slash == std::string::npos ? aChosen : aChosen.substr(slash + 1);
    // A leading dot starts a hidden file's name, not an extension.
    const std::string::size_type dot = name.find_last_of('.');
    if (name.empty() || (dot != std::string::npos && dot != 0))
    {
        return aChosen;
    }
    return aChosen + "." + defaultExtension;
}
}
