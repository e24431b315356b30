#pragma once
// Where the controls of the step editors sit; all eight share the table.

#include "widgets/ControlTable.h"

#include <QtGlobal>

namespace lumo {

// clang-format off
inline constexpr ControlSpec kStepEditorControls[] = {
    {"positionGroupBox", ControlKind::GroupBox, nullptr, {8, 6, 276, 124}, QT_TRANSLATE_NOOP("lumo::StepEditor", "鼠标坐标属性")},
    {"livePositionLabel", ControlKind::FittedLabel, "positionGroupBox", {12, 20, 0, 0}, QT_TRANSLATE_NOOP("lumo::StepEditor", "当前坐标:")},
    {"positionLabel", ControlKind::FittedLabel, "positionGroupBox", {12, 46, 0, 0}, QT_TRANSLATE_NOOP("lumo::StepEditor", "鼠标坐标:"), "positionEdit"},
    {"positionEdit", ControlKind::LineEdit, "positionGroupBox", {80, 42, 184, 21}},
    {"eventLabel", ControlKind::FittedLabel, "positionGroupBox", {12, 72, 0, 0}, QT_TRANSLATE_NOOP("lumo::StepEditor", "点击事件"), "eventComboBox"},
    {"eventComboBox", ControlKind::ComboBox, "positionGroupBox", {80, 68, 184, 21}},
    {"intervalLabel", ControlKind::FittedLabel, "positionGroupBox", {12, 98, 0, 0}, QT_TRANSLATE_NOOP("lumo::StepEditor", "间隔时间"), "intervalComboBox"},
    {"intervalComboBox", ControlKind::ComboBox, "positionGroupBox", {80, 94, 120, 21}},
    {"millisecondsLabel", ControlKind::FittedLabel, "positionGroupBox", {206, 98, 0, 0}, QT_TRANSLATE_NOOP("lumo::StepEditor", "豪秒")},
    {"applyButton", ControlKind::Button, nullptr, {296, 12, 78, 25}},
    {"closeButton", ControlKind::Button, nullptr, {296, 44, 78, 25}, QT_TRANSLATE_NOOP("lumo::StepEditor", "关闭(&C)")},
    {"hintLabel", ControlKind::FittedLabel, nullptr, {8, 136, 0, 0}},
};
// clang-format on

} // namespace lumo
