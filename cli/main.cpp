#include <iostream>

#include "TimesCommand.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return nv::runTimesCommand(args, std::cout, std::cerr);
}
