// noorvale-times: prints the prayer calendar rows the main window shows, for the stored place
// and method (or another store file) with any of them replaced from the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nv {

// Runs the command with its arguments (without the program name). Returns the exit code:
// 0 done, 2 a bad argument (one line on `err` naming it).
int runTimesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace nv
