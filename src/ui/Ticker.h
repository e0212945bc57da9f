#pragma once

#include <QObject>
#include <functional>

class QTimer;

// A timer whose enabled state is program state that handlers read. Who delivers the ticks is
// separate: a real clock in the program, nobody in tests, which call the tick handler
// themselves one tick at a time.
class Ticker : public QObject {
    Q_OBJECT

  public:
    enum class Clock { Real, Manual };
    static constexpr int kPeriodMs = 16;

    Ticker(const QString& name, Clock clock, std::function<void()> onTick, QObject* parent);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

  private:
    bool enabled_ = false;
    QTimer* timer_ = nullptr;
};
