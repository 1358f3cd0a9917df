// A second start of Noorvale by the same user brings the running copy forward: the running copy
// listens on a per-user local socket beside its instance lock, and the new copy asks it to show
// its main window, then ends. Only when nobody answers does the new copy say that the program is
// already running.
#pragma once

#include <QString>
#include <functional>

class QObject;

namespace nv {

// The socket's path: the instance lock's folder + "/Noorvale-<uid>.socket".
QString SecondLaunchSocket();

// The new copy: asks the running one to show itself; true when it answered within `timeoutMs`.
bool AskRunningCopyToShow(int timeoutMs = 3000);

// The running copy, from its first moments: from now on each request runs `show` and is answered. False when the socket
// cannot be made (the program runs on; a second start then gets the box).
bool ListenForSecondLaunch(QObject* parent, std::function<void()> show);

}  // namespace nv
