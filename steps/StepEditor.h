#pragma once
// The step editors: small modal dialogs that add a click step to, or rewrite
// the selected step of, their parent dialog's step list view. All eight
// share this one design; each is a row of the table in StepEditors.cpp.

#include "core/MainContext.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace lumo {

// What tells one step editor from another.
struct StepEditorDress {
    enum class Kind { Add, Modify };
    // Labelled: "当前坐标: X=523  Y=318"; Compact: "当前坐标:523,318".
    enum class LabelForm { Labelled, Compact };
    enum class Frame { FixedWithMinimize, Resizable, Fixed };

    Kind kind;
    int hotkeyId;
    bool topmostOnShow;
    LabelForm labelForm;
    int timerMs;
    bool escCloses;
    // The four-line hint and the captions with a colon.
    bool longHint;
    Frame frame;
};

inline const QString kStepEditorConflict =
    QStringLiteral(QT_TRANSLATE_NOOP("lumo", "您设置的热键于其他程序的热键冲突,请选择过热键."));
inline const QString kEmptyPosition = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "请输入要点击的鼠标坐标位置"));

// The position text: "x,y" in screen pixels.
QString positionText(platform::Point at);

class StepEditor : public QDialog {
    Q_OBJECT
  public:
    StepEditor(MainContext &context, QWidget *owner, const StepEditorDress &dress);
    ~StepEditor() override;

    // The parent's step list view (three columns: position, event, interval).
    void setStepList(QTreeWidget *view) { stepList_ = view; }
    QTreeWidget *stepList() const { return stepList_; }
    const StepEditorDress &dress() const { return dress_; }

    // A modify editor is filled from the selected row before it is shown.
    void copyRowIntoFields(const QTreeWidgetItem &row);
    // Centres the editor over the main window and shows it modally; the
    // caller goes on at once, the editor's effect is on the step list.
    void showModal();

    void startCapture();
    void stopCapture();

    static constexpr int kLivePositionTimerId = 1;

  protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    // F11 pressed while the editor holds it.
    void onCaptureHotkeyPressed();
    void onLivePositionTick();
    void onApplyClicked();
    void onCloseClicked();
    void buildControls();
    void resetFields();
    QTreeWidgetItem *selectedRow() const;

    MainContext &context_;
    // The main window's context goes before its child windows do; the
    // services outlive both.
    platform::Services &os_;
    const StepEditorDress dress_;
    // The live label follows the pointer only while the editor can be seen.
    platform::Timer livePositionTimer_;
    QTreeWidget *stepList_ = nullptr;

  private:
    QLabel *livePositionLabel;
    QComboBox *eventComboBox;
    QComboBox *intervalComboBox;
    QLineEdit *positionEdit;
};

} // namespace lumo
