// The program's memory and the system.
#pragma once

namespace vexmoor::platform {

// Gives the memory the program has freed back to the system once the program has been idle for
// a moment. The GNU C library keeps freed blocks for later requests: after a large temporary
// (megabytes of text made and dropped) the program's resident memory would stay that much above
// what it holds. Given back at once, the memory would have to be taken again by the next such
// step, which a user repeating it at once would feel; after a pause nobody does.
void ReturnFreedMemorySoon();

} // namespace vexmoor::platform
