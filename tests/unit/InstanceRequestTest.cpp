// The requests a later start sends the running program, and its answers:
// every request survives the trip, anything else is refused whole.

#include "app/InstanceRequest.h"
#include "app/RemoteCommand.h"
#include "app/ScriptTransferCommand.h"

#include <gtest/gtest.h>

using lumo::InstanceReply;
using lumo::InstanceRequest;

TEST(InstanceRequestTest, RequestsAndRepliesSurviveTheTrip) {
    using Command = InstanceRequest::Command;
    const QString awkward = QStringLiteral("脚本 \"一\"\n\t\\ {}");
    for (const InstanceRequest &request :
         {InstanceRequest{Command::Show, {}, {}}, InstanceRequest{Command::Toggle, {}, {}},
          InstanceRequest{Command::Stop, {}, {}}, InstanceRequest{Command::List, {}, {}},
          InstanceRequest{Command::Play, awkward, {}}, InstanceRequest{Command::Play, {}, {}},
          InstanceRequest{Command::Export, {}, QStringLiteral("/tmp/脚本 \"a\".json")},
          InstanceRequest{Command::Import, {}, QStringLiteral("/x")}}) {
        const QByteArray line = lumo::encodeRequest(request);
        // One line, whatever the name holds.
        ASSERT_EQ(line.count('\n'), 1);
        ASSERT_TRUE(line.endsWith('\n'));
        const std::optional<InstanceRequest> back = lumo::decodeRequest(line.chopped(1));
        ASSERT_TRUE(back.has_value()) << line.toStdString();
        EXPECT_EQ(back->command, request.command);
        EXPECT_EQ(back->scriptName, request.scriptName);
        EXPECT_EQ(back->filePath, request.filePath);
    }
    const InstanceReply reply{InstanceReply::Status::NoSuchScript, {awkward, QString()}, std::nullopt};
    const QByteArray line = lumo::encodeReply(reply);
    ASSERT_EQ(line.count('\n'), 1);
    const std::optional<InstanceReply> back = lumo::decodeReply(line.chopped(1));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->status, reply.status);
    EXPECT_EQ(back->lines, reply.lines);
    EXPECT_FALSE(back->transfer.has_value());
}

TEST(InstanceRequestTest, TransferOutcomesSurviveTheTrip) {
    const lumo::TransferOutcome clashes{
        lumo::TransferProblem::None,
        {},
        3,
        2,
        {{QStringLiteral("脚本\t\"二\""), QStringLiteral("F5"), QStringLiteral("一"), true},
         {QString(), QStringLiteral("Ctrl+F9"), QStringLiteral("old"), false}}};
    const lumo::TransferOutcome failed{
        lumo::TransferProblem::FileMalformed, QStringLiteral("not JSON"), 0, 0, {}};
    for (const lumo::TransferOutcome &outcome : {clashes, failed}) {
        const QByteArray line = lumo::encodeReply({InstanceReply::Status::Done, {}, outcome});
        ASSERT_EQ(line.count('\n'), 1);
        const std::optional<InstanceReply> back = lumo::decodeReply(line.chopped(1));
        ASSERT_TRUE(back.has_value()) << line.toStdString();
        ASSERT_TRUE(back->transfer.has_value()) << line.toStdString();
        EXPECT_EQ(*back->transfer, outcome) << line.toStdString();
    }
    EXPECT_FALSE(
        lumo::decodeReply(R"({"status":"done","lines":[],"transfer":{"problem":"lost"}})").has_value());
}

TEST(InstanceRequestTest, AnythingElseIsRefusedWhole) {
    for (const QByteArray &line : {
             QByteArray(),
             QByteArrayLiteral("show"),
             QByteArrayLiteral("{}"),
             QByteArrayLiteral("[\"toggle\"]"),
             QByteArrayLiteral("{\"command\":\"Toggle\"}"),
             QByteArrayLiteral("{\"command\":1}"),
             QByteArrayLiteral("{\"command\":\"play\"}"),
             QByteArrayLiteral("{\"command\":\"play\",\"name\":5}"),
             // The running program's folder is not the caller's.
             QByteArrayLiteral("{\"command\":\"import\",\"path\":\"scripts.json\"}"),
             QByteArrayLiteral("{\"command\":\"export\"}"),
             QByteArrayLiteral("{\"command\":\"toggle\""),
             QByteArrayLiteral("{\"command\":\"toggle\"} trailing"),
             QByteArray("{\"command\":\"to\0ggle\"}", 22),
             QByteArrayLiteral("{\"command\":\"play\",\"name\":\"") +
                 QByteArray(lumo::kMaxRequestBytes, 'a') + QByteArrayLiteral("\"}"),
         })
        EXPECT_FALSE(lumo::decodeRequest(line).has_value()) << line.left(60).toStdString();
    for (const QByteArray &line : {QByteArrayLiteral("{\"status\":\"done\",\"lines\":[1]}"),
                                   QByteArrayLiteral("{\"status\":\"fine\"}"), QByteArrayLiteral("done")})
        EXPECT_FALSE(lumo::decodeReply(line).has_value()) << line.toStdString();
}

TEST(InstanceRequestTest, OnlyTheFourSwitchesMakeALaterStartARemoteControl) {
    const QString program = QStringLiteral("lumoclick");
    for (const char *word : {"--toggle", "--stop", "--list", "--play", "--play=x"})
        EXPECT_TRUE(lumo::holdsRemoteCommand({program, QString::fromLatin1(word)})) << word;
    EXPECT_TRUE(lumo::holdsRemoteCommand({program, QStringLiteral("autotime"), QStringLiteral("--stop")}));
    for (const char *word : {"autotime", "tb", "--help", "-play", "--playing", "toggle"})
        EXPECT_FALSE(lumo::holdsRemoteCommand({program, QString::fromLatin1(word)})) << word;
    // The program's own name is no switch.
    EXPECT_FALSE(lumo::holdsRemoteCommand({QStringLiteral("--toggle")}));
}

TEST(InstanceRequestTest, ExportAndImportAreTheirOwnSwitchesWithOrWithoutAFile) {
    const QString program = QStringLiteral("lumoclick");
    for (const char *word : {"--export", "--import", "--export=a.json", "--import=/tmp/a.json"}) {
        EXPECT_TRUE(lumo::holdsTransferCommand({program, QString::fromLatin1(word)})) << word;
        EXPECT_FALSE(lumo::holdsRemoteCommand({program, QString::fromLatin1(word)})) << word;
    }
    for (const char *word : {"--exports", "-import", "import", "--list"})
        EXPECT_FALSE(lumo::holdsTransferCommand({program, QString::fromLatin1(word)})) << word;
}
