#include "platform/WindowGone.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>
#include <cstdint>

namespace {

// The head of an X DestroyNotify event, as the X protocol lays it out.
struct DestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};

constexpr std::uint8_t kDestroyNotify = 17;
constexpr std::uint8_t kSentByClient = 0x80;

class WindowGoneWatch final : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit WindowGoneWatch(QWidget* window) : QObject(window), window_(window) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t" || !window_->testAttribute(Qt::WA_WState_Created))
            return false;
        const auto* event = static_cast<const DestroyNotify*>(message);
        if ((event->responseType & ~kSentByClient) == kDestroyNotify &&
            event->window == window_->winId())
            QCoreApplication::exit(0);
        return false;
    }

  private:
    QWidget* window_;
};

} // namespace

void endWhenWindowDestroyed(QWidget* window) {
    new WindowGoneWatch(window);
}
