#pragma once
// A program on the fake backend in a throwaway executable folder of its own.

#include "app/AppWindows.h"
#include "platform/fake/FakePlatform.h"

#include <QTemporaryDir>

#include <memory>

namespace lumo::test {

class GuiFixture {
  public:
    // The folder holds a fresh acdb.mdb unless withDatabase is false.
    explicit GuiFixture(bool withDatabase = true);
    ~GuiFixture();

    // Writes setting.ini: the text in code page 936, lines ending CRLF.
    void writeSettings(const QString &text);
    QString settingsPath() const;
    QByteArray settingsBytes() const;
    bool settingsExist() const;
    QString databasePath() const;
    // Runs the statements on the folder's database, before start(); false
    // (with the failing statement in the log) when one could not run.
    bool alterDatabase(const QStringList &statements) const;

    // Creates every window and shows the main window, which runs start-up.
    MainWindow &start(const QStringList &arguments = {QStringLiteral("lumoclick")});
    MainWindow &main() { return *forms->mainWindow; }

    platform::fake::FakeBackend fake;
    QTemporaryDir dir;
    std::unique_ptr<AppWindows> forms;
};

} // namespace lumo::test
