// A second start of Noorvale by the same user brings the running copy forward: the running copy
// listens on a per-user local socket beside its instance lock, and the new copy asks it to show
// its main window, then ends. Only when nobody answers does the new copy say that the program is
// already running.
//
// The request is one line: "SHOW", or "SHOW <token>" with the desktop's activation token that the
// new copy was started with (XDG_ACTIVATION_TOKEN; a Wayland compositor lets a window take the
// focus only with one). A running copy of an earlier version, which knows only "SHOW", closes
// the connection on the longer line; it is then asked again with the short one.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QObject;

namespace nv {

// The socket's path: the instance lock's folder + "/Noorvale-<uid>.socket".
QString SecondLaunchSocket();

// The new copy: asks the running one to show itself, handing on its activation token if it has
// one; true when it answered within `timeoutMs`.
bool AskRunningCopyToShow(int timeoutMs = 3000);

// The running copy, from its first moments: from now on each request runs `show` with the
// request's activation token (empty when it had none) and is answered. False when the socket
// cannot be made (the program runs on; a second start then gets the box).
bool ListenForSecondLaunch(QObject* parent, std::function<void(const QByteArray& activationToken)> show);

}  // namespace nv
