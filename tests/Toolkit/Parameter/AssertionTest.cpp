#include "Toolkit/Parameter/CountRestorableParams.h"
#include "Toolkit/Parameter/Parameter.h"
#include "Toolkit/Parameter/ParameterId.h"
#include "Toolkit/Parameter/ParameterObserver.h"
#include "Toolkit/Parameter/ParameterValue.h"
#include "Toolkit/Parameter/Protocol.h"
#include "Toolkit/Parameter/SaveIdAndValue.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

namespace
{
struct NullArgumentCase
{
    const char* call;
    std::function<void()> run;
    const char* condition;
};

// A null pointer argument is a programming error: the check names the argument
// and the program ends.
TEST(NullArgumentDeathTest, EveryCheckNamesItsArgument)
{
    const std::vector<NullArgumentCase> cases = {
        {"ParameterId::appendTo", [] { ParameterId('B', 1).appendTo(nullptr); }, "aString != NULL"},
        {"ParameterId::appendAround", [] { ParameterId('B', 1).appendAround(nullptr, 0x2C); }, "aString != NULL"},
        {"ParameterId::appendIndexTo", [] { ParameterId('B', 1).appendIndexTo(nullptr); }, "aString != NULL"},
        {"ParameterValue::appendTo", [] { ParameterValue(1).appendTo(nullptr); }, "aString != NULL"},
        {"ParameterId::save",
         [] {
             std::ostringstream stream;
             ParameterId('B', 1).save(stream, nullptr);
         },
         "aChecksum != NULL"},
        {"ParameterId::restore",
         [] {
             std::istringstream stream("B1");
             ParameterId id;
             id.restore(stream, nullptr);
         },
         "aChecksum != NULL"},
        {"ParameterValue::save",
         [] {
             std::ostringstream stream;
             ParameterValue(1).save(stream, nullptr);
         },
         "aChecksum != NULL"},
        {"ParameterValue::restore",
         [] {
             std::istringstream stream(std::string("\x00\x00\x00\x00", 4));
             ParameterValue value;
             value.restore(stream, nullptr);
         },
         "aChecksum != NULL"},
        {"ParameterValue::restoreBytes",
         [] {
             std::istringstream stream("ab");
             ParameterValue value;
             value.restoreBytes(stream, 2, nullptr);
         },
         "aChecksum != NULL"},
        {"ParameterObserver", [] { ParameterObserver observer(nullptr); }, "aSubject != NULL"},
        {"Protocol", [] { Protocol protocol(nullptr); }, "anImplementation != NULL"},
        {"CountRestorableParams", [] { CountRestorableParams count(nullptr); }, "aCount != NULL"},
        {"SaveIdAndValue",
         [] {
             std::ostringstream stream;
             SaveIdAndValue save(stream, nullptr);
         },
         "aChecksum != NULL"},
    };
    for (const NullArgumentCase& c : cases)
    {
        EXPECT_DEATH(c.run(), c.condition) << c.call;
    }
}
}
