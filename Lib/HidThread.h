#pragma once

#include <functional>

class QThread;

// The one thread on which the process talks to HID devices. A switch that
// answers late or never then costs this thread its exchange's deadline, not
// the window its frames: every open, close, enumeration and exchange runs
// here, in the order it was asked for, and nothing else touches the seam's
// handles. Started on first use; stopped when the application object goes,
// after every device still open has been closed on it.
namespace HidThread {

// The thread, started on first use once the application object exists;
// null before that and after it has stopped.
QThread *thread();
bool isRunning();
// Runs `job` on the HID thread and returns when it has run; from the HID
// thread itself, or once the thread has stopped, runs it in place.
void runAndWait(const std::function<void()> &job);
// Lets every job posted so far finish.
void drain();

} // namespace HidThread
