// The floor for start-up: an empty Qt Widgets window, measured the way the program's probe
// measures itself (bench/startup.sh runs both). At the first paint of the window it prints
// "premiere-fenetre <ms since process start> <VmRSS kB> <CLOCK_REALTIME ns>" to stderr and
// ends 200 ms later.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

long long nowNs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Milliseconds since the process started (its start time in /proc is in clock ticks since
// boot).
double msSinceStart() {
    char buffer[1024] = {};
    FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f) {
        return -1;
    }
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, f);
    std::fclose(f);
    buffer[n] = '\0';
    const char* p = std::strrchr(buffer, ')');
    if (!p) {
        return -1;
    }
    // Field 22 is the start time; the text after ')' begins with field 3.
    for (int field = 2; field < 22 && p; ++field) {
        p = std::strchr(p + 1, ' ');
    }
    if (!p) {
        return -1;
    }
    const double startMs = std::strtod(p + 1, nullptr) * 1000.0 / sysconf(_SC_CLK_TCK);
    return nowNs(CLOCK_BOOTTIME) / 1e6 - startMs;
}

long rssKb() {
    char line[256];
    long kb = -1;
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) {
        return kb;
    }
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            kb = std::strtol(line + 6, nullptr, 10);
        }
    }
    std::fclose(f);
    return kb;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            std::fprintf(stderr, "premiere-fenetre %.1f %ld %lld\n", msSinceStart(), rssKb(),
                         nowNs(CLOCK_REALTIME));
            QTimer::singleShot(200, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    // The size of the program's first window, its splash.
    window.resize(480, 300);
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return app.exec();
}
