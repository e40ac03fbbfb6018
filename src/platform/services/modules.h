// Where the program's own modules are: libraries it loads on first need (QLibrary), so that
// what they link costs nothing at start.
#pragma once

#include <QString>

namespace vexmoor::platform {

// The module where an installation put it (`installed`, relative to the prefix, found from the
// program's folder whatever prefix it was installed under), else where the build made it
// (`built`). The installed one comes first, so that an installed program never loads code from
// the folder it happened to be built in.
QString ModulePath(const QString& installed, const QString& built);

} // namespace vexmoor::platform
