// The script file of --export and --import: what is written reads back the
// same, NULL included, and whatever is not such a file is refused whole.

#include "storage/ScriptFile.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace lumo;

namespace {

ScriptFileContents awkwardContents() {
    ScriptFileContents contents;
    contents.scripts = {
        {QStringLiteral("三点 脚本"), QStringLiteral("Ctrl+F9"), QStringLiteral("150,160,左键单击,100|"),
         QStringLiteral("1")},
        // Quotes, backslashes, control characters, a character beyond the
        // basic plane and an embedded NUL.
        {QStringLiteral("a \"b\" \\c\n\t\r😀") + QChar(u'\0') + QStringLiteral("end"), QStringLiteral("F10"),
         QString(), QStringLiteral("00")},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {QStringLiteral(""), QStringLiteral(" "), QStringLiteral("null"), QStringLiteral("0")},
    };
    contents.timed = {
        {QStringLiteral("08:30:00"), QStringLiteral("1,2,右键双击,50|"), QStringLiteral("3")},
        {QStringLiteral("下午 1:05:09"), std::nullopt, QStringLiteral("")},
    };
    return contents;
}

QByteArray withField(const QString &key, const QJsonValue &value) {
    QJsonObject top = QJsonDocument::fromJson(encodeScriptFile(awkwardContents())).object();
    top.insert(key, value);
    return QJsonDocument(top).toJson();
}

} // namespace

TEST(ScriptFileTest, WrittenContentsReadBackTheSameNullsAndEmptyTextsApart) {
    const ScriptFileContents contents = awkwardContents();
    const QByteArray bytes = encodeScriptFile(contents);
    QString error;
    const std::optional<ScriptFileContents> back = decodeScriptFile(bytes, &error);
    ASSERT_TRUE(back.has_value()) << error.toStdString();
    EXPECT_EQ(*back, contents);
    // A NULL cell and an empty one stay apart.
    EXPECT_FALSE(back->scripts[2].name.has_value());
    ASSERT_TRUE(back->scripts[3].name.has_value());
    EXPECT_TRUE(back->scripts[3].name->isEmpty());
    EXPECT_EQ(back->scripts[1].name->size(), contents.scripts[1].name->size());

    // The file is UTF-8 text, Chinese as itself, NULL as JSON null.
    EXPECT_TRUE(bytes.contains(QStringLiteral("三点 脚本").toUtf8()));
    EXPECT_TRUE(bytes.contains("\"name\": null"));
    EXPECT_TRUE(bytes.contains("\"format\": \"lumoclick-scripts\""));
    EXPECT_TRUE(bytes.contains("\"version\": 1"));
}

TEST(ScriptFileTest, AnythingButAScriptFileOfThisVersionIsRefusedWithAReason) {
    const QByteArray valid = encodeScriptFile(awkwardContents());
    const QByteArray minimal = R"({"format":"lumoclick-scripts","version":1,"scripts":[],"timed":[]})";
    ASSERT_TRUE(decodeScriptFile(minimal).has_value());
    const QList<QByteArray> refused = {
        QByteArray(),
        QByteArrayLiteral("not json"),
        valid.chopped(2),
        QByteArrayLiteral("[]"),
        QByteArrayLiteral("{}"),
        withField(QStringLiteral("format"), QStringLiteral("other")),
        withField(QStringLiteral("version"), 2),
        withField(QStringLiteral("version"), QStringLiteral("1")),
        withField(QStringLiteral("scripts"), QJsonObject()),
        withField(QStringLiteral("timed"), QJsonValue::Null),
        R"({"format":"lumoclick-scripts","version":1,"scripts":[]})",
        R"({"format":"lumoclick-scripts","version":1,"scripts":[1],"timed":[]})",
        R"({"format":"lumoclick-scripts","version":1,"scripts":[{"name":"a","hotkey":"F1","steps":""}],"timed":[]})",
        R"({"format":"lumoclick-scripts","version":1,"scripts":[{"name":5,"hotkey":"F1","steps":"","cycles":"1"}],"timed":[]})",
        R"({"format":"lumoclick-scripts","version":1,"scripts":[],"timed":[{"time":"1","steps":[],"cycles":"1"}]})",
        R"({"format":"lumoclick-scripts","version":1,"scripts":[],"timed":[{"time":"1","steps":""}]})",
    };
    for (const QByteArray &bytes : refused) {
        QString error;
        EXPECT_FALSE(decodeScriptFile(bytes, &error).has_value()) << bytes.left(120).toStdString();
        EXPECT_FALSE(error.isEmpty()) << bytes.left(120).toStdString();
    }
}

TEST(ScriptFileTest, AFileAboveTheLimitIsRefusedUnread) {
    // Valid JSON apart from its size: spaces after the object.
    QByteArray bytes = R"({"format":"lumoclick-scripts","version":1,"scripts":[],"timed":[]})";
    ASSERT_TRUE(decodeScriptFile(bytes).has_value());
    bytes.append(QByteArray(kMaxScriptFileBytes - bytes.size(), ' '));
    EXPECT_TRUE(decodeScriptFile(bytes).has_value());
    bytes.append(' ');
    QString error;
    EXPECT_FALSE(decodeScriptFile(bytes, &error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("larger"))) << error.toStdString();
}
