#pragma once
// The update check that runs when the update page has loaded.

class QWidget;

namespace lumo {

class UpdateDownloadWindow;
class UpdatePage;

// The version this program carries; only it takes part in the check.
inline constexpr char16_t kCarriedVersion[] = u"3.7";

// Reads the page's update variables and, when another version is on offer,
// starts the download and hides the main window. Silent when the page lacks
// any of them. Returns whether a download started.
bool runUpdateCheck(const UpdatePage &page, UpdateDownloadWindow &download, QWidget *mainWindow);

} // namespace lumo
