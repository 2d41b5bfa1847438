// Every action a user can take in every window, timed from the event to the end of the
// repaint of what it changed, in normal vision and under deutéranopie.
//   oria_interaction_bench [--list] [benchmark options]
// The windows are the program's own, built as it builds them and all open at once on the
// offscreen platform; the desktop's dialogs answer at once with prepared answers (a file, a
// colour), so what is timed is Oria's work before and after them. Each action is repeated
// kRepetitions times over varying states; each row reports the median and the 99th
// percentile in milliseconds of the longest frame the action makes (a click is a press and a
// release, each with its own repaint). bench/interaction_table.py turns the JSON output into
// the table of bench/README.md; ORIA_BENCH_PAINTS=1 lists what each row paints.
#include "BenchSupport.h"

#include "app/Startup.h"
#include "harmony/Form1.h"
#include "palettepro/PlanePicture.h"
#include "platform/QtPlatform.h"
#include "widgets/ColourPicture.h"
#include "widgets/VisionChoice.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace oria::bench {
namespace {

// The dialogs answer at once; everything else is the desktop program's own platform.
class AnsweringPlatform : public QtPlatform {
public:
    Colour chooseColour(QWidget*, Colour) override {
        static constexpr Colour kAnswers[] = {RGB(200, 40, 40),  RGB(30, 120, 200),
                                              RGB(240, 200, 30), RGB(90, 160, 70),
                                              RGB(120, 60, 150), RGB(20, 20, 20)};
        return kAnswers[colourCalls_++ % std::size(kAnswers)];
    }
    bool askYesNo(QWidget*, const QString&, const QString&, Icon) override { return true; }
    void showMessage(QWidget*, const QString& title, const QString& text, Icon) override {
        lastMessage = title + QStringLiteral(": ") + text;
    }
    // A file of the first type the dialog offers, prepared in the session's folder.
    QString openFileName(QWidget*, const QString&, const QString& filter,
                         const QString&) override {
        return openFiles.value(firstExtension(filter));
    }
    QString saveFileName(QWidget*, const QString&, const QString& filter, const QString&,
                         QString* selectedFilter) override {
        if (selectedFilter) {
            *selectedFilter = filter.section(QStringLiteral(";;"), 0, 0);
        }
        return saveFolder + QStringLiteral("/enregistre.") + firstExtension(filter);
    }
    bool openDocument(const QString&) override { return true; }
    bool openDocumentAt(const QString&, const QString&) override { return true; }

    static QString firstExtension(const QString& filter) {
        static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
        return pattern.match(filter).captured(1).toLower();
    }

    QHash<QString, QString> openFiles; // by extension
    QString saveFolder, lastMessage;

private:
    unsigned colourCalls_ = 0;
};

} // namespace
} // namespace oria::bench

