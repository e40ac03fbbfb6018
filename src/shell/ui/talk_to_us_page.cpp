// The Talk to Us page.
#include "shell/ui/talk_to_us_page.h"

#include "platform/widgets/control_set.h"
#include "shell/ui/pictures.h"

#include <QLabel>

namespace vexmoor {

void TalkToUsPage::Make(platform::ControlSet& controls)
{
    controls.Take(QStringLiteral("imgQnfSut"), imgQnfSut);
    controls.Take(QStringLiteral("lblQnbWeb"), lblQnbWeb);
}

void TalkToUsPage::Show()
{
    if (imgQnfSut->pixmap().isNull())
        imgQnfSut->setPixmap(TalkToUsPicture(imgQnfSut->size(), imgQnfSut->devicePixelRatioF()));
}

} // namespace vexmoor
