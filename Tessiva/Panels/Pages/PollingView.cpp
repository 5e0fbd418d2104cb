#include "Tessiva/Panels/Pages/PollingView.h"

PollingView::~PollingView()
{
}
