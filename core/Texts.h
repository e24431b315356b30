#pragma once
// The program's fixed texts and the maker's web addresses.

#include <QString>

namespace lumo::texts {

// The caption the about, more-software, feedback, enable and disable
// buttons put into the title bar.
inline const QString kProductTitle = QStringLiteral(QT_TRANSLATE_NOOP("lumo", "Lumo鼠标自动点击器"));
// The caption every tick of the scheduler puts into the title bar.
inline const QString kSchedulerTitle =
    QStringLiteral(QT_TRANSLATE_NOOP("lumo", "Lumo鼠标自动点击器 - 定时点击"));

inline const QString kHomePage = QStringLiteral("https://www.lumoclick.example/");
inline const QString kDownloadSite = QStringLiteral("https://www.lumoclick.example/download/");
inline const QString kNavigationPage = QStringLiteral("https://nav.lumoclick.example/");
inline const QString kFeedbackPage = QStringLiteral("https://www.lumoclick.example/feedback/");
inline const QString kUpdatePage = QStringLiteral("https://www.lumoclick.example/update.html");

} // namespace lumo::texts
