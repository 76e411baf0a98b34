#include "BaseKit/MenuBar/MenuBar.h"

#include "BaseKit/MenuBar/StatusBar.h"

namespace BaseKit {

namespace {

// The status item's layout values: set and read by the views, on the main thread.
double marginValue = 2.0;
double spacingValue = 3.0;

} // namespace

double MenuBar::margin()
{
    return marginValue;
}

void MenuBar::setMargin(double margin)
{
    marginValue = margin;
}

double MenuBar::spacing()
{
    return spacingValue;
}

void MenuBar::setSpacing(double spacing)
{
    spacingValue = spacing;
}

double MenuBar::height()
{
    return StatusBar::system().thickness();
}

} // namespace BaseKit
