// The program's start (Main) and the program-wide values it sets up: today's date and the view
// in use. Main refuses a second copy, installs the fault handler, shows the splash window while
// the settings and the windows load, shows the window the start-up view asks for, and offers
// the update reminder.
#pragma once

#include <cstdint>

#include "DateValue.h"

class QTreeView;

namespace nv {

class frmMain;
class frmCompact;

// Today's date at start-up, renewed at each day roll-over: the day of the prayer schedule and
// the anchor of the calendar views.
extern DateValue StartDate;
// The window in use: 0 the main window, 1 the compact window, 2 the tray icon only.
extern int32_t ViewMode;

// True when another Noorvale of this user is running. The first call takes a per-user lock
// that lasts until the process ends; a crashed copy leaves no lock behind.
bool IsAlreadyRunning();

// An update install cut short (its journal still in the program folder's Backup/) is finished
// or undone by the update utility, started for that alone and waited for, before anything is
// loaded from the program folder.
void RecoverInterruptedUpdate();

// The program's windows once Main has loaded them (null before, and in a refused second copy).
frmMain* MainWindow();
// The compact window is made the first time it is asked for.
frmCompact* CompactWindow();

// Everything Main does before the event loop: false when the program must end at once (a second
// copy, the windows could not be made, or SIGTERM came while they loaded). The update reminder
// waits for the event loop.
bool LoadProgram();

// The program: returns the process's exit code. Runs the event loop until the main window is
// unloaded (Exit, the update start, SIGTERM).
int Main();
// Unloads and deletes the windows LoadProgram made.
void UnloadProgram();

// Fits each visible column of a report list to its contents and header; the last one to its
// contents only. The hidden first column keeps width 0.
void AutoSizeColumns(QTreeView& list);

}  // namespace nv
