#include "tests/Pellora/SRecordFiles.h"

std::vector<std::string> recordLines(const std::string& aTag, int aCount)
{
    std::vector<std::string> lines;
    for (int i = 0; i < aCount; ++i)
    {
        lines.push_back("S113" + aTag + std::to_string(1000 + i) + "285F245F2212226A000424290008237C");
    }
    lines.push_back("S9030000FC");
    return lines;
}

std::string fileText(const std::vector<std::string>& someLines)
{
    std::string text;
    for (const std::string& line : someLines)
    {
        text += line + "\n";
    }
    return text;
}
