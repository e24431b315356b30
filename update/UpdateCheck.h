#pragma once
// The update check that runs when the update page has loaded.

#include "platform/Platform.h"

#include <QObject>
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

// What the program does once the update page has loaded: where setup.exe
// can run, the download of another version takes over and the main window
// hides; elsewhere the new version is announced, once per start.
class UpdateCheck final : public QObject {
    Q_OBJECT
  public:
    // mainWindow: hidden when the download starts; it owns the check.
    UpdateCheck(platform::Services &os, const UpdatePage &page, QWidget *mainWindow);

    // The update window, which the check opens; nothing downloads without it.
    void setDownloadWindow(UpdateDownloadWindow *window) { downloadWindow_ = window; }

  signals:
    // The download has taken over: the main window must not come back,
    // even from the tray it was hidden to before the page came.
    void downloadStarted();

  private:
    void onPageLoaded();

    platform::Services &os_;
    const UpdatePage &page_;
    QWidget *mainWindow_;
    UpdateDownloadWindow *downloadWindow_ = nullptr;
    bool announced_ = false;
};

} // namespace lumo
