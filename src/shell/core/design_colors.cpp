// Looking up the design's colours.
#include "shell/core/design_colors.h"

#include <stdexcept>

namespace vexmoor {

const DesignColors& ColorsOf(Painted what)
{
    for (const DesignColors& row : kDesignColors) {
        if (row.what == what && row.what != Painted::PanelAtLoad)
            return row;
    }
    throw std::invalid_argument("no design colours for this");
}

} // namespace vexmoor
