#pragma once

// StringTextConverter is the other name of the plain text converter.
#include "Toolkit/Parameter/PlainTextConverter.h"
