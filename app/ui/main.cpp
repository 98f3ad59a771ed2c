// Vessant3: the Hebrew/civil calendar.

#include "app/ui/App.h"
#include "app/ui/ChildView.h"
#include "text/Language.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

namespace {

// Milliseconds since the kernel started this process (its start time in /proc), or -1.
double MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::vector<std::string> values;
    for (std::string value; fields >> value;)
        values.push_back(value);
    // Field 22 (starttime) is the 20th after the command name and state.
    if (values.size() < 20)
        return -1;
    const double startTicks = std::stod(values[19]);
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double nowMs = boot.tv_sec * 1000.0 + boot.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Runs once after the month view has painted for the first time.
class CFirstPaint : public QObject {
public:
    CFirstPaint(QWidget* view, std::function<void()> then) : then_(std::move(then)) {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [then = std::move(then_)] { then(); });
            then_ = nullptr;
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

// Under the address sanitizer: fontconfig's pattern cache, which Qt's font database keeps
// for the life of the process, is reported as leaked at exit. It is not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vessant3"));
    vessant::DetectSystemLanguage();
    vessant::ui::InstallFontSubstitutions();

    const vessant::ui::START_OPTIONS options = vessant::ui::ParseStartOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "Vessant3: %s\n", qPrintable(options.error));
        return 2;
    }

    vessant::ui::CVessant3App app;
    if (!app.Start(options))
        return 0;
    vessant::ui::CMainFrame* frame = app.Frame();
    vessant::ui::CChildView* view = frame->View();

    const bool oneShot = options.Unattended();
    std::unique_ptr<CFirstPaint> firstPaint;
    if (oneShot) {
        firstPaint = std::make_unique<CFirstPaint>(view, [&] {
            int status = 0;
            if (options.startupTime)
                std::printf("first painted month: %.1f ms after process start, %.1f ms after main()\n",
                            MillisecondsSinceProcessStart(), static_cast<double>(sinceMain.nsecsElapsed()) / 1e6);
            if (!options.screenshot.isEmpty()) {
                for (int mode : {vessant::ui::kModeCivil, vessant::ui::kModeHebrew}) {
                    view->SetMode(mode);
                    view->repaint();
                    const QString file = options.screenshot +
                                         (mode == vessant::ui::kModeCivil ? QStringLiteral("-civil.png")
                                                                          : QStringLiteral("-hebrew.png"));
                    if (!frame->grab().save(file)) {
                        std::fprintf(stderr, "Vessant3: cannot write %s\n", qPrintable(file));
                        status = 1;
                    } else {
                        std::printf("%s\n", qPrintable(file));
                    }
                }
            }
            if (options.measurePageDown > 0) {
                vessant::OPTIONS_STRUCT& settings = vessant::OptionsStore().options();
                settings.dafYomi = settings.mishnaYomit = settings.halachaYomit = 1;
                settings.yerushalmiYomi = settings.tanachYomi = 1;
                view->RefreshMonth();
                view->repaint();
                double total = 0, worst = 0, refresh = 0;
                for (int i = 0; i < options.measurePageDown; ++i) {
                    QElapsedTimer step;
                    step.start();
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
                    QApplication::sendEvent(view, &key);
                    refresh += static_cast<double>(step.nsecsElapsed()) / 1e6;
                    view->repaint();
                    const double ms = static_cast<double>(step.nsecsElapsed()) / 1e6;
                    total += ms;
                    worst = std::max(worst, ms);
                }
                const double n = options.measurePageDown;
                std::printf("Page Down with refresh and paint, every study portion shown: mean %.2f ms "
                            "(refresh %.2f, paint %.2f), worst %.2f ms over %d steps\n",
                            total / n, refresh / n, (total - refresh) / n, worst, options.measurePageDown);
            }
            std::fflush(stdout);
            QApplication::exit(status);
        });
    }
    return QApplication::exec();
}
