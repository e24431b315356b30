#pragma once
// Where the controls of the update download window sit.

#include "widgets/ControlTable.h"

#include <QtGlobal>

namespace lumo {

inline constexpr int kDownloadClientWidth = 380;
inline constexpr int kDownloadClientHeight = 124;
inline constexpr int kDownloadStatusBarHeight = 19;

// clang-format off
inline constexpr ControlSpec kUpdateDownloadControls[] = {
    {"messageLabel", ControlKind::Label, nullptr, {16, 14, 200, 16}, QT_TRANSLATE_NOOP("lumo::UpdateDownloadWindow", "升级文件下载中...")},
    {"progressBar", ControlKind::Custom, nullptr, {16, 38, kDownloadClientWidth - 32, 18}},
    {"cancelButton", ControlKind::Button, nullptr, {kDownloadClientWidth - 16 - 80, 66, 80, 25}, QT_TRANSLATE_NOOP("lumo::UpdateDownloadWindow", "取消(&C)")},
    {"statusBar", ControlKind::Custom, nullptr, {0, kDownloadClientHeight - kDownloadStatusBarHeight, kDownloadClientWidth, kDownloadStatusBarHeight}},
};
// clang-format on

} // namespace lumo
