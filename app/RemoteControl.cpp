#include "app/RemoteControl.h"

#include "app/MainWindow.h"
#include "core/HotkeyIds.h"
#include "core/HotkeyText.h"
#include "core/UiLanguage.h"
#include "scripts/ScriptList.h"
#include "storage/ScriptTransfer.h"
#include "timed/TimedList.h"

#include <QTimer>

namespace lumo {

namespace {

template <typename Action> void afterAnswer(MainWindow &window, Action action) {
    QTimer::singleShot(0, &window, action);
}

QStringList scriptLines(const ScriptList &list) {
    QStringList lines;
    for (const ScriptRow &row : list.rows())
        lines << QStringList{row.name, shownHotkeyText(row.hotkey), shownText(row.status)}.join(
            QLatin1Char('\t'));
    return lines;
}

} // namespace

InstanceReply answerInstanceRequest(MainWindow &window, Database *database, const InstanceRequest &request) {
    using Command = InstanceRequest::Command;
    using Status = InstanceReply::Status;
    switch (request.command) {
    case Command::Toggle:
        afterAnswer(window, [&window] { window.deliverHotkeyPress(&window, kSinglePointHotkeyId); });
        return {Status::Done, {}, std::nullopt};
    case Command::Stop:
        afterAnswer(window, [&window] { window.deliverHotkeyPress(&window, kStopHotkeyId); });
        return {Status::Done, {}, std::nullopt};
    case Command::Play:
        // The first script of that name in list order; whether its hotkey
        // is enabled does not matter, the command names it.
        for (const ScriptRow &row : window.scriptList()->rows())
            if (row.name == request.scriptName) {
                afterAnswer(window, [&window, row] { window.playAsIfPressed(row); });
                return {Status::Done, {}, std::nullopt};
            }
        return {Status::NoSuchScript, {}, std::nullopt};
    case Command::List:
        return {Status::Done, scriptLines(*window.scriptList()), std::nullopt};
    case Command::Export:
        return {Status::Done, {}, exportScriptFile(database, request.filePath)};
    case Command::Import: {
        const TransferOutcome outcome = importScriptFile(database, request.filePath);
        if (outcome.problem == TransferProblem::None)
            afterAnswer(window, [&window] {
                // New scripts come in disabled, as any added script does;
                // the timed tasks that were enabled stay so.
                window.scriptList()->reload();
                window.timedList()->reloadKeepingEnabled();
            });
        return {Status::Done, {}, outcome};
    }
    case Command::Show:
        break;
    }
    return {Status::Refused, {}, std::nullopt};
}

} // namespace lumo
