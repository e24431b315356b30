#pragma once
// Where the controls of the timed task windows sit: the timed task editors
// (their time group and their step list group) and the timed list.

#include "widgets/ControlTable.h"

#include <QtGlobal>

namespace lumo {

// clang-format off

// The add and the modify timed task dialog.
inline constexpr ControlSpec kTimedEditorControls[] = {
    {"timeGroupBox", ControlKind::GroupBox, nullptr, {8, 6, 319, 100}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "定时点击")},
    {"timeLabel", ControlKind::Label, "timeGroupBox", {12, 25, 36, 14}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "时间:"), "hourComboBox"},
    {"hourComboBox", ControlKind::ComboBox, "timeGroupBox", {72, 22, 46, 20}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::TimedEditor", "小时")},
    {"hourUnitLabel", ControlKind::Label, "timeGroupBox", {122, 25, 14, 14}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "时")},
    {"minuteComboBox", ControlKind::ComboBox, "timeGroupBox", {142, 22, 46, 20}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::TimedEditor", "分钟")},
    {"minuteUnitLabel", ControlKind::Label, "timeGroupBox", {192, 25, 14, 14}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "分")},
    {"secondComboBox", ControlKind::ComboBox, "timeGroupBox", {212, 22, 46, 20}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::TimedEditor", "秒钟")},
    {"secondUnitLabel", ControlKind::Label, "timeGroupBox", {262, 25, 14, 14}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "秒")},
    {"cyclesLabel", ControlKind::Label, "timeGroupBox", {12, 53, 60, 14}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "点击次数:"), "cyclesEdit"},
    {"cyclesEdit", ControlKind::LineEdit, "timeGroupBox", {72, 50, 46, 20}},
    {"currentTimeLabel", ControlKind::Label, "timeGroupBox", {12, 78, 290, 14}},
    {"stepsGroupBox", ControlKind::Custom, nullptr, {8, 112, 319, 244}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "点击属性")},
    {"okButton", ControlKind::Button, nullptr, {160, 364, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "确定(&O)")},
    {"cancelButton", ControlKind::Button, nullptr, {245, 364, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "取消(&C)")},
};

// The timed task editors' step list group, in the group's coordinates.
inline constexpr ControlSpec kTimedStepListControls[] = {
    {"stepListView", ControlKind::TreeWidget, nullptr, {10, 20, 212, 214}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::TimedEditor", "坐标列表")},
    {"addStepButton", ControlKind::Button, nullptr, {232, 20, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "添加(&A)")},
    {"modifyStepButton", ControlKind::Button, nullptr, {232, 55, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "修改(&M)")},
    {"deleteStepButton", ControlKind::Button, nullptr, {232, 90, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "删除(&D)")},
    {"moveStepUpButton", ControlKind::Button, nullptr, {232, 125, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "上移一行")},
    {"moveStepDownButton", ControlKind::Button, nullptr, {232, 160, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "下移一行")},
    {"recordButton", ControlKind::Button, nullptr, {232, 195, 75, 25}, QT_TRANSLATE_NOOP("lumo::TimedEditor", "录制坐标")},
};

// The timed list, in its group box on the third tab.
inline constexpr ControlSpec kTimedListControls[] = {
    {"taskListView", ControlKind::TreeWidget, nullptr, {8, 18, 509, 184}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::TimedList", "定时点击列表")},
    {"addButton", ControlKind::Button, nullptr, {8, 210, 72, 25}, QT_TRANSLATE_NOOP("lumo::TimedList", "添加(&A)")},
    {"modifyButton", ControlKind::Button, nullptr, {86, 210, 72, 25}, QT_TRANSLATE_NOOP("lumo::TimedList", "修改(&M)")},
    {"deleteButton", ControlKind::Button, nullptr, {164, 210, 72, 25}, QT_TRANSLATE_NOOP("lumo::TimedList", "删除(&D)")},
    {"enableButton", ControlKind::Button, nullptr, {242, 210, 72, 25}, QT_TRANSLATE_NOOP("lumo::TimedList", "启用(&S)")},
    {"disableButton", ControlKind::Button, nullptr, {320, 210, 72, 25}, QT_TRANSLATE_NOOP("lumo::TimedList", "停用(&T)")},
    {"startWithSessionButton", ControlKind::Button, nullptr, {410, 210, 107, 25}, QT_TRANSLATE_NOOP("lumo::TimedList", "设置开机启动")},
};
// clang-format on

} // namespace lumo
