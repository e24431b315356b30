#pragma once
// Where the controls of the main window and the about box sit.

#include "widgets/ControlTable.h"

#include <QtGlobal>

namespace lumo {

inline constexpr int kMainClientWidth = 549;
inline constexpr int kMainClientHeight = 401;
inline constexpr int kStatusBarHeight = 19;

// clang-format off
// The main window. Its pages sit where the tab widget puts them under the
// program's style, below the tab bar.
inline constexpr ControlSpec kMainWindowControls[] = {
    {"bannerLabel", ControlKind::Label, nullptr, {0, 0, kMainClientWidth, 82}},
    {"tabWidget", ControlKind::TabWidget, nullptr, {3, 90, 543, 289}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::MainWindow", "功能页")},
    {"singlePointTab", ControlKind::Page, "tabWidget", {2, 25, 539, 262}, QT_TRANSLATE_NOOP("lumo::MainWindow", "单点点击(&S)")},
    {"scriptsTab", ControlKind::Page, "tabWidget", {2, 25, 539, 262}, QT_TRANSLATE_NOOP("lumo::MainWindow", "多点点击(&M)")},
    {"timedTab", ControlKind::Page, "tabWidget", {2, 25, 539, 262}, QT_TRANSLATE_NOOP("lumo::MainWindow", "定时点击(&T)")},
    {"helpTab", ControlKind::Page, "tabWidget", {2, 25, 539, 262}, QT_TRANSLATE_NOOP("lumo::MainWindow", "软件使用方法(&H)")},
    {"helpBrowser", ControlKind::TextBrowser, "helpTab", {0, 0, 537, 258}, nullptr, nullptr, QT_TRANSLATE_NOOP("lumo::MainWindow", "使用说明")},
    {"keepOnTopCheckBox", ControlKind::CheckBox, nullptr, {kMainClientWidth - 80, 93, 76, 20}, QT_TRANSLATE_NOOP("lumo::MainWindow", "窗口置顶")},
    {"statusBar", ControlKind::Custom, nullptr, {0, kMainClientHeight - kStatusBarHeight, kMainClientWidth, kStatusBarHeight}},
    {"homePageLinkLabel", ControlKind::Link, nullptr, {8, 84, 190, 13}},
    // Out of sight below the client area, as the update check wants it.
    {"updatePage", ControlKind::Custom, nullptr, {9, 433, 541, 24}},
    {"singlePoint", ControlKind::Custom, "singlePointTab", {6, 6, 525, 168}},
    {"aboutButton", ControlKind::Button, "singlePointTab", {60, 196, 96, 27}, QT_TRANSLATE_NOOP("lumo::MainWindow", "关于软件(&A)")},
    {"moreSoftwareButton", ControlKind::Button, "singlePointTab", {170, 196, 96, 27}, QT_TRANSLATE_NOOP("lumo::MainWindow", "更多软件(&M)")},
    {"feedbackButton", ControlKind::Button, "singlePointTab", {280, 196, 96, 27}, QT_TRANSLATE_NOOP("lumo::MainWindow", "在线反馈(&F)")},
    {"exitButton", ControlKind::Button, "singlePointTab", {390, 196, 96, 27}, QT_TRANSLATE_NOOP("lumo::MainWindow", "退出软件(&E)")},
    {"scriptList", ControlKind::Custom, "scriptsTab", {6, 4, 525, 248}},
    {"timedList", ControlKind::Custom, "timedTab", {6, 6, 525, 244}},
};

inline constexpr ControlSpec kAboutControls[] = {
    {"infoFrame", ControlKind::Frame, nullptr, {8, 8, 400, 161}},
    {"programIconLabel", ControlKind::Label, "infoFrame", {12, 12, 60, 59}},
    {"productNameLabel", ControlKind::Label, "infoFrame", {88, 16, 300, 16}},
    {"versionLabel", ControlKind::Label, "infoFrame", {88, 42, 300, 16}, QT_TRANSLATE_NOOP("lumo::AboutDialog", "版本:1.0")},
    {"contactLabel", ControlKind::Label, "infoFrame", {88, 68, 300, 16}, QT_TRANSLATE_NOOP("lumo::AboutDialog", "联系我们：support@lumoclick.example")},
    {"homePageLinkLabel", ControlKind::Link, "infoFrame", {88, 94, 300, 40}},
    {"makerLabel", ControlKind::Label, nullptr, {12, 186, 200, 16}, QT_TRANSLATE_NOOP("lumo::AboutDialog", "Tarvik软件工作室出品")},
    {"okButton", ControlKind::Button, nullptr, {330, 180, 75, 27}, QT_TRANSLATE_NOOP("lumo::AboutDialog", "确定(&O)")},
};
// clang-format on

} // namespace lumo
