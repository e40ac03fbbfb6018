// The Talk to Us page: the maker's picture and the links to its web presence. The window wires
// every link label to its one link handler, the footer link on the window itself among them.
#pragma once

#include "pages/page.h"
#include "platform/widgets/control_array.h"

class QLabel;

namespace vexmoor {

class TalkToUsPage final : public Page
{
public:
    using Page::Page;

    void Make(platform::ControlSet& controls) override;
    void Load() override { }
    // The picture is decoded on the page's first visit, to keep its image plugins out of start-up.
    void Show() override;

private:
    QLabel* imgQnfSut = nullptr;
    platform::ControlArray<QLabel> lblQnbWeb;
};

} // namespace vexmoor
