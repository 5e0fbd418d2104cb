#pragma once

#include "Toolkit/Parameter/ParameterId.h"

// The ids of the control parameters that the interlock rules and the panels share.
namespace ParameterIds
{
inline const ParameterId dataRate('B', 1);
inline const ParameterId bitStreamMode('B', 2);
inline const ParameterId audioCodingMode('B', 3);
inline const ParameterId lfeChannel('B', 4);
inline const ParameterId dialogNormalization('B', 5);
inline const ParameterId requestedEncoderState('E', 0);
inline const ParameterId outputMode('H', 6);
inline const ParameterId inputSource('a', 0);
inline const ParameterId clockSource('a', 2);
inline const ParameterId inputFormat('a', 3);
inline const ParameterId multiplexMode('a', 4);
inline const ParameterId codingDelay('a', 5);
inline const ParameterId auxiliaryDataInput('a', 6);
} // namespace ParameterIds
