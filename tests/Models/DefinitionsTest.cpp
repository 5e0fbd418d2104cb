#include "Kq310TableFixture.h"

#include "Models/EmptyDefinition.h"
#include "Toolkit/Parameter/ParameterDefinition.h"

#include <sstream>
#include <string>

class DefinitionsTest : public Kq310TableFixture
{
protected:
    std::string text(const Parameter& aParameter, int aValue)
    {
        std::ostringstream stream;
        const bool good = aParameter.definition()->formatValue(stream, ParameterValue(aValue));
        return good ? stream.str() : "(failed)";
    }
};

TEST_F(DefinitionsTest, RowsFormatTheirValues)
{
    struct Case
    {
        bool control;
        int group;
        int index;
        int value;
        const char* text;
    };
    const Case cases[] = {
        {true, 'B', 5, 0, "Reserved"},
        {true, 'B', 5, 1, "-1 dBFS"},
        {true, 'B', 6, 31, "-31 dBFS"},
        {true, 'B', 5, 32, "32"},
        {true, 'B', 5, 200, "200"},
        {true, 'B', 5, -5, "-5"},
        {true, 'B', 13, 0, "80 dB SPL"},
        {true, 'B', 18, 31, "111 dB SPL"},
        {true, 'B', 1, 2, "48 kbps"},
        {true, 'B', 1, 18, "640 kbps"},
        {true, 'B', 1, 19, "19"},
        {true, 'B', 0, -1, "Auto"},
        {true, 'B', 33, -1, "Auto"},
        {true, 'B', 30, 0, "On"},
        {true, 'B', 27, 0, "Off"},
        {true, 'B', 20, 5, "Indicated As Protected"},
        {true, 'B', 2, 7, "Karaoke (Voice Over)"},
        {true, 'B', 8, 2, "-Infinite dB"},
        {true, 'B', 26, 5, "Preset 5, Speech"},
        {true, 'H', 0, 9, "9"},
        {true, 'H', 5, 5, "Use input number six"},
        {true, 'H', 7, 2, "Included"},
        {true, 'H', 10, 2, "PC format"},
        {true, 'E', 0, 2, "Time Code Control"},
        {true, 'E', 1, 2, "Playback Enabled"},
        {true, 'E', 2, 0x23, "23"},
        {true, 'E', 5, 0x29, "29"},
        {true, 'E', 6, 1535, "1535"},
        {false, 'C', 0, 3, "Unknown/Not Indicated"},
        {false, 'C', 4, -1, "-1"},
        {false, 'I', 1, 4, "4"},
        {false, 'I', 3, 2, "Professional"},
        {false, 'F', 3, 0x23, "23"},
        {false, '@', 7, 1, "Yes"},
    };
    for (const Case& each : cases)
    {
        const Parameter& parameter = each.control ? static_cast<Parameter&>(control(each.group, each.index))
                                                  : status(each.group, each.index);
        EXPECT_EQ(each.text, text(parameter, each.value)) << char(each.group) << ' ' << each.index;
    }
}

TEST_F(DefinitionsTest, TextLessRowsAreLeftOutOrShownById)
{
    EXPECT_EQ("(failed)", text(control('B', 34), -1));
    EXPECT_EQ("(failed)", text(control('O', 0), 0));
    std::ostringstream name;
    EXPECT_FALSE(EmptyDefinition().formatName(name));
    EXPECT_EQ("", name.str());
    EXPECT_EQ(nullptr, status('F', 0).definition());
    EXPECT_EQ(nullptr, status('@', 8).definition());
    std::ostringstream line;
    line << status('F', 2);
    EXPECT_EQ("(46, 2): 0", line.str());
}
