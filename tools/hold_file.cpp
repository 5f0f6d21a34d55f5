// Holds a file open as a virus scanner does (reading, others may only read) for the
// milliseconds given, then closes it and waits to be ended, so that only its starter ends it.
// Once it holds the file it sets the event "kestro-hold-file" where another program made one.
// It prints when it took the file and when it let go, in milliseconds since 1970, so that a
// file's modification time shows whether a writer waited for it.
// Usage: kestro_hold_file FILE MILLISECONDS
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

unsigned long long millisecondsSince1970() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks = (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return ticks / 10000 - 11644473600000ULL;  // 100 ns ticks since 1601
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const HANDLE file = CreateFileW(argc == 3 ? argv[1] : L"", GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    if (const HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"kestro-hold-file")) SetEvent(held);
    std::printf("held %llu\n", millisecondsSince1970()), std::fflush(stdout);
    Sleep(DWORD(std::wcstoul(argv[2], nullptr, 10)));
    CloseHandle(file);
    std::printf("released %llu\n", millisecondsSince1970()), std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
