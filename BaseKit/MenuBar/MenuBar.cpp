#include "BaseKit/MenuBar/MenuBar.h"

#include "BaseKit/MenuBar/StatusBar.h"

#include <atomic>

namespace BaseKit {

namespace {

std::atomic<double> marginValue{2.0};
std::atomic<double> spacingValue{3.0};

} // namespace

double MenuBar::margin()
{
    return marginValue.load();
}

void MenuBar::setMargin(double margin)
{
    marginValue.store(margin);
}

double MenuBar::spacing()
{
    return spacingValue.load();
}

void MenuBar::setSpacing(double spacing)
{
    spacingValue.store(spacing);
}

double MenuBar::height()
{
    return StatusBar::system().thickness();
}

} // namespace BaseKit
