// The program's resident memory with its windows open (bench/memory.sh runs it):
//   oria_memory_probe harmony          the harmony window alone
//   oria_memory_probe all PICTURE      every window as well, PICTURE loaded in Razezev Aru
//   oria_memory_probe picture PATH     writes the 12-megapixel JPEG the script loads
// The windows are made as the program makes them (oria::Desktop) on the real platform; once
// they have painted it prints "memoire <VmRSS> <RssAnon> <RssFile> <RssShmem>" (kB) on stdout.
#include "app/Startup.h"
#include "harmony/Form1.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QImageWriter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

namespace {

// The open dialog answered with the picture, as the user would pick it.
class PictureAnswer : public oria::QtPlatform {
public:
    explicit PictureAnswer(QString picture) : picture_(std::move(picture)) {}
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return picture_;
    }

private:
    QString picture_;
};

// A field of /proc/self/status, in kB; -1 when absent.
long statusKb(const char* field) {
    char line[256];
    long kb = -1;
    const std::size_t length = std::strlen(field);
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) {
        return kb;
    }
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            kb = std::strtol(line + length + 1, nullptr, 10);
        }
    }
    std::fclose(f);
    return kb;
}

// Lets the windows paint and settle.
void settle() {
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
}

// 4000 x 3000 pixels that decode like a photograph: smooth light and colour over the whole
// frame, a finer texture and grain, so that the JPEG is of a photograph's size too.
bool writePicture(const QString& path) {
    constexpr int kWidth = 4000, kHeight = 3000;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::uint32_t grain = 1;
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = double(y) / kHeight;
        for (int x = 0; x < kWidth; ++x) {
            const double u = double(x) / kWidth;
            const double light = 0.5 + 0.25 * std::sin(3.1 * u + 1.7 * v) +
                                 0.1 * std::sin(23 * u * v + 5 * v) +
                                 0.05 * std::sin(140 * u + 9 * std::sin(40 * v));
            const double warm = 0.5 + 0.5 * std::sin(2.3 * u - 4.1 * v + 0.6);
            const double green = 0.5 + 0.5 * std::sin(5.3 * v + 1.1 * u);
            auto channel = [&](double c) {
                grain = grain * 1664525u + 1013904223u;
                const int noise = static_cast<int>(grain >> 27) - 16;
                return std::clamp(static_cast<int>(255 * light * c) + noise, 0, 255);
            };
            const int r = channel(0.6 + 0.5 * warm), g = channel(0.5 + 0.4 * green),
                      b = channel(1.0 - 0.5 * warm);
            row[x] = qRgb(r, g, b);
        }
    }
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    return writer.write(image);
}

int usage() {
    std::fprintf(stderr, "usage: oria_memory_probe harmony | all PICTURE | picture PATH\n");
    return 2;
}

// Every other window through the directory, as the harmony window's buttons open them, and the
// picture loaded in Razezev Aru with its "Charger" button.
bool openEverything(oria::Desktop& desktop) {
    using W = oria::WindowDirectory::Window;
    for (const W window : {W::Pro, W::Contraste, W::Compo, W::Charte}) {
        desktop.windows().show(window, &desktop.form());
    }
    oria::Pro* pro = desktop.windows().pro();
    auto* load = pro ? pro->findChild<QPushButton*>(QStringLiteral("Command1")) : nullptr;
    auto* extract = pro ? pro->findChild<QPushButton*>(QStringLiteral("Command5")) : nullptr;
    if (!load || !extract) {
        return false;
    }
    load->click();
    return extract->isEnabled(); // enabled once a picture is loaded
}

bool everythingOpen(oria::Desktop& desktop) {
    oria::AppWindows& w = desktop.windows();
    const QWidget* windows[] = {w.pro(), w.contraste(), w.compo(), w.charter()};
    return std::all_of(std::begin(windows), std::end(windows),
                       [](const QWidget* window) { return window && window->isVisible(); });
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "picture" && argc == 3) {
        const QCoreApplication app(argc, argv); // for the image plug-ins
        return writePicture(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    const bool all = mode == "all" && argc == 3;
    if (!all && !(mode == "harmony" && argc == 2)) {
        return usage();
    }
    QApplication app(argc, argv);
    PictureAnswer platform(all ? QString::fromLocal8Bit(argv[2]) : QString());
    oria::Desktop desktop(platform, {});
    if (all && !openEverything(desktop)) {
        std::fprintf(stderr, "the picture was not loaded in Razezev Aru\n");
        return 1;
    }
    settle();
    if (all && !everythingOpen(desktop)) {
        std::fprintf(stderr, "a window did not stay open\n");
        return 1;
    }
    std::printf("memoire %ld %ld %ld %ld\n", statusKb("VmRSS"), statusKb("RssAnon"),
                statusKb("RssFile"), statusKb("RssShmem"));
    return 0;
}
