#pragma once
// Waiting for a transfer or a child process the way the window that asked
// expects: no user input reaches it and none of its timers run meanwhile.

class QEventLoop;

namespace BlockingWait {
// Runs the loop until it is quit.
void Run(QEventLoop& loop);
} // namespace BlockingWait
