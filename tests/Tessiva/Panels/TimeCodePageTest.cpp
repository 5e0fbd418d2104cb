// The Time Code page on off-line devices of both page sets: packed-BCD
// fields typed and stepped, the focus run through a typed time code, Resume,
// and the received time code's displays.
#include "tests/Tessiva/Panels/CommonPageBench.h"

#include "Tessiva/Panels/Pages/TimeCodePage.h"
#include "Toolkit/Controls/Bcd.h"

#include "Toolkit/Parameter/Observer.h"
#include "Toolkit/Parameter/Parameter.h"

#include <memory>
#include <string>
#include <vector>

using Platform::ScriptedUser;

namespace
{
int editOf(int aField)
{
    return TimeCodePage::firstEditId + aField;
}

int spinOf(int aField)
{
    return TimeCodePage::firstSpinId + aField;
}

ParameterId fieldParameter(int aField)
{
    return ParameterId('E', 2 + aField);
}

std::string shown(const Platform::Window& aList)
{
    return aList.itemText(aList.selection());
}
}

TEST(BcdTest, ConvertsBothWaysWithoutCheckingDigits)
{
    const std::pair<int, int> decoded[] = {{0x00, 0}, {0x07, 7}, {0x23, 23}, {0x59, 59}, {0x1F, 25}, {0x123, 23}};
    for (const auto& each : decoded)
    {
        EXPECT_EQ(each.second, Bcd::fromBcd(each.first)) << each.first;
    }
    const std::pair<int, int> encoded[] = {{0, 0x00}, {9, 0x09}, {10, 0x10}, {23, 0x23},
                                           {24, 0x24}, {99, 0x99}, {-1, 0xFF}};
    for (const auto& each : encoded)
    {
        EXPECT_EQ(each.second, Bcd::toBcd(each.first)) << each.first;
    }
}

class TimeCodePageTest : public CommonPageBench, public ::testing::WithParamInterface<int>
{
protected:
    TimeCodePageTest()
    {
        openOffLine(static_cast<Model>(GetParam()));
        myPage = DevicePage::make<TimeCodePage>(&parent(), myKey, &myDocument);
    }

    ~TimeCodePageTest() override { myPage.reset(); }

    Platform::Window& field(int aField) { return myPage->control(editOf(aField)); }

    std::unique_ptr<TimeCodePage> myPage;
};

TEST_P(TimeCodePageTest, TwoTypedDigitsSetTheFieldAndMoveOn)
{
    ASSERT_TRUE(myUser.type(editOf(0), "23"));
    EXPECT_EQ(0x23, value(fieldParameter(0)));
    ASSERT_TRUE(field(1).hasFocus());
    EXPECT_EQ(std::make_pair(0, 2), field(1).textSelection());

    // A whole time code in one run of digits, on into the sample.
    ASSERT_TRUE(myUser.typeKeys("594812"));
    EXPECT_EQ(0x59, value(fieldParameter(1)));
    EXPECT_EQ(0x48, value(fieldParameter(2)));
    EXPECT_EQ(0x12, value(fieldParameter(3)));
    EXPECT_TRUE(field(4).hasFocus());
}

// Writes down each value a field's parameter takes, as "field=value".
class FieldLog : public Observer
{
public:
    FieldLog(int aField, std::vector<std::string>& aLog) : myField(aField), myLog(aLog) {}
    void update(Subject* aSubject) override
    {
        if (Parameter* parameter = dynamic_cast<Parameter*>(aSubject))
        {
            myLog.push_back(std::to_string(myField) + "=" + std::to_string(parameter->value().toShort()));
        }
    }

private:
    int myField;
    std::vector<std::string>& myLog;
};

// Twelve digits typed from an empty start hour fill the whole start time
// code, the four-digit sample included, and the focus ends on the stop hour
// with its text selected.
TEST_P(TimeCodePageTest, AWholeStartTimeCodeTypesAsOneRunOfDigits)
{
    std::vector<std::string> taken;
    std::vector<std::unique_ptr<FieldLog>> logs;
    for (int each = 0; each < TimeCodePage::fieldCount; ++each)
    {
        logs.push_back(std::make_unique<FieldLog>(each, taken));
        control(fieldParameter(each)).attach(logs.back().get());
    }
    taken.clear();
    ASSERT_TRUE(myUser.type(editOf(0), ""));
    ASSERT_TRUE(myUser.typeKeys("010203041234"));
    // A digit that leaves a field's value as it was requests nothing.
    EXPECT_EQ((std::vector<std::string>{"0=1", "1=2", "2=3", "3=4", "4=1", "4=12", "4=123", "4=1234"}), taken);
    EXPECT_EQ("1234", field(4).text());
    EXPECT_EQ(0, value(fieldParameter(5)));
    ASSERT_TRUE(field(5).hasFocus());
    EXPECT_EQ(std::make_pair(0, 2), field(5).textSelection());
    for (int each = 0; each < TimeCodePage::fieldCount; ++each)
    {
        control(fieldParameter(each)).detach(logs[static_cast<std::size_t>(each)].get());
    }
}