namespace oria::bench {
namespace {


// A window's rows are named as the user knows the window.
struct Place {
    QWidget* window;
    QString name;
};

QString caption(QObject* o) {
    QString text;
    auto* w = qobject_cast<QWidget*>(o);
    if (auto* b = qobject_cast<QAbstractButton*>(o)) {
        text = b->text();
    } else if (auto* a = qobject_cast<QAction*>(o)) {
        text = a->text();
    }
    if (w && text.simplified().isEmpty()) {
        text = w->accessibleName();
    }
    if (auto* frame = w ? qobject_cast<QGroupBox*>(w->parentWidget()) : nullptr;
        text.simplified().isEmpty() && frame) {
        text = frame->title();
    }
    text = text.remove('&').simplified();
    // The composer's boxes of a zone are named by the zone above them.
    if (w && qobject_cast<QCheckBox*>(w) && w->parentWidget()) {
        for (auto* zone : w->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (zone->x() == w->x()) {
                text += QStringLiteral(" (") + zone->text().remove('&') + QStringLiteral(")");
            }
        }
    }
    return text.isEmpty() ? o->objectName() : text;
}

// Whether anything listens to a signal of the widget: only pictures that react are clicked.
struct SignalPeek : QObject {
    using QObject::receivers;
};
bool reacts(const QObject* o, const char* signal) {
    return (o->*(&SignalPeek::receivers))(signal) > 0;
}

// One thing the user does: `act` is timed, from the event to the end of the repaint;
// `prepare` (untimed) puts the window in a state where the action changes something.
struct Action {
    QString row;
    std::function<void(int)> prepare;
    std::function<void(int)> act;
    std::function<void()> finish;
};

// A press and its release come in frames of their own, a tenth of a second apart: each is
// timed from its event to the end of its repaint, and a repetition counts its longest frame.
struct Frames {
    void start() {
        worst = 0;
        begun = std::chrono::steady_clock::now();
        timing = true;
    }
    // The end of one frame and the start of the next.
    void next() {
        if (!timing) {
            return;
        }
        settle();
        const auto now = std::chrono::steady_clock::now();
        worst = std::max(worst, std::chrono::duration<double>(now - begun).count());
        begun = now;
    }
    double stop() {
        next();
        timing = false;
        return worst;
    }
    bool timing = false;
    double worst = 0;
    std::chrono::steady_clock::time_point begun;
};
Frames& frames() {
    static Frames f;
    return f;
}

void sendKey(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    frames().next();
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// A click as the pointer makes it: press and release at the same point.
void click(QWidget* w, QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(w, QEvent::MouseButtonPress, p, button, button);
    frames().next();
    sendMouse(w, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
}

// Where a click lands on a button: a box or a round option is clicked on its indicator.
QPoint clickPoint(QAbstractButton* b) {
    if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) {
        return {6, b->height() / 2};
    }
    return b->rect().center();
}

// Points spread over a widget, one per repetition, never on its one-pixel border.
QPoint spread(const QWidget* w, int rep) {
    const int columns = 13, rows = 11;
    const int x = 2 + (rep % columns) * (w->width() - 4) / columns;
    const int y = 2 + (rep / columns % rows) * (w->height() - 4) / rows;
    return {x, y};
}

// The controls of a window that belong to it (not to a window opened from it), shown.
template <class T> QList<T*> controls(QWidget* window) {
    QList<T*> found;
    for (T* c : window->findChildren<T*>()) {
        if (c->window() == window && c->isVisibleTo(window)) {
            found << c;
        }
    }
    return found;
}

QWidget* child(QWidget* window, const char* name) {
    for (QWidget* w : window->findChildren<QWidget*>(QString::fromLatin1(name))) {
        if (w->window() == window) {
            return w;
        }
    }
    std::fprintf(stderr, "no control %s in %s\n", name, qPrintable(window->objectName()));
    std::abort();
}

void clickButton(QWidget* window, const char* name) {
    auto* b = static_cast<QAbstractButton*>(child(window, name));
    click(b, clickPoint(b));
}

// The rows of one window: every control it shows, except `skipped` (they open or close
// windows, or leave for the browser), each driven the way the user drives it.
void addControls(std::vector<Action>& rows, const Place& at, const QStringList& skipped,
                 const std::function<void(int)>& vary) {
    QWidget* window = at.window;
    auto row = [&](const QString& what, QObject* control) {
        return at.name + QStringLiteral(" · ") + what + QStringLiteral(" « ") + caption(control) +
               QStringLiteral(" »");
    };
    for (QAbstractButton* b : controls<QAbstractButton>(window)) {
        if (skipped.contains(b->objectName()) || b->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        if (auto* option = qobject_cast<QRadioButton*>(b)) {
            // Another option of its group first, so that the click changes the choice.
            rows.push_back({row(QStringLiteral("option"), b),
                            [option, vary](int rep) {
                                vary(rep);
                                if (!option->isChecked()) {
                                    return;
                                }
                                for (auto* other : option->parentWidget()->findChildren<QRadioButton*>(
                                         Qt::FindDirectChildrenOnly)) {
                                    if (other != option && other->isEnabled()) {
                                        click(other, clickPoint(other));
                                        return;
                                    }
                                }
                            },
                            [option](int) { click(option, clickPoint(option)); },
                            {}});
        } else {
            const QString kind = qobject_cast<QCheckBox*>(b) ? QStringLiteral("case")
                                                              : QStringLiteral("bouton");
            rows.push_back({row(kind, b), vary, [b](int) { click(b, clickPoint(b)); }, {}});
        }
    }
    for (QAbstractSlider* s : controls<QAbstractSlider>(window)) {
        if (skipped.contains(s->objectName())) {
            continue;
        }
        // Keyboard steps, back and forth over the whole range.
        auto up = std::make_shared<bool>(true);
        rows.push_back({row(qobject_cast<QScrollBar*>(s) ? QStringLiteral("barre de défilement")
                                                         : QStringLiteral("curseur, un pas"),
                            s),
                        vary,
                        [s, up](int) {
                            if (s->value() >= s->maximum()) {
                                *up = false;
                            } else if (s->value() <= s->minimum()) {
                                *up = true;
                            }
                            sendKey(s, *up ? Qt::Key_Up : Qt::Key_Down);
                        },
                        {}});
    }
    for (QComboBox* c : controls<QComboBox>(window)) {
        auto down = std::make_shared<bool>(true);
        rows.push_back({row(QStringLiteral("liste, choix suivant"), c), vary,
                        [c, down](int) {
                            if (c->currentIndex() >= c->count() - 1) {
                                *down = false;
                            } else if (c->currentIndex() <= 0) {
                                *down = true;
                            }
                            sendKey(c, *down ? Qt::Key_Down : Qt::Key_Up);
                        },
                        {}});
    }
    for (QLineEdit* e : controls<QLineEdit>(window)) {
        // A digit typed and taken back in turn: the field stays a valid number or name.
        rows.push_back({row(QStringLiteral("saisie, une touche"), e), vary,
                        [e](int rep) {
                            e->setCursorPosition(int(e->text().size()));
                            if (rep % 2) {
                                sendKey(e, Qt::Key_Backspace);
                            } else {
                                const QChar digit('1' + rep / 2 % 9);
                                sendKey(e, Qt::Key_1 + rep / 2 % 9, digit);
                            }
                        },
                        {}});
    }
    for (QPlainTextEdit* e : controls<QPlainTextEdit>(window)) {
        rows.push_back({row(QStringLiteral("saisie, une touche"), e), vary,
                        [e](int rep) {
                            QWidget* area = e->viewport();
                            e->moveCursor(QTextCursor::End);
                            if (rep % 2) {
                                sendKey(area, Qt::Key_Backspace);
                            } else {
                                sendKey(area, Qt::Key_A, QStringLiteral("a"));
                            }
                        },
                        {}});
    }
    for (ColourPicture* p : controls<ColourPicture>(window)) {
        if (skipped.contains(p->objectName())) {
            continue;
        }
        if (reacts(p, SIGNAL(mouseMoved(QPoint)))) {
            rows.push_back({row(QStringLiteral("survol"), p), vary,
                            [p](int rep) {
                                sendMouse(p, QEvent::MouseMove, spread(p, rep), Qt::NoButton,
                                          Qt::NoButton);
                            },
                            {}});
        }
        if (reacts(p, SIGNAL(mousePressed(Qt::MouseButton, QPoint)))) {
            rows.push_back({row(QStringLiteral("clic"), p), vary,
                            [p](int rep) { click(p, spread(p, rep)); }, {}});
        }
    }
    // Menu items, as chosen from the menu or with their shortcut; undo after a step, redo
    // after a step undone.
    QAction* undo = nullptr;
    QList<QAction*> items;
    for (QMenu* m : window->findChildren<QMenu*>()) {
        QWidget* owner = m->parentWidget();
        while (qobject_cast<QMenu*>(owner)) {
            owner = owner->parentWidget();
        }
        if (!owner || owner->window() != window) {
            continue;
        }
        for (QAction* a : m->actions()) {
            if (!a->menu() && !a->isSeparator() && !a->text().isEmpty() && !items.contains(a) &&
                !skipped.contains(a->objectName()) &&
                !a->objectName().startsWith(QLatin1String("vision_"))) {
                items << a;
                if (a->objectName() == QLatin1String("annuler")) {
                    undo = a;
                }
            }
        }
    }
    for (QAction* a : items) {
        std::function<void(int)> prepare = vary;
        if (a->objectName() == QLatin1String("retablir") && undo) {
            prepare = [vary, undo](int rep) {
                vary(rep);
                undo->trigger();
            };
        }
        rows.push_back({row(QStringLiteral("menu"), a), prepare, [a](int) { a->trigger(); }, {}});
    }
}

// A file dropped from the desktop onto the window, as the drag carries it.
void dropFile(QWidget* window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    frames().next();
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &dropped);
}


// The program's windows, all open at once, and the files their dialogs and drops bring.
struct Session {
    Session() {
        qputenv("XDG_CONFIG_HOME", QDir(folder.path()).absolutePath().toLocal8Bit());
        // A desktop screen, so that every window shows whole, as on the user's.
        const QString screen = folder.filePath(QStringLiteral("ecran.json"));
        QFile json(screen);
        json.open(QIODevice::WriteOnly);
        json.write(R"({"screens": [{"name": "bureau", "x": 0, "y": 0, "width": 1920,
                       "height": 1080, "logicalDpiX": 96, "logicalDpiY": 96, "dpr": 1}]})");
        json.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.toLocal8Bit());
        application();
        QApplication::setApplicationName(QStringLiteral("oria"));
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
        // The tip of the day opens at start, as it does by default.
        platform.setSetting(QStringLiteral("Show Tips at Startup"), QStringLiteral("1"));
        platform.saveFolder = folder.path();
        desktop = std::make_unique<Desktop>(platform, QString());
        using W = WindowDirectory::Window;
        for (W w : {W::Pro, W::Contraste, W::Compo, W::Charte}) {
            windows().show(w, &form());
        }
        settle();
        prepareFiles();
    }

    // A palette of five colours, a page, a picture of the plane's size and a charter template.
    void prepareFiles() {
        const QString palette = folder.filePath(QStringLiteral("palette.gpl"));
        QFile gpl(palette);
        gpl.open(QIODevice::WriteOnly);
        gpl.write("GIMP Palette\nName: banc\n#\n200 40 40 rouge\n30 120 200 bleu\n"
                  "240 200 30 jaune\n90 160 70 vert\n120 60 150 violet\n");
        gpl.close();
        platform.openFiles.insert(QStringLiteral("gpl"), palette);
        QImage picture(350, 350, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                picture.setPixel(x, y, qRgb(x * 255 / 349, y * 255 / 349, (x + y) % 256));
            }
        }
        for (const char* type : {"png", "bmp", "jpg", "jpeg", "gif"}) {
            const QString path = folder.filePath(QStringLiteral("image.") + QLatin1String(type));
            picture.save(path);
            platform.openFiles.insert(QLatin1String(type), path);
        }
        // The composer saves its page once; opening it is then what is timed.
        QAction* save = nullptr;
        for (QAction* a : windows().compo()->findChildren<QAction*>(QStringLiteral("enregistrer"))) {
            save = a;
        }
        save->trigger();
        settle();
        const QString page = folder.filePath(QStringLiteral("page.ori"));
        QFile::remove(page);
        QFile::copy(folder.filePath(QStringLiteral("enregistre.ori")), page);
        platform.openFiles.insert(QStringLiteral("ori"), page);
        const QDir templates(platform.applicationFolder() + QStringLiteral("/modeles"));
        const QStringList html = templates.entryList({QStringLiteral("*.html")}, QDir::Files);
        platform.openFiles.insert(QStringLiteral("html"), templates.filePath(html.value(0)));
    }

    AppWindows& windows() { return desktop->windows(); }
    Form1& form() { return desktop->form(); }
    VisionChoice& vision() { return desktop->vision(); }

    // The session's files (settings, documents) in memory where the system has such a folder:
    // what is timed is Oria's work, not the disk's flush (bench/README.md gives both).
    QTemporaryDir folder{
        QDir(QStringLiteral("/dev/shm")).exists() && !qEnvironmentVariableIsSet("ORIA_BENCH_DISK")
            ? QStringLiteral("/dev/shm/oria-bench-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/oria-bench-XXXXXX")};
    AnsweringPlatform platform;
    std::unique_ptr<Desktop> desktop;
};

