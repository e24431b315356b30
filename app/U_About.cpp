#include "app/U_About.h"

#include "app/ClickFilter.h"
#include "app/Texts.h"
#include "engine/MainContext.h"
#include "platform/Platform.h"

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

TAboutBox::TAboutBox(platform::Shell &shell)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      shell_(shell) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("关于"));
    setFixedSize(416, 222);
    setAttribute(Qt::WA_DeleteOnClose);
    // Opened from the tray while the main window is hidden, the box is the
    // only window shown; closing it must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 400, 161);

    ProgramIcon = label(Panel1, QStringLiteral("ProgramIcon"), {}, QRect(12, 12, 60, 59));
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/app.png")));
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setCursor(Qt::PointingHandCursor);
    onLeftClick(ProgramIcon, [this] { ProgramIconClick(); });

    ProductName = label(Panel1, QStringLiteral("ProductName"), kApplicationTitle, QRect(88, 16, 300, 16));
    Version = label(Panel1, QStringLiteral("Version"), QStringLiteral("版本:1.0"), QRect(88, 42, 300, 16));
    Copyright = label(Panel1, QStringLiteral("Copyright"),
                      QStringLiteral("联系我们：support@lumoclick.example"), QRect(88, 68, 300, 16));
    Comments = label(Panel1, QStringLiteral("Comments"), texts::kHomePage, QRect(88, 94, 300, 40));
    Comments->setStyleSheet(QStringLiteral("color: blue;"));
    Comments->setWordWrap(true);
    Comments->setCursor(Qt::PointingHandCursor);
    onLeftClick(Comments, [this] { CommentsClick(); });

    lbl1 =
        label(this, QStringLiteral("lbl1"), QStringLiteral("Tarvik软件工作室出品"), QRect(12, 186, 200, 16));

    OKButton = new QPushButton(QStringLiteral("确定(&O)"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(330, 180, 75, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showModal(platform::Shell &shell) {
    auto *box = new TAboutBox(shell);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        box->move(screen->availableGeometry().center() - box->rect().center());
    // exec() frees a box that deletes itself on closing once its loop ends.
    box->exec();
}

void TAboutBox::ProgramIconClick() {
    shell_.openUrl(texts::kHomePage);
}

void TAboutBox::CommentsClick() {
    shell_.openUrl(texts::kHomePage);
}

} // namespace lumo
