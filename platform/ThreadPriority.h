#pragma once

namespace pintu {

// Lowers the calling thread's priority, and that of the threads it starts
// from then on, so that work nobody waits for (tables built for later) leaves
// the processor to the window and to searches a player waits for. It still
// gets whatever they leave.
void runBehindOtherWork();

} // namespace pintu
