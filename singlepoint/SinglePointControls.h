#pragma once
// Where the controls of the single-point panel sit, in the panel's group box.

#include "widgets/ControlTable.h"

#include <QtGlobal>

namespace lumo {

// clang-format off
inline constexpr ControlSpec kSinglePointControls[] = {
    {"mouseButtonLabel", ControlKind::FittedLabel, nullptr, {12, 27, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "鼠 标:"), "mouseButtonComboBox"},
    {"mouseButtonComboBox", ControlKind::ComboBox, nullptr, {56, 22, 72, 22}},
    {"clickKindLabel", ControlKind::FittedLabel, nullptr, {146, 27, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "事件:"), "clickKindComboBox"},
    {"clickKindComboBox", ControlKind::ComboBox, nullptr, {184, 22, 72, 22}},
    {"speedLabel", ControlKind::FittedLabel, nullptr, {274, 27, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "速度为"), "speedComboBox"},
    {"speedComboBox", ControlKind::ComboBox, nullptr, {318, 22, 72, 22}},
    {"speedUnitLabel", ControlKind::FittedLabel, nullptr, {396, 27, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "秒一次")},
    {"holdLabel", ControlKind::FittedLabel, nullptr, {446, 27, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "按住"), "holdEdit"},
    {"holdEdit", ControlKind::LineEdit, nullptr, {472, 22, 44, 22}},
    {"jitterLabel", ControlKind::FittedLabel, nullptr, {446, 97, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "随机"), "jitterEdit"},
    {"jitterEdit", ControlKind::LineEdit, nullptr, {472, 92, 44, 22}},
    {"clickLimitLabel", ControlKind::FittedLabel, nullptr, {12, 62, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "点击数:"), "clickLimitEdit"},
    {"clickLimitEdit", ControlKind::LineEdit, nullptr, {62, 57, 66, 22}},
    {"clickLimitHintLabel", ControlKind::FittedLabel, nullptr, {134, 62, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "(点击次数达到了设置的点击数后会自动停止,0为不限制)")},
    {"hotkeyLabel", ControlKind::FittedLabel, nullptr, {12, 97, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "启动热键:"), "hotkeyModifierComboBox"},
    {"hotkeyModifierComboBox", ControlKind::ComboBox, nullptr, {74, 92, 86, 22}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "启动热键的修饰键")},
    {"plusLabel", ControlKind::FittedLabel, nullptr, {166, 97, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "十")},
    {"hotkeyKeyComboBox", ControlKind::ComboBox, nullptr, {184, 92, 72, 22}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "启动热键的按键")},
    {"saveButton", ControlKind::Button, nullptr, {318, 91, 100, 25}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "保存设置(&S)")},
    {"fixedPositionCheckBox", ControlKind::CheckBox, nullptr, {12, 129, 80, 20}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "指定坐标")},
    {"fixedXLabel", ControlKind::FittedLabel, nullptr, {98, 132, 0, 0}, nullptr, "fixedXEdit"},
    {"fixedXEdit", ControlKind::LineEdit, nullptr, {114, 127, 56, 22}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "指定坐标X")},
    {"fixedYLabel", ControlKind::FittedLabel, nullptr, {178, 132, 0, 0}, nullptr, "fixedYEdit"},
    {"fixedYEdit", ControlKind::LineEdit, nullptr, {194, 127, 56, 22}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "指定坐标Y")},
    {"fixedPositionHintLabel", ControlKind::FittedLabel, nullptr, {258, 132, 0, 0}, QT_TRANSLATE_NOOP("lumo::SinglePointPanel", "输入要点击的鼠标坐标位置")},
};
// clang-format on

} // namespace lumo
