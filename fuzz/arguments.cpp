// The command line, run in the process: the input is the arguments, NUL-separated, then
// what comes on the standard input. Nothing may be written anywhere, so the target works in
// /sys, where no file can be made, and file names lose their slashes.
#include "FuzzSupport.h"
#include "app/CommandLine.h"

#include <QGuiApplication>

#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The commands that draw text or look for the templates use the application there is.
    static int argc = 3;
    static char name[] = "oria", platform[] = "-platform", offscreen[] = "offscreen";
    static char* argv[] = {name, platform, offscreen, nullptr};
    static QGuiApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (chdir("/sys") != 0) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace oria;
    QList<QByteArray> parts = oria::fuzz::Bytes(data, size).split('\0');
    std::istringstream in(parts.takeLast().toStdString());
    std::vector<std::string> args;
    for (QByteArray& part : parts) {
        args.push_back(part.replace('/', '_').toStdString());
    }
    std::ostringstream out, err;
    StdRandomSource random(1);
    const int status = RunCommandLine(args, in, out, err, random);
    ORIA_FUZZ_CHECK(status == 0 || status == 2);
    if (status != 0) {
        ORIA_FUZZ_CHECK(out.str().empty() && !err.str().empty());
    }
    OpensInTheWindows(args);
    return 0;
}
