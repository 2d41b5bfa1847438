#pragma once

#include <QProgressBar>

namespace oria {

// A progress bar following work that ends within a frame and puts the bar back where it was:
// its value moves step by step (and says so to whoever listens), but it is not repainted at
// every step, which would cost far more than the work itself; one repaint follows at the end.
class QuietProgress {
public:
    explicit QuietProgress(QProgressBar* bar) : bar_(bar) { bar_->setUpdatesEnabled(false); }
    ~QuietProgress() { bar_->setUpdatesEnabled(true); }
    QuietProgress(const QuietProgress&) = delete;
    QuietProgress& operator=(const QuietProgress&) = delete;

private:
    QProgressBar* bar_;
};

} // namespace oria