Session& session() {
    static Session s;
    return s;
}

constexpr int kRepetitions = 240;
constexpr int kDeuteranopia = 2; // VisionChoice::kRows

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(at, v.size() - 1)];
}

// With ORIA_BENCH_PAINTS set, each row ends with the widgets its actions painted and what
// their painting took: what repaints without need, or slowly, shows there.
struct PaintLog : QObject {
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || inside) {
            return false;
        }
        auto* w = static_cast<QWidget*>(o);
        inside = true;
        const auto t0 = std::chrono::steady_clock::now();
        QApplication::sendEvent(w, e); // filtered out here, painted once
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - t0;
        inside = false;
        auto& [count, ms] = spent_[w->window()->objectName() + '/' + w->objectName() + ' ' +
                                   QLatin1String(w->metaObject()->className())];
        ++count;
        ms += spent.count();
        return true;
    }
    void print(int reps) const {
        std::vector<std::pair<double, QString>> sorted;
        for (auto it = spent_.cbegin(); it != spent_.cend(); ++it) {
            sorted.push_back({it->second, it.key() + QStringLiteral(" x%1").arg(double(it->first) / reps)});
        }
        std::sort(sorted.rbegin(), sorted.rend());
        for (const auto& [ms, what] : sorted) {
            std::fprintf(stderr, "    %7.3f ms  %s\n", ms / reps, qPrintable(what));
        }
    }
    bool inside = false;
    QHash<QString, std::pair<int, double>> spent_;
};

