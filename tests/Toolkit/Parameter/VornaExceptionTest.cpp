#include "Toolkit/Parameter/ProtocolException.h"
#include "Toolkit/Parameter/VornaException.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace
{
TEST(VornaException, ProtocolExceptionIsCaughtAsEveryBaseWithTheSameText)
{
    const std::string text("The device did not return all of the requested parameters");
    try
    {
        throw ProtocolException(text);
    }
    catch (const VornaException& e)
    {
        EXPECT_EQ(text, e.what());
    }
    try
    {
        throw ProtocolException(text);
    }
    catch (const std::runtime_error& e)
    {
        EXPECT_EQ(text, e.what());
    }
    bool caughtAsProtocol = false;
    try
    {
        throw ProtocolException(text);
    }
    catch (const ProtocolException&)
    {
        caughtAsProtocol = true;
    }
    catch (const VornaException&)
    {
    }
    EXPECT_TRUE(caughtAsProtocol);
}

TEST(VornaException, PlainKindIsNotAProtocolException)
{
    bool caughtAsProtocol = false;
    try
    {
        throw VornaException("x");
    }
    catch (const ProtocolException&)
    {
        caughtAsProtocol = true;
    }
    catch (const VornaException&)
    {
    }
    EXPECT_FALSE(caughtAsProtocol);
}

TEST(VornaException, EmptyMessageAndCopiesKeepTheText)
{
    const VornaException empty("");
    ASSERT_NE(nullptr, empty.what());
    EXPECT_STREQ("", empty.what());
    const ProtocolException original("Couldn't find parameter (42, 5)\n");
    const ProtocolException copy(original);
    EXPECT_STREQ(original.what(), copy.what());
}
}
