#include "platform/x11/X11Recorder.h"

#include <QSocketNotifier>

#include <cstring>

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>

namespace platform::x11 {

namespace {

void interceptCallback(XPointer closure, XRecordInterceptData *data) {
    if (data->category == XRecordFromServer && data->data != nullptr)
        reinterpret_cast<X11Recorder *>(closure)->takeEvent(data->data);
    XRecordFreeData(data);
}

} // namespace

X11Recorder::X11Recorder() = default;

X11Recorder::~X11Recorder() {
    stop();
}

bool X11Recorder::start(PressHandler onPress) {
    stop();
    control_ = XOpenDisplay(nullptr);
    data_ = XOpenDisplay(nullptr);
    int major = 0;
    int minor = 0;
    if (!control_ || !data_ || !XRecordQueryVersion(control_, &major, &minor)) {
        stop();
        return false;
    }
    XRecordRange *range = XRecordAllocRange();
    if (!range) {
        stop();
        return false;
    }
    // Button presses only: releases, motion and keys are no steps.
    range->device_events.first = ButtonPress;
    range->device_events.last = ButtonPress;
    XRecordClientSpec clients = XRecordAllClients;
    context_ = XRecordCreateContext(control_, 0, &clients, 1, &range, 1);
    XFree(range);
    // The context must exist on the server before the other connection
    // names it.
    XSync(control_, False);
    if (context_ == 0 ||
        !XRecordEnableContextAsync(data_, context_, interceptCallback, reinterpret_cast<XPointer>(this))) {
        stop();
        return false;
    }
    handler_ = std::move(onPress);
    timeSeen_ = false;
    wraps_ = 0;
    notifier_ = std::make_unique<QSocketNotifier>(XConnectionNumber(data_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { readStream(); });
    // The enable request may still sit in Xlib's buffer.
    XFlush(data_);
    return true;
}

void X11Recorder::stop() {
    handler_ = {};
    if (notifier_) {
        // stop() may come from a press the notifier is handing out.
        notifier_->setEnabled(false);
        notifier_.release()->deleteLater();
    }
    if (control_ && context_ != 0) {
        XRecordDisableContext(control_, context_);
        XRecordFreeContext(control_, context_);
        XSync(control_, False);
    }
    context_ = 0;
    // Closing the data connection drops whatever the server still streams.
    if (data_)
        XCloseDisplay(data_);
    if (control_)
        XCloseDisplay(control_);
    data_ = nullptr;
    control_ = nullptr;
}

void X11Recorder::readStream() {
    if (!data_)
        return;
    arrived_.clear();
    XRecordProcessReplies(data_);
    const std::vector<RecordedPress> presses = std::move(arrived_);
    arrived_.clear();
    for (const RecordedPress &press : presses) {
        if (!handler_)
            return;
        const PressHandler handler = handler_; // it may stop the recording
        handler(press);
    }
}

void X11Recorder::takeEvent(const unsigned char *event) {
    xEvent protocol;
    std::memcpy(&protocol, event, sizeof protocol);
    if ((protocol.u.u.type & 0x7f) != ButtonPress)
        return;
    RecordedPress::Button button;
    if (protocol.u.u.detail == Button1)
        button = RecordedPress::Button::Left;
    else if (protocol.u.u.detail == Button3)
        button = RecordedPress::Button::Right;
    else
        return;
    const quint32 serverTime = protocol.u.keyButtonPointer.time;
    if (timeSeen_ && serverTime < lastServerTime_)
        ++wraps_;
    lastServerTime_ = serverTime;
    timeSeen_ = true;
    const Point at{protocol.u.keyButtonPointer.rootX, protocol.u.keyButtonPointer.rootY};
    arrived_.push_back({button, at, (wraps_ << 32) + serverTime});
}

} // namespace platform::x11
