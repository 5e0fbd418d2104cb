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
        {"ParameterId::appendTo", [] { ParameterId('B', 1).appendTo(NULL); }, "aString != NULL"},
        {"ParameterId::appendAround", [] { ParameterId('B', 1).appendAround(NULL, 0x2C); }, "aString != NULL"},
        {"ParameterId::appendIndexTo", [] { ParameterId('B', 1).appendIndexTo(NULL); }, "aString != NULL"},
        {"ParameterValue::appendTo", [] { ParameterValue(1).appendTo(NULL); }, "aString != NULL"},
        {"ParameterId::save",
         [] {
             std::ostringstream stream;
             ParameterId('B', 1).save(stream, NULL);
         },
         "aChecksum != NULL"},
        {"ParameterId::restore",
         [] {
             std::istringstream stream("B1");
             ParameterId id;
             id.restore(stream, NULL);
         },
         "aChecksum != NULL"},
        {"ParameterValue::save",
         [] {
             std::ostringstream stream;
             ParameterValue(1).save(stream, NULL);
         },
         "aChecksum != NULL"},
        {"ParameterValue::restore",
         [] {
             std::istringstream stream(std::string("\x00\x00\x00\x00", 4));
             ParameterValue value;
             value.restore(stream, NULL);
         },
         "aChecksum != NULL"},
        {"ParameterValue::restoreBytes",
         [] {
             std::istringstream stream("ab");
             ParameterValue value;
             value.restoreBytes(stream, 2, NULL);
         },
         "aChecksum != NULL"},
        {"ParameterObserver", [] { ParameterObserver observer(NULL); }, "aSubject != NULL"},
        {"Protocol", [] { Protocol protocol(NULL); }, "anImplementation != NULL"},
        {"CountRestorableParams", [] { CountRestorableParams count(NULL); }, "aCount != NULL"},
        {"SaveIdAndValue",
         [] {
             std::ostringstream stream;
             SaveIdAndValue save(stream, NULL);
         },
         "aChecksum != NULL"},
    };
    for (const NullArgumentCase& c : cases)
    {
        EXPECT_DEATH(c.run(), c.condition) << c.call;
    }
}
}
