#include "app/CommandLine.h"
#include "app/Startup.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc > 1) {
        // Headless: no display is needed, so no QApplication is created.
        const std::vector<std::string> args(argv + 1, argv + argc);
        oria::StdRandomSource random;
        std::ios::sync_with_stdio(false); // colours may come by the hundred thousand
        return oria::RunCommandLine(args, std::cin, std::cout, std::cerr, random);
    }
    return oria::RunDesktop(argc, argv);
}
