#include <iostream>

#include "DateLocale.h"
#include "TimesCommand.h"

// noorvale-times speaks English to scripts in every session: it installs no catalogue (every
// marked text comes back as written) and writes English month and weekday names, in the
// session's date layouts.
int main(int argc, char** argv) {
    nv::setDateLocale(nv::englishNamesDateLocale());
    std::vector<std::string> args(argv + 1, argv + argc);
    return nv::runTimesCommand(args, std::cout, std::cerr);
}
