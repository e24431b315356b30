#pragma once
// Where the controls of the script windows sit: the script editors (their
// settings and their step list group) and, further down, the script list
// and the stop hotkey dialog.

#include "widgets/ControlTable.h"

#include <QtGlobal>

namespace lumo {

// clang-format off

// The add and the modify script dialog.
inline constexpr ControlSpec kScriptEditorControls[] = {
    {"settingsGroupBox", ControlKind::GroupBox, nullptr, {8, 4, 340, 100}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "设置")},
    {"nameLabel", ControlKind::FittedLabel, "settingsGroupBox", {12, 22, 0, 0}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "名称:"), "nameEdit"},
    {"nameEdit", ControlKind::LineEdit, "settingsGroupBox", {96, 18, 170, 21}},
    {"hotkeyLabel", ControlKind::FittedLabel, "settingsGroupBox", {12, 48, 0, 0}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "启动热键:"), "hotkeyModifierComboBox"},
    {"hotkeyModifierComboBox", ControlKind::ComboBox, "settingsGroupBox", {96, 44, 82, 21}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "启动热键的修饰键")},
    {"plusLabel", ControlKind::FittedLabel, "settingsGroupBox", {184, 48, 0, 0}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "十")},
    {"hotkeyKeyComboBox", ControlKind::ComboBox, "settingsGroupBox", {202, 44, 64, 21}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "启动热键的按键")},
    {"cyclesLabel", ControlKind::FittedLabel, "settingsGroupBox", {12, 74, 0, 0}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "循环点击次数:"), "cyclesEdit"},
    {"cyclesEdit", ControlKind::LineEdit, "settingsGroupBox", {96, 70, 82, 21}},
    {"hintLabel", ControlKind::FittedLabel, nullptr, {12, 110, 0, 0}},
    {"stepsGroupBox", ControlKind::Custom, nullptr, {8, 128, 340, 240}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "点击")},
    {"okButton", ControlKind::Button, nullptr, {180, 376, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "确定(&O)")},
    {"cancelButton", ControlKind::Button, nullptr, {268, 376, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "取消(&C)")},
};

// The script editors' step list group, in the group's coordinates.
inline constexpr ControlSpec kScriptStepListControls[] = {
    {"stepListView", ControlKind::TreeWidget, nullptr, {10, 20, 230, 210}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "坐标列表")},
    {"addStepButton", ControlKind::Button, nullptr, {250, 20, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "添加坐标")},
    {"modifyStepButton", ControlKind::Button, nullptr, {250, 54, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "修改坐标")},
    {"deleteStepButton", ControlKind::Button, nullptr, {250, 88, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "删除坐标")},
    {"moveStepUpButton", ControlKind::Button, nullptr, {250, 122, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "上移一行")},
    {"moveStepDownButton", ControlKind::Button, nullptr, {250, 156, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "下移一行")},
    {"recordButton", ControlKind::Button, nullptr, {250, 190, 80, 25}, QT_TRANSLATE_NOOP("lumo::ScriptEditor", "录制坐标")},
};

// The script list, in its group box on the second tab.
inline constexpr ControlSpec kScriptListControls[] = {
    {"scriptListView", ControlKind::TreeWidget, nullptr, {10, 18, 505, 186}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::ScriptList", "多点点击列表")},
    {"addButton", ControlKind::Button, nullptr, {10, 212, 75, 25}, QT_TRANSLATE_NOOP("lumo::ScriptList", "添加(&A)")},
    {"modifyButton", ControlKind::Button, nullptr, {89, 212, 75, 25}, QT_TRANSLATE_NOOP("lumo::ScriptList", "修改(&M)")},
    {"deleteButton", ControlKind::Button, nullptr, {168, 212, 75, 25}, QT_TRANSLATE_NOOP("lumo::ScriptList", "删除(&D)")},
    {"stopHotkeyButton", ControlKind::Button, nullptr, {247, 212, 110, 25}, QT_TRANSLATE_NOOP("lumo::ScriptList", "停止热键设置(&P)")},
    {"enableButton", ControlKind::Button, nullptr, {361, 212, 75, 25}, QT_TRANSLATE_NOOP("lumo::ScriptList", "启用(&S)")},
    {"disableButton", ControlKind::Button, nullptr, {440, 212, 75, 25}, QT_TRANSLATE_NOOP("lumo::ScriptList", "停用(&T)")},
};
// The stop hotkey dialog.
inline constexpr ControlSpec kStopHotkeyControls[] = {
    {"hotkeyGroupBox", ControlKind::GroupBox, nullptr, {12, 10, 333, 70}, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "热键设置")},
    {"hotkeyLabel", ControlKind::Label, "hotkeyGroupBox", {16, 30, 40, 20}, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "热键:"), "modifierComboBox"},
    {"modifierComboBox", ControlKind::ComboBox, "hotkeyGroupBox", {60, 28, 110, 22}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "停止热键的修饰键")},
    {"plusLabel", ControlKind::Label, "hotkeyGroupBox", {178, 30, 16, 20}, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "十")},
    {"keyComboBox", ControlKind::ComboBox, "hotkeyGroupBox", {198, 28, 110, 22}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "停止热键的按键")},
    {"explanationLabel", ControlKind::Label, nullptr, {14, 88, 329, 60}, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "多点点击的一般都是执行完点击的会自动停止的，如果有时要停止运行点击可以用这里设置的热键来停止"
                                                                                                                  "点击器的点击.")},
    {"okButton", ControlKind::Button, nullptr, {90, 170, 80, 27}, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "确定(&O)")},
    {"cancelButton", ControlKind::Button, nullptr, {190, 170, 80, 27}, QT_TRANSLATE_NOOP("lumo::StopHotkeyDialog", "取消(&C)")},
};
// clang-format on

} // namespace lumo