TEST_P(TimeCodePageTest, AnOutOfRangeNumberIsDroppedAndTheFieldShowsTheValueAgain)
{
    ASSERT_TRUE(myUser.type(editOf(0), "24"));
    EXPECT_EQ(0x02, value(fieldParameter(0)));
    EXPECT_TRUE(field(1).hasFocus());
    EXPECT_EQ("02", field(0).text());

    ASSERT_TRUE(myUser.type(editOf(3), "30"));
    EXPECT_EQ(0x03, value(fieldParameter(3)));
}

TEST_P(TimeCodePageTest, TheSampleTakesFourDigitsAsAPlainNumber)
{
    ASSERT_TRUE(myUser.type(editOf(4), "1234"));
    EXPECT_EQ(1234, value(fieldParameter(4)));
    EXPECT_TRUE(field(5).hasFocus());
    ASSERT_TRUE(myUser.type(editOf(4), "1536"));
    EXPECT_EQ(153, value(fieldParameter(4)));
    // The last stop field hands the focus to the stop sample display.
    ASSERT_TRUE(myUser.type(editOf(8), "29"));
    EXPECT_EQ(0x29, value(fieldParameter(8)));
    EXPECT_TRUE(myPage->control(TimeCodePage::stopSampleId).hasFocus());
}

TEST_P(TimeCodePageTest, StepsCountInDecimalAndStopAtTheLimits)
{
    struct Case
    {
        int field;
        int start;
        ScriptedUser::Arrow arrow;
        int expected;
    };
    const Case cases[] = {{0, 0x09, ScriptedUser::Arrow::Up, 0x10},   {0, 0x10, ScriptedUser::Arrow::Down, 0x09},
                          {0, 0x23, ScriptedUser::Arrow::Up, 0x23},   {0, 0x00, ScriptedUser::Arrow::Down, 0x00},
                          {3, 0x29, ScriptedUser::Arrow::Up, 0x29},   {6, 0x58, ScriptedUser::Arrow::Up, 0x59},
                          {4, 1535, ScriptedUser::Arrow::Up, 1535},   {4, 0, ScriptedUser::Arrow::Down, 0},
                          {4, 99, ScriptedUser::Arrow::Up, 100}};
    for (const Case& each : cases)
    {
        SCOPED_TRACE(each.field * 10000 + each.start);
        request(fieldParameter(each.field), each.start);
        ASSERT_EQ(each.start, value(fieldParameter(each.field)));
        field(each.field).setFocus();
        ASSERT_TRUE(myUser.spin(spinOf(each.field), each.arrow));
        EXPECT_EQ(each.expected, value(fieldParameter(each.field)));
        // A step never moves the focus on, though it rewrites the field.
        EXPECT_TRUE(field(each.field).hasFocus());
    }
    EXPECT_EQ("0100", field(4).text());
}

TEST_P(TimeCodePageTest, ResumeCopiesTheStopTimeCodeIntoTheStart)
{
    for (int n = 0; n < 4; ++n)
    {
        request(fieldParameter(5 + n), n + 1);
    }
    report(ParameterId('F', 7), 100);
    ASSERT_TRUE(myUser.click(TimeCodePage::resumeId));
    const char* const texts[] = {"01", "02", "03", "04", "0100"};
    for (int n = 0; n < 5; ++n)
    {
        EXPECT_EQ(n < 4 ? n + 1 : 100, value(fieldParameter(n)));
        EXPECT_EQ(texts[n], field(n).text());
    }
}

TEST_P(TimeCodePageTest, TheReceivedTimeCodeIsShownAsTheUnitReportsIt)
{
    Platform::Window& hour = myPage->control(TimeCodePage::currentHourId);
    EXPECT_EQ(24, hour.itemCount());
    report(ParameterId('F', 3), 0x23);
    EXPECT_EQ("23", shown(hour));
    report(ParameterId('F', 3), 0x00);
    EXPECT_EQ("00", shown(hour));
    // The frame list follows the format's frame limit, decoded from BCD.
    Platform::Window& frame = myPage->control(TimeCodePage::currentFrameId);
    report(ParameterId('F', 2), 3);
    report(ParameterId('F', 6), 0x29);
    EXPECT_EQ("29", shown(frame));
    EXPECT_EQ(30, frame.itemCount());
    report(ParameterId('F', 6), 0x07);
    report(ParameterId('F', 2), 1);
    EXPECT_EQ(26, frame.itemCount());
    EXPECT_EQ("07", shown(frame));
    report(ParameterId('F', 7), 100);
    EXPECT_EQ("0100", shown(myPage->control(TimeCodePage::stopSampleId)));

    report(ParameterId('F', 1), 1);
    report(ParameterId('F', 1), 0);
    EXPECT_EQ("Not present", shown(myPage->control(TimeCodePage::inputStatusId)));
    report(ParameterId('F', 2), 5);
    EXPECT_EQ("Unknown", shown(myPage->control(TimeCodePage::formatId)));
    // Display fields take no pick from the user.
    EXPECT_FALSE(myUser.pick(TimeCodePage::formatId, 0));
    EXPECT_EQ("Unknown", shown(myPage->control(TimeCodePage::formatId)));
}

INSTANTIATE_TEST_SUITE_P(Models, TimeCodePageTest, ::testing::Values(0, 2),
                         [](const ::testing::TestParamInfo<int>& anInfo) {
                             return std::string(anInfo.param == 0 ? "Kq310" : "Kq350");
                         });
