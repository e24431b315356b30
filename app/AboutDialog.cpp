#include "app/AboutDialog.h"

#include "app/AppControls.h"
#include "core/MainContext.h"
#include "core/Texts.h"
#include "core/UiLanguage.h"
#include "platform/Platform.h"
#include "widgets/ClickFilter.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace lumo {

AboutDialog::AboutDialog(platform::Shell &shell)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      shell_(shell) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("关于"));
    setFixedSize(416, 222);
    setAttribute(Qt::WA_DeleteOnClose);
    // Opened from the tray while the main window is hidden, the box is the
    // only window shown; closing it must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    placeControls(this, kAboutControls, "lumo::AboutDialog");
    placedControl<QFrame>(this, "infoFrame")->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *programIconLabel = placedControl<QLabel>(this, "programIconLabel");
    programIconLabel->setPixmap(QPixmap(QStringLiteral(":/app.png")));
    programIconLabel->setScaledContents(true);
    programIconLabel->setCursor(Qt::PointingHandCursor);
    onLeftClick(programIconLabel, [this] { onProgramIconClicked(); });

    placedControl<QLabel>(this, "productNameLabel")->setText(shownText(kApplicationTitle));
    auto *homePageLinkLabel = placedControl<QLabel>(this, "homePageLinkLabel");
    homePageLinkLabel->setText(texts::kHomePage);
    homePageLinkLabel->setWordWrap(true);
    onLeftClick(homePageLinkLabel, [this] { onHomePageLinkClicked(); });

    auto *okButton = placedControl<QPushButton>(this, "okButton");
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::showModal(platform::Shell &shell) {
    auto *box = new AboutDialog(shell);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        box->move(screen->availableGeometry().center() - box->rect().center());
    // exec() frees a box that deletes itself on closing once its loop ends.
    box->exec();
}

void AboutDialog::onProgramIconClicked() {
    shell_.openUrl(texts::kHomePage);
}

void AboutDialog::onHomePageLinkClicked() {
    shell_.openUrl(texts::kHomePage);
}

} // namespace lumo
