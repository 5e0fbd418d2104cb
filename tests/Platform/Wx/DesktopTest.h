#pragma once

#include "Platform/Wx/WxBackend.h"
#include "tests/Platform/Wx/DesktopUser.h"

#include <gtest/gtest.h>

#include <string>

namespace Platform
{
// The desktop for tests of the real programs driven by real input: a virtual
// display of the test's own with a window manager (windows get the focus as
// on a desktop), the drawing backend on it with the running program's
// resources, and stderr caught so that each test fails on the toolkit's
// warnings and criticals. One per test program: the toolkit starts once per
// process.
class DesktopTest : public testing::Test
{
protected:
    // Skips the test (with the reason) when there is no desktop.
    void SetUp() override;
    // Fails on what the toolkit complained of during the test.
    void TearDown() override;

    static WxBackend& backend();

    DesktopUser user;
};
}
