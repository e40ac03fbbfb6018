// Showing and hiding page containers.
#include "platform/widgets/container.h"

#include "platform/widgets/twips.h"

#include <QVariant>
#include <QWidget>
#include <cmath>

namespace vexmoor::platform {

namespace {
constexpr const char* kLeftTwipsProperty = "leftTwips";
}

void ShowContainer(QWidget* container, int leftTwips)
{
    container->setProperty(kLeftTwipsProperty, leftTwips);
    container->move(TwipsToPixels(leftTwips), container->y());
    container->setEnabled(true);
    container->setVisible(true);
}

void HideContainer(QWidget* container)
{
    container->setProperty(kLeftTwipsProperty, kHiddenLeftTwips);
    container->move(TwipsToPixels(kHiddenLeftTwips), container->y());
    container->setEnabled(false);
    container->setVisible(false);
}

void ShowOnly(const ControlArray<QWidget>& containers, int selected, int leftTwips)
{
    for (const auto& [index, container] : containers) {
        if (index == selected)
            ShowContainer(container, leftTwips);
        else
            HideContainer(container);
    }
}

int ContainerLeftTwips(const QWidget* container)
{
    // The exact twips last set; -20000 twips is not a whole number of pixels.
    const QVariant left = container->property(kLeftTwipsProperty);
    return left.isValid() ? left.toInt()
                          : static_cast<int>(std::lround(container->x() * TwipsPerPixel()));
}

} // namespace vexmoor::platform
