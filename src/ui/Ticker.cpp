#include "ui/Ticker.h"

#include <QTimer>

Ticker::Ticker(const QString& name, Clock clock, std::function<void()> onTick, QObject* parent)
    : QObject(parent) {
    setObjectName(name);
    if (clock == Clock::Real) {
        timer_ = new QTimer(this);
        timer_->setInterval(kPeriodMs);
        timer_->setTimerType(Qt::PreciseTimer);
        connect(timer_, &QTimer::timeout, this, std::move(onTick));
    }
}

void Ticker::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!timer_)
        return;
    if (enabled && !timer_->isActive())
        timer_->start();
    else if (!enabled)
        timer_->stop();
}
