#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace Platform
{
// The program's texts by id. Lists of items are runs of consecutive ids.
class StringTable
{
public:
    // The same text again is accepted; a different text for a taken id is
    // refused (false, the table keeps its text) and reported on standard error.
    bool add(unsigned anId, const std::string& aText);
    // aTexts under aFirstId, aFirstId + 1, ...; false when any text was refused.
    bool addRun(unsigned aFirstId, const std::vector<std::string>& aTexts);
    bool contains(unsigned anId) const;
    // Empty when the table has no text of that id.
    [[nodiscard]] std::optional<std::string> find(unsigned anId) const;
    std::size_t size() const { return myTexts.size(); }

private:
    std::map<unsigned, std::string> myTexts;
};
}
