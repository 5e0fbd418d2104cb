#pragma once

// ParameterValueMap is declared beside the value it maps to.
#include "Toolkit/Parameter/ParameterValue.h"
