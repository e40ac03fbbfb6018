// The Disclaimer page: the warranty disclaimer, a paragraph that asks nothing of the page.
#pragma once

#include "pages/page.h"
#include "platform/widgets/control_set.h"

#include <QLabel>

namespace vexmoor {

class DisclaimerPage final : public Page
{
public:
    using Page::Page;

    void Make(platform::ControlSet& controls) override
    {
        controls.Take(QStringLiteral("lblVxmDsc"), lblVxmDsc);
        lblVxmDsc->setWordWrap(true);
    }
    void Load() override { }
    void Show() override { }

private:
    QLabel* lblVxmDsc = nullptr;
};

} // namespace vexmoor
