#pragma once

// The values of the control parameters that the interlock rules compare against.
namespace ClockSourceCode
{
constexpr int internal44kHz = 4;
constexpr int internal32kHz = 5;
} // namespace ClockSourceCode

// Data rates by index, as DataRateDefinition names them.
namespace DataRateCode
{
constexpr int rate384 = 14;
constexpr int rate448 = 15;
constexpr int rate640 = 18;
} // namespace DataRateCode
