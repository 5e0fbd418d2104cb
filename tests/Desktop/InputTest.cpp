#include "tests/Desktop/InputTest.h"

#include "tests/Desktop/DesktopSession.h"

#include <string>
#include <vector>

namespace
{
const bool theWindowManager = DesktopSession::requestWindowManager();
}

namespace Platform
{
void InputTest::SetUp()
{
    if (DesktopSession::backend() == nullptr)
    {
        GTEST_SKIP() << "no desktop: " << DesktopSession::problem();
    }
    DesktopSession::takeToolkitComplaints();
}

void InputTest::TearDown()
{
    EXPECT_EQ(std::vector<std::string>(), DesktopSession::takeToolkitComplaints()) << "the toolkit complained";
}

WxBackend& InputTest::backend()
{
    return *DesktopSession::backend();
}
}
