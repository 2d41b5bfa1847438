#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QString>

#include <iostream>
#include <string>
#include <vector>

using oria::OpensInTheWindows;

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (OpensInTheWindows(args)) {
        return oria::RunDesktop(argc, argv, QString::fromLocal8Bit(argv[1]));
    }
    if (argc > 1) {
        // Headless: no display is needed, so no QApplication is created.
        oria::StdRandomSource random;
        std::ios::sync_with_stdio(false); // colours may come by the hundred thousand
        return oria::RunCommandLine(args, std::cin, std::cout, std::cerr, random);
    }
    return oria::RunDesktop(argc, argv, {});
}
