#pragma once
// The update check that runs when the update page has loaded.

#include "platform/Platform.h"

#include <QString>

#include <optional>

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

// Another version on the page, and where the page says to get it.
struct UpdateOffer {
    QString version;
    QString url;
};
// The offer when the page defines every update variable and names another
// version than the carried one.
std::optional<UpdateOffer> readUpdateOffer(const UpdatePage &page);

// Whether an address from the page may be fetched or opened: http and https
// only, never a local file or a share.
bool isWebAddress(const QString &address);

// Where setup.exe cannot run: a box without owner names the new version and
// asks whether to open its download page (the page's web address, or the
// download site when it gives none or another kind of address). Nothing is downloaded or ended.
void announceUpdate(platform::Services &os, const UpdateOffer &offer);

} // namespace lumo
