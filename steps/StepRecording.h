#pragma once
// Recording steps for the script and timed task editors: the editor hides,
// every left or right press the user makes becomes a step, and F11 brings
// the editor back with the new steps at the end of its step list.

#include "core/MainContext.h"

#include <QObject>

#include <vector>

class QTreeWidget;
class QWidget;

namespace lumo {

class StepRecording final : public QObject {
    Q_OBJECT
  public:
    StepRecording(MainContext &context, QWidget *dialog, QTreeWidget *view);
    ~StepRecording() override;
    StepRecording(const StepRecording &) = delete;
    StepRecording &operator=(const StepRecording &) = delete;

    // Hides the dialog and records; when it cannot, the dialog stays and
    // says why.
    void start();
    // F11: the steps recorded go to the end of the list, the dialog returns.
    void finish();
    bool recording() const { return recording_; }

    static constexpr int kHotkeyId = 1090;

  signals:
    // True as a recording starts and false once it has ended.
    void recordingChanged(bool recording);

  private:
    void takePress(const platform::RecordedPress &press);

    MainContext &context_;
    // The main window's context goes before its child windows do; the
    // services outlive both.
    platform::Services &os_;
    QWidget *dialog_;
    QTreeWidget *view_;
    std::vector<platform::RecordedPress> presses_;
    bool recording_ = false;
};

inline const QString kRecordingHint = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "正在录制,按F11结束"));

} // namespace lumo
