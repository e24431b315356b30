// Command lines, starting programs and the Run key value.

#include "platform/win32/Native.h"

#include "TestWindow.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

namespace native = platform::win32;

std::vector<std::wstring> split(const std::wstring &line) {
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> result(arguments, arguments + count);
    LocalFree(arguments);
    return result;
}

const std::vector<std::vector<std::wstring>> kArgumentLists = {
    {L"autotime"},
    {L"a b", L"", L"c"},
    {L"say \"hi\"", L"\"", L"\\\""},
    {L"C:\\Program Files\\", L"trailing\\\\", L"mid\\dle"},
    {L"\t", L"左键 单击"},
};

TEST(CommandLine, HandsEveryArgumentOverUnchanged) {
    const std::wstring program = L"C:\\Program Files\\lumo click\\lumoclick.exe";
    for (const auto &arguments : kArgumentLists) {
        std::vector<std::wstring> expected{program};
        expected.insert(expected.end(), arguments.begin(), arguments.end());
        EXPECT_EQ(split(native::commandLine(program, arguments)), expected);
    }
}

std::wstring temporaryFile(const wchar_t *prefix) {
    wchar_t folder[MAX_PATH];
    wchar_t path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, prefix, 0, path);
    DeleteFileW(path); // the started program makes it
    return path;
}

TEST(StartProgram, StartsTheProgramWithItsArguments) {
    const std::wstring output = temporaryFile(L"arg");
    const std::vector<std::wstring> arguments = {L"--write-arguments", output, L"a b", L"x\\\"y", L"",
                                                 L"左键单击"};
    ASSERT_TRUE(native::startProgram(native::executablePath(), arguments));
    // Under Wine the renamed file has now and then read empty right after it
    // appeared; the read is retried until it gives something.
    std::string text;
    ASSERT_TRUE(win32test::pumpUntil([&] {
        std::ifstream file(output.c_str(), std::ios::binary);
        std::ostringstream read;
        if (file)
            read << file.rdbuf();
        text = read.str();
        return !text.empty();
    }));
    EXPECT_EQ(text, "a b\nx\\\"y\n\n\xE5\xB7\xA6\xE9\x94\xAE\xE5\x8D\x95\xE5\x87\xBB\n");
    DeleteFileW(output.c_str());
}

TEST(StartProgram, FailsForAMissingProgram) {
    EXPECT_FALSE(native::startProgram(L"C:\\no such folder\\nothing.exe", {}));
}

struct StoredValue {
    DWORD type = 0;
    std::vector<BYTE> bytes;
};

std::optional<StoredValue> readValue(HKEY root, const wchar_t *key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    StoredValue value;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(opened, L"lumoclick", nullptr, &value.type, nullptr, &size);
    value.bytes.resize(size);
    if (status == ERROR_SUCCESS)
        status = RegQueryValueExW(opened, L"lumoclick", nullptr, &value.type, value.bytes.data(), &size);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

DWORD valueCount(HKEY root, const wchar_t *key) {
    HKEY opened = nullptr;
    DWORD count = 0;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
        RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                         nullptr, nullptr, nullptr);
        RegCloseKey(opened);
    }
    return count;
}

std::vector<BYTE> withZero(const std::wstring &text) {
    const auto *begin = reinterpret_cast<const BYTE *>(text.c_str());
    return {begin, begin + (text.size() + 1) * sizeof(wchar_t)};
}

const wchar_t kRun[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(StartValue, IsTheExecutablePathAndTheArgumentUnderTheRunKey) {
    const std::wstring data = native::startValueData(native::executablePath(), L"autotime");
    ASSERT_EQ(native::writeStartValue(data), std::nullopt);
    const DWORD count = valueCount(HKEY_LOCAL_MACHINE, kRun);
    const auto stored = readValue(HKEY_LOCAL_MACHINE, kRun);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, DWORD{REG_SZ});
    EXPECT_EQ(stored->bytes, withZero(native::executablePath() + L" autotime"));

    // A second press writes the same value again, beside no other.
    ASSERT_EQ(native::writeStartValue(data), std::nullopt);
    EXPECT_EQ(valueCount(HKEY_LOCAL_MACHINE, kRun), count);
    EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kRun)->bytes, stored->bytes);
}

TEST(StartValue, APathWithBlanksIsWrittenWithoutQuotes) {
    const std::wstring data =
        native::startValueData(L"C:\\Program Files\\lumo click\\lumoclick.exe", L"autotime");
    ASSERT_EQ(native::writeStartValue(data), std::nullopt);
    EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, kRun)->bytes,
              withZero(L"C:\\Program Files\\lumo click\\lumoclick.exe autotime"));
}

TEST(StartValue, AMissingKeyIsNeverCreated) {
    const wchar_t missing[] = L"Software\\lumoclick tests\\missing";
    EXPECT_EQ(native::writeStartValue(L"x autotime", native::Hive::CurrentUser, missing),
              "Failed to set data for 'lumoclick'");
    HKEY opened = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, missing, 0, KEY_READ, &opened), ERROR_SUCCESS);
}

} // namespace
