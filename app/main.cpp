#include "app/CommandLine.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    oria::StdRandomSource random;
    return oria::RunCommandLine(args, std::cout, std::cerr, random);
}
