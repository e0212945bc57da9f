// Linked into both start-up programs: at the first paint of a window, prints the monotonic clock
// and the processor time used so far, in nanoseconds, and quits, so that the launcher can tell
// how long the start took, also on a machine busy with other work.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->isWindow()) {
            // Once the paint is through and on the screen, not when it begins.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("%lld %lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()),
                            cpu.tv_sec * 1000000000LL + cpu.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
            qApp->removeEventFilter(this);
        }
        return false;
    }
};

void watchForFirstPaint() {
    qApp->installEventFilter(new FirstPaint(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
