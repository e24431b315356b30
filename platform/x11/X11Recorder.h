#pragma once
// The user's button presses through the RECORD extension, on two
// connections of the recorder's own: one to set the recording up, one that
// the server streams the recorded presses to.

#include "platform/Platform.h"

#include <memory>
#include <vector>

class QSocketNotifier;
typedef struct _XDisplay Display;

namespace platform::x11 {

class X11Recorder final : public Recorder {
  public:
    X11Recorder();
    ~X11Recorder() override;

    bool start(PressHandler onPress) override;
    void stop() override;

    // One recorded protocol event; called by the extension's callback.
    void takeEvent(const unsigned char *event);

  private:
    // Reads what the server streamed and hands the presses out, once Xlib
    // is done with the connection: the handler may stop the recording.
    void readStream();

    std::vector<RecordedPress> arrived_;
    PressHandler handler_;
    Display *control_ = nullptr;
    Display *data_ = nullptr;
    unsigned long context_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
    // The server's 32-bit millisecond time, carried past its wrap.
    quint32 lastServerTime_ = 0;
    qint64 wraps_ = 0;
    bool timeSeen_ = false;
};

} // namespace platform::x11
