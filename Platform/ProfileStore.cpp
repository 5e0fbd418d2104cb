#include "Platform/ProfileStore.h"

#include "Platform/Assertion.h"
#include "Platform/FileReplacement.h"
#include "Platform/RegularFile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Platform
{
namespace
{
const char* const blanks = " \t";

std::string trim(const std::string& aText)
{
    std::size_t first = aText.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    std::size_t last = aText.find_last_not_of(blanks);
    return aText.substr(first, last - first + 1);
}

bool sameName(const std::string& aLeft, const std::string& aRight)
{
    if (aLeft.size() != aRight.size())
        return false;
    for (std::size_t i = 0; i < aLeft.size(); ++i)
    {
        unsigned char left = static_cast<unsigned char>(aLeft[i]);
        unsigned char right = static_cast<unsigned char>(aRight[i]);
        if (left != right && !(left < 0x80 && right < 0x80 && std::tolower(left) == std::tolower(right)))
            return false;
    }
    return true;
}

enum class Role
{
    Section,
    Entry,
    Value
};

// Escapes what would change a line's meaning: control characters, the
// backslash, blanks at either end (they are trimmed on reading), and in names
// the characters that mark sections, comments and the '='.
std::string escape(const std::string& aText, Role aRole)
{
    std::string result;
    for (std::size_t i = 0; i < aText.size(); ++i)
    {
        unsigned char c = static_cast<unsigned char>(aText[i]);
        bool atEnd = i == 0 || i + 1 == aText.size();
        bool special = c < 0x20 || c == 0x7F || (atEnd && (c == ' ' || c == '\t'));
        if (aRole == Role::Section)
            special = special || c == ']';
        if (aRole == Role::Entry)
            special = special || c == '=' || (i == 0 && (c == '[' || c == ';' || c == '#'));
        if (c == '\\')
            result += "\\\\";
        else if (special)
        {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            result += code;
        }
        else
            result += static_cast<char>(c);
    }
    return result;
}

// A backslash that starts no escape of ours stands for itself, so hand-written paths read as written.
std::string unescape(const std::string& aText)
{
    std::string result;
    for (std::size_t i = 0; i < aText.size(); ++i)
    {
        if (aText[i] == '\\' && i + 1 < aText.size() && aText[i + 1] == '\\')
        {
            result += '\\';
            ++i;
        }
        else if (aText[i] == '\\' && i + 3 < aText.size() && aText[i + 1] == 'x' &&
                 std::isxdigit(static_cast<unsigned char>(aText[i + 2])) &&
                 std::isxdigit(static_cast<unsigned char>(aText[i + 3])))
        {
            result += static_cast<char>(std::strtol(aText.substr(i + 2, 2).c_str(), nullptr, 16));
            i += 3;
        }
        else
            result += aText[i];
    }
    return result;
}

struct Line
{
    enum Kind
    {
        Section,
        Entry,
        Other // blank, comment or malformed: kept, never read
    };
    Kind kind = Other;
    std::string name;
    std::string value;
};

Line parse(const std::string& aText)
{
    Line line;
    std::string text = trim(aText);
    if (text.empty() || text[0] == ';' || text[0] == '#')
        return line;
    if (text[0] == '[')
    {
        if (text.size() >= 2 && text.back() == ']')
        {
            line.kind = Line::Section;
            line.name = unescape(trim(text.substr(1, text.size() - 2)));
        }
        return line;
    }
    std::size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        return line;
    line.kind = Line::Entry;
    line.name = unescape(trim(text.substr(0, equals)));
    line.value = unescape(trim(text.substr(equals + 1)));
    return line;
}

// One line of the file as it stands there: its text, and its line end kept
// apart so that a rewrite gives back the lines it does not change byte for byte.
struct FileLine
{
    std::string text;            // without the line end
    bool carriageReturn = false; // one "\r" before the "\n" (or before the end of the file)
    bool newline = false;        // false only for a last line without "\n"

    std::string bytes() const { return text + (carriageReturn ? "\r" : "") + (newline ? "\n" : ""); }
};

// The file's lines; nullopt when it exists but cannot be read. Only one "\r"
// before a line end belongs to the line end: any other is the line's own, so
// a file whose line ends were converted twice never gains section headers.
std::optional<std::vector<FileLine>> readLines(const std::string& aPath)
{
    std::vector<FileLine> lines;
    errno = 0;
    if (!isRegularFile(aPath))
    {
        // A missing file reads as empty; anything else there is never overwritten.
        if (errno == ENOENT || errno == ENOTDIR)
            return lines;
        if (errno == 0)
            errno = std::filesystem::is_directory(aPath) ? EISDIR : 0;
        return std::nullopt;
    }
    std::ifstream file(aPath, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string text;
    while (std::getline(file, text))
    {
        FileLine line;
        line.newline = !file.eof();
        if (!text.empty() && text.back() == '\r')
        {
            text.pop_back();
            line.carriageReturn = true;
        }
        line.text = text;
        lines.push_back(line);
    }
    if (file.bad())
        return std::nullopt;
    return lines;
}

// 0 when the file was replaced, else why not (an errno value, or -1 for no known reason).
int replaceFile(const std::string& aTarget, const FolderLock& aLock, const std::vector<FileLine>& someLines)
{
    FileReplacement file(aTarget, &aLock);
    if (file.isOpen())
    {
        for (const FileLine& line : someLines)
        {
            file.stream() << line.bytes();
        }
        if (file.commit())
        {
            return 0;
        }
    }
    return file.error() != 0 ? file.error() : -1;
}

// Sets the entry in the lines: in place when the section has it, else at the
// end of the last such section, else in a new section at the end.
void setEntry(std::vector<FileLine>& someLines, const std::string& aSection, const std::string& anEntry,
              const std::string& aValue)
{
    const std::string entryText = escape(anEntry, Role::Entry) + "=" + escape(aValue, Role::Value);

    std::optional<std::size_t> entryAt;
    std::optional<std::size_t> sectionEnd; // the last non-blank line of the last matching section
    bool inSection = false;
    for (std::size_t i = 0; i < someLines.size(); ++i)
    {
        Line line = parse(someLines[i].text);
        if (line.kind == Line::Section)
            inSection = sameName(line.name, aSection);
        if (!inSection)
            continue;
        if (!trim(someLines[i].text).empty())
            sectionEnd = i;
        if (line.kind == Line::Entry && sameName(line.name, anEntry))
            entryAt = i;
    }

    // New lines end as the line before them does, so a file keeps its kind of line end.
    auto newLine = [&someLines](std::size_t anAt, const std::string& aText)
    {
        FileLine line;
        line.text = aText;
        line.newline = true;
        if (anAt > 0)
        {
            line.carriageReturn = someLines[anAt - 1].carriageReturn;
            someLines[anAt - 1].newline = true;
        }
        someLines.insert(someLines.begin() + static_cast<std::ptrdiff_t>(anAt), line);
    };
    if (entryAt)
        someLines[*entryAt].text = entryText;
    else if (sectionEnd)
        newLine(*sectionEnd + 1, entryText);
    else
    {
        if (!someLines.empty() && !trim(someLines.back().text).empty())
            newLine(someLines.size(), std::string());
        newLine(someLines.size(), "[" + escape(aSection, Role::Section) + "]");
        newLine(someLines.size(), entryText);
    }
}

// The value of the entry; the last one counts when a file names it twice.
std::optional<std::string> lookUp(const std::string& aPath, const std::string& aSection, const std::string& anEntry)
{
    std::optional<std::vector<FileLine>> lines = readLines(aPath);
    std::optional<std::string> found;
    if (!lines)
        return found;
    bool inSection = false;
    for (const FileLine& text : *lines)
    {
        Line line = parse(text.text);
        if (line.kind == Line::Section)
            inSection = sameName(line.name, aSection);
        else if (line.kind == Line::Entry && inSection && sameName(line.name, anEntry))
            found = line.value;
    }
    return found;
}

std::string configurationHome()
{
    const char* configured = std::getenv("XDG_CONFIG_HOME");
    // Relative paths are to be ignored there.
    if (configured != nullptr && configured[0] == '/')
        return configured;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config";
    const passwd* user = ::getpwuid(::getuid());
    if (user != nullptr && user->pw_dir != nullptr)
        return std::string(user->pw_dir) + "/.config";
    return ".config";
}
}

ProfileStore::ProfileStore(const std::string& aProgram)
{
    VORNA_ASSERT(!aProgram.empty() && aProgram.find('/') == std::string::npos);
    myPath = configurationHome() + "/Vorna/" + aProgram + ".ini";
}

std::string ProfileStore::getString(const std::string& aSection, const std::string& anEntry,
                                    const std::string& aDefault) const
{
    return lookUp(myPath, aSection, anEntry).value_or(aDefault);
}

int ProfileStore::getInt(const std::string& aSection, const std::string& anEntry, int aDefault) const
{
    std::optional<std::string> text = lookUp(myPath, aSection, anEntry);
    if (!text || text->empty())
        return aDefault;
    std::size_t sign = ((*text)[0] == '-' || (*text)[0] == '+') ? 1 : 0;
    int base = text->compare(sign, 2, "0x") == 0 || text->compare(sign, 2, "0X") == 0 ? 16 : 10;
    const char* begin = text->c_str();
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(begin, &end, base);
    if (errno != 0 || end != begin + text->size() || std::isspace(static_cast<unsigned char>(*begin)) ||
        value < INT_MIN || value > INT_MAX)
        return aDefault;
    return static_cast<int>(value);
}

bool ProfileStore::writeInt(const std::string& aSection, const std::string& anEntry, int aValue)
{
    return writeString(aSection, anEntry, std::to_string(aValue));
}

bool ProfileStore::writeString(const std::string& aSection, const std::string& anEntry, const std::string& aValue)
{
    return writeStrings(aSection, {{anEntry, aValue}});
}

bool ProfileStore::writeStrings(const std::string& aSection, const Entries& someEntries)
{
    Changes changes;
    for (const Entries::value_type& entry : someEntries)
        changes.push_back(Change{aSection, entry.first, entry.second});
    return write(changes);
}

bool ProfileStore::write(const Changes& someChanges)
{
    return update([&someChanges]() { return someChanges; });
}

bool ProfileStore::update(const std::function<Changes()>& aChanges)
{
    // A settings file that is a link stays one: the file it leads to is rewritten.
    const std::string target = followLinks(myPath);
    const std::string folder = std::filesystem::path(target).parent_path().string();
    myError = 0;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return failed(error.value());
    // The folder's lock, not the file's: each write replaces the file.
    const FolderLock lock(folder);
    if (!lock.held())
        return failed(lock.error());
    std::optional<std::vector<FileLine>> read = readLines(target);
    if (!read)
        return failed(errno);
    const Changes changes = aChanges();
    for (const Change& change : changes)
    {
        if (change.entry.empty())
            return failed(EINVAL); // a line "=value" would not read back
    }
    for (const Change& change : changes)
        setEntry(*read, change.section, change.entry, change.value);
    myError = replaceFile(target, lock, *read);
    return myError == 0;
}

bool ProfileStore::failed(int anError)
{
    myError = anError != 0 ? anError : -1;
    return false;
}
}
