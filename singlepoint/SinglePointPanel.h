#pragma once
// The single-point settings on the first tab: button, kind, speed, count
// limit, start hotkey and fixed coordinates; loading and saving them.

#include "core/MainContext.h"
#include "storage/Settings.h"

#include <QGroupBox>
#include <QHash>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace lumo {

class SinglePointPanel final : public QGroupBox {
    Q_OBJECT
  public:
    SinglePointPanel(MainContext &context, QWidget *parent);

    // Fills the controls from the settings file and sets ClickInterval.
    void loadSettings();

    // What the controls say at this moment, as the clicker reads them at
    // every tick.
    struct Reading {
        bool fixedPosition = false;
        QString x;
        QString y;
        QString button;
        QString kind;
        QString limit;
    };
    Reading reading() const;
    // Registers the single-point hotkey (id 1008) from the two hotkey boxes.
    void registerStartHotkey();
    void saveSettings();

    // The milliseconds each click is held down and the most its period
    // varies by, as the fields stand; 0 for off.
    int holdMs() const;
    int jitterMs() const;

  private:
    void onFixedPositionClicked();
    void applySpeedText();
    // Speed, hold and jitter as loaded, each brought into its range; the
    // ones that had to be are named in one notice.
    void loadTimingFields(const Settings &settings);
    // The message for a typed speed, hold or jitter beyond its limit.
    std::optional<QString> outOfRangeText() const;
    // Loaded settings replace the file freely; otherwise the user is asked.
    bool mayReplaceSettings(const Settings &settings) const;

    MainContext &context_;
    // Whether the panel shows what the settings file holds.
    bool settingsLoaded_ = false;
    // Keys read beyond their range, with the nearest allowed text shown
    // instead: a save leaves them alone in the file unless that changed.
    QHash<Setting, QString> adjustedOnLoad_;

  private:
    QComboBox *mouseButtonComboBox;    // button
    QComboBox *clickKindComboBox;      // kind
    QComboBox *speedComboBox;          // speed
    QLineEdit *clickLimitEdit;         // count limit
    QComboBox *hotkeyModifierComboBox; // hotkey modifier
    QComboBox *hotkeyKeyComboBox;      // hotkey key
    QPushButton *saveButton;
    QCheckBox *fixedPositionCheckBox;
    QLineEdit *fixedXEdit; // X
    QLineEdit *fixedYEdit; // Y
    QLineEdit *holdEdit;
    QLineEdit *jitterEdit;
};

} // namespace lumo
