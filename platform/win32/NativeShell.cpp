// The shell, starting programs and the Run key on the Win32 API.

#include "platform/win32/Native.h"

#include <windows.h>

#include <shellapi.h>

namespace platform::win32 {

namespace {

bool mustQuote(const std::wstring &argument) {
    return argument.empty() || argument.find_first_of(L" \t\n\v\"") != std::wstring::npos;
}

// The C runtime's rules: backslashes are literal unless a quote follows
// them, so only those before a quote (or before the closing quote) double.
void appendQuoted(std::wstring &line, const std::wstring &argument) {
    if (!mustQuote(argument)) {
        line += argument;
        return;
    }
    line += L'"';
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            line.append(backslashes * 2 + 1, L'\\');
        else
            line.append(backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

HKEY rootOf(Hive hive) {
    return hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

} // namespace

bool openDocument(const std::wstring &address) {
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

std::wstring commandLine(const std::wstring &program, const std::vector<std::wstring> &arguments) {
    // The program's name is taken up to the closing quote, without escapes.
    std::wstring line = L"\"" + program + L"\"";
    for (const std::wstring &argument : arguments) {
        line += L' ';
        appendQuoted(line, argument);
    }
    return line;
}

bool startProgram(const std::wstring &program, const std::vector<std::wstring> &arguments) {
    std::wstring line = commandLine(program, arguments); // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                          nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

std::optional<std::string> writeStartValue(const std::wstring &data, Hive hive, std::wstring_view key) {
    const std::wstring keyName(key);
    const std::wstring valueName(kStartValueName);
    HKEY opened = nullptr;
    LSTATUS status = ::RegOpenKeyExW(rootOf(hive), keyName.c_str(), 0, KEY_ALL_ACCESS, &opened);
    if (status == ERROR_SUCCESS) {
        const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)); // with its zero
        status = ::RegSetValueExW(opened, valueName.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE *>(data.c_str()), bytes);
        ::RegCloseKey(opened);
    }
    if (status != ERROR_SUCCESS)
        return std::string("Failed to set data for 'lumoclick'");
    return std::nullopt;
}

std::wstring startValueData(const std::wstring &executable, const std::wstring &argument) {
    return executable + L" " + argument;
}

std::wstring executablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // cut short: try a larger buffer
    }
}

} // namespace platform::win32
