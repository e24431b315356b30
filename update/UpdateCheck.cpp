#include "update/UpdateCheck.h"

#include "update/UpdateDownloadWindow.h"
#include "update/UpdatePage.h"

#include <QLineEdit>
#include <QPushButton>

namespace lumo {

namespace {

// Read in this order; only the version and the address are used, but a page
// without any of them is not an update page.
const char16_t *const kVariables[] = {u"app_close",   u"app_version", u"app_hp",    u"app_showtip",
                                      u"app_showkey", u"app_url",     u"app_hname", u"app_hurl"};
constexpr int kVersion = 1;
constexpr int kUrl = 5;

} // namespace

bool runUpdateCheck(const UpdatePage &page, UpdateDownloadWindow &download, QWidget *mainWindow) {
    QStringList values;
    for (const char16_t *name : kVariables) {
        const std::optional<QString> value = page.variable(QString::fromUtf16(name));
        if (!value)
            return false;
        values.append(*value);
    }
    if (values[kVersion] == QStringView(kCarriedVersion))
        return false;
    download.startDownload(values[kUrl], page.variable(QStringLiteral("app_sha256")));
    if (mainWindow)
        mainWindow->hide();
    return true;
}

} // namespace lumo
