#include "app/AboutDialog.h"

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

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &text, QRect geometry) {
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    result->setGeometry(geometry);
    return result;
}

} // namespace

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

    infoFrame = new QFrame(this);
    infoFrame->setObjectName(QStringLiteral("infoFrame"));
    infoFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    infoFrame->setGeometry(8, 8, 400, 161);

    programIconLabel = label(infoFrame, QStringLiteral("programIconLabel"), {}, QRect(12, 12, 60, 59));
    programIconLabel->setPixmap(QPixmap(QStringLiteral(":/app.png")));
    programIconLabel->setScaledContents(true);
    programIconLabel->setCursor(Qt::PointingHandCursor);
    onLeftClick(programIconLabel, [this] { onProgramIconClicked(); });

    productNameLabel = label(infoFrame, QStringLiteral("productNameLabel"), shownText(kApplicationTitle),
                             QRect(88, 16, 300, 16));
    versionLabel = label(infoFrame, QStringLiteral("versionLabel"), tr("版本:1.0"), QRect(88, 42, 300, 16));
    contactLabel = label(infoFrame, QStringLiteral("contactLabel"), tr("联系我们：support@lumoclick.example"),
                         QRect(88, 68, 300, 16));
    homePageLinkLabel =
        label(infoFrame, QStringLiteral("homePageLinkLabel"), texts::kHomePage, QRect(88, 94, 300, 40));
    homePageLinkLabel->setStyleSheet(QStringLiteral("color: blue;"));
    homePageLinkLabel->setWordWrap(true);
    homePageLinkLabel->setCursor(Qt::PointingHandCursor);
    onLeftClick(homePageLinkLabel, [this] { onHomePageLinkClicked(); });

    makerLabel =
        label(this, QStringLiteral("makerLabel"), tr("Tarvik软件工作室出品"), QRect(12, 186, 200, 16));

    okButton = new QPushButton(tr("确定(&O)"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(330, 180, 75, 27);
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
