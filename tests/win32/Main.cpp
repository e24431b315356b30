// The test runner; started with --write-arguments FILE ARGS... it is instead
// the program that the start tests launch: it writes the arguments it got,
// split by CommandLineToArgvW, one per line in UTF-8, to FILE.

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

std::string utf8(const wchar_t *text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

int writeArguments(wchar_t **arguments, int count) {
    // Written aside and renamed, so that the waiting test never reads half a file.
    const std::wstring target = arguments[2];
    const std::wstring aside = target + L".tmp";
    {
        std::ofstream file(aside.c_str(), std::ios::binary);
        for (int i = 3; i < count; ++i)
            file << utf8(arguments[i]) << '\n';
    }
    return MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments != nullptr && count >= 3 && std::wstring(arguments[1]) == L"--write-arguments")
        return writeArguments(arguments, count);
    LocalFree(arguments);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