void run(benchmark::State& state, const Action& action, int vision) {
    Session& s = session();
    std::vector<double> ms;
    ms.reserve(kRepetitions);
    int rep = 0;
    PaintLog log;
    const bool logged = qEnvironmentVariableIsSet("ORIA_BENCH_PAINTS");
    for (auto _ : state) {
        if (s.vision().current() != vision) {
            s.vision().setCurrent(vision);
        }
        if (action.prepare) {
            action.prepare(rep);
        }
        settle();
        if (logged) {
            qApp->installEventFilter(&log);
        }
        frames().start();
        action.act(rep);
        const double spent = frames().stop();
        if (logged) {
            qApp->removeEventFilter(&log);
        }
        state.SetIterationTime(spent);
        ms.push_back(spent * 1e3);
        ++rep;
    }
    if (action.finish) {
        action.finish();
    }
    if (logged) {
        std::fprintf(stderr, "%s\n", qPrintable(action.row));
        log.print(rep);
    }
    state.counters["median_ms"] = percentile(ms, 0.5);
    state.counters["p99_ms"] = percentile(ms, 0.99);
}

} // namespace
} // namespace oria::bench

namespace oria::bench {
namespace {

PlanePicture* plane(QWidget* pro) {
    return static_cast<PlanePicture*>(child(pro, "Picture1"));
}

// The rows of Razezev Aru's plane in "haute": a figure placed by a click and dragged, each
// figure in turn; the pointer read-out over the plane.
void addPlane(std::vector<Action>& rows, const Place& at) {
    QWidget* pro = at.window;
    auto* picture = plane(pro);
    const auto haute = [pro] {
        auto* option = static_cast<QRadioButton*>(child(pro, "Option1"));
        if (!option->isChecked()) {
            click(option, clickPoint(option));
            settle();
        }
    };
    for (const char* name : {"Option12", "Option14", "Option7", "Option8", "Option13", "Option15",
                             "Option16", "Option10", "Option9", "Option11"}) {
        auto* figure = static_cast<QRadioButton*>(child(pro, name));
        const auto choose = [haute, figure] {
            haute();
            if (!figure->isChecked()) {
                click(figure, clickPoint(figure));
            }
        };
        const QString title = at.name + QStringLiteral(" · disque « haute », « ") +
                              caption(figure) + QStringLiteral(" »");
        rows.push_back({title + QStringLiteral(" posée d'un clic"), [choose](int) { choose(); },
                        [picture](int rep) { click(picture, spread(picture, rep)); }, {}});
        rows.push_back({title + QStringLiteral(" glissée, un pas du pointeur"),
                        [choose, picture](int rep) {
                            if (rep == 0) {
                                choose();
                                sendMouse(picture, QEvent::MouseButtonPress, {200, 200},
                                          Qt::LeftButton, Qt::LeftButton);
                            }
                        },
                        [picture](int rep) {
                            // Round and round the disc, a few pixels a step.
                            const double turn = rep * 0.05;
                            const QPoint p(200 + int(120 * std::cos(turn)),
                                           200 + int(120 * std::sin(turn)));
                            sendMouse(picture, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
                        },
                        [picture] {
                            sendMouse(picture, QEvent::MouseButtonRelease, {200, 200},
                                      Qt::LeftButton, Qt::NoButton);
                            settle();
                        }});
    }
    rows.push_back({at.name + QStringLiteral(" · disque « haute », survol"),
                    [haute](int) { haute(); },
                    [picture](int rep) {
                        sendMouse(picture, QEvent::MouseMove, spread(picture, rep), Qt::NoButton,
                                  Qt::NoButton);
                    },
                    {}});
}

// A palette, a picture or a page dropped onto a window from the desktop.
void addDrop(std::vector<Action>& rows, const Place& at, const QString& what, QString path) {
    rows.push_back({at.name + QStringLiteral(" · fichier déposé : ") + what, {},
                    [window = at.window, path](int) { dropFile(window, path); }, {}});
}

std::vector<Action> everyAction(Session& s) {
    std::vector<Action> rows;
    Form1* form = &s.form();
    QWidget* pro = s.windows().pro();
    QWidget* contraste = s.windows().contraste();
    QWidget* compo = s.windows().compo();
    QWidget* charter = s.windows().charter();
    QWidget* tips = s.windows().tips();

    // Each repetition starts from other colours, as the user's work moves on.
    const auto randomBase = [form](int) { clickButton(form, "Command4"); };
    const auto proLevel = [pro](int rep) {
        auto* slider = static_cast<QSlider*>(child(pro, "Slider1"));
        sendKey(slider, rep % 2 ? Qt::Key_PageUp : Qt::Key_PageDown);
    };
    const auto randomPair = [contraste](int) { clickButton(contraste, "Command2"); };
    const auto randomPage = [compo](int) {
        clickButton(compo, "Command1");
        auto* cells = static_cast<QRadioButton*>(child(compo, "Option12"));
        if (!cells->isChecked()) { // the grids at 4096 cells
            click(cells, clickPoint(cells));
        }
    };
    const auto nothing = [](int) {};

    // What opens or closes a window, and the help that opens the browser, are left out.
    const QStringList help = {QStringLiteral("aideharmony"), QStringLiteral("aideoria"),
                              QStringLiteral("astuces"), QStringLiteral("apropos"),
                              QStringLiteral("quiter")};
    const QStringList windowsOpened = {QStringLiteral("palette"), QStringLiteral("contrast"),
                                       QStringLiteral("composeur"), QStringLiteral("chartegrap")};
    const Place harmony{form, QStringLiteral("Harmonie")};
    addControls(rows, harmony,
                help + windowsOpened +
                    QStringList{QStringLiteral("Command10"), QStringLiteral("Command3"),
                                QStringLiteral("Command2")},
                randomBase);
    addDrop(rows, harmony, QStringLiteral("palette"), s.platform.openFiles.value("gpl"));
    // The vision every window shares, changed from the one measured to the other.
    rows.push_back({QStringLiteral("Harmonie · menu « Vision » : normale <-> deutéranopie"), randomBase,
                    [form, &s](int) {
                        const int to = s.vision().current() == 0 ? kDeuteranopia : 0;
                        const QString key = QLatin1String(VisionChoice::kRows[std::size_t(to)].key);
                        auto* menu = form->menuBar()->findChild<QMenu*>(QStringLiteral("vision"));
                        if (QAction* a = menu->findChild<QAction*>(QStringLiteral("vision_") + key)) {
                            a->trigger();
                            return;
                        }
                        std::abort();
                    },
                    {}});

    const Place aru{pro, QStringLiteral("Razezev Aru")};
    addControls(rows, aru, {QStringLiteral("Command2"), QStringLiteral("Command3"), QStringLiteral("Picture1")},
                proLevel);
    addPlane(rows, aru);
    addDrop(rows, aru, QStringLiteral("image"), s.platform.openFiles.value("png"));

    const Place vizozudu{contraste, QStringLiteral("Vizozudu")};
    addControls(rows, vizozudu, {QStringLiteral("Command9"), QStringLiteral("Command4")},
                randomPair);

    const Place composer{compo, QStringLiteral("Composeur")};
    addControls(rows, composer,
                help + windowsOpened +
                    QStringList{QStringLiteral("Command2"), QStringLiteral("Command4"),
                                QStringLiteral("Command11"), QStringLiteral("Command3")},
                randomPage);
    addDrop(rows, composer, QStringLiteral("page"), s.platform.openFiles.value("ori"));
    addDrop(rows, composer, QStringLiteral("palette"), s.platform.openFiles.value("gpl"));

    addControls(rows, {charter, QStringLiteral("Charte")}, {QStringLiteral("Command1")}, nothing);
    if (tips) {
        addControls(rows, {tips, QStringLiteral("Astuce du jour")}, {QStringLiteral("cmdOK")},
                    nothing);
    }
    return rows;
}

} // namespace
} // namespace oria::bench

int main(int argc, char** argv) {
    using namespace oria::bench;
    benchmark::Initialize(&argc, argv);
    Session& s = session();
    const std::vector<Action> rows = everyAction(s);
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        list = list || std::strcmp(argv[i], "--list") == 0;
    }
    for (const auto& [vision, name] : {std::pair{0, "normale"}, std::pair{kDeuteranopia, "deuteranopie"}}) {
        for (const Action& action : rows) {
            const std::string row = (action.row + QStringLiteral(" [") + QLatin1String(name) +
                                     QStringLiteral("]")).toStdString();
            if (list) {
                std::printf("%s\n", row.c_str());
                continue;
            }
            benchmark::RegisterBenchmark(row.c_str(), [&action, vision = vision](benchmark::State& st) {
                run(st, action, vision);
            })
                ->Iterations(kRepetitions)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    if (!list) {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    // The windows go before the application.
    s.desktop.reset();
}
