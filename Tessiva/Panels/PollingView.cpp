#include "Tessiva/Panels/PollingView.h"

PollingView::~PollingView()
{
}
