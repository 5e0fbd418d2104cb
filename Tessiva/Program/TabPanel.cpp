#include "Tessiva/Program/TabPanel.h"

TabPanel::~TabPanel()
{
}
