#include <gtest/gtest.h>

#include <set>

#include "fake_store.h"
#include "forms/about/sys_info.h"

using namespace kestro;
using kestro::testing::FakeStore;
using kestro::testing::StoredValue;

namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kDirKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kProgram = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string kDir = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kDirProgram =
    "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\MSINFO32.EXE";

StoredValue text(const std::string& s) { return {1, s + '\0'}; }

// The machine around the launcher: which files exist, which programs start, what was shown.
class Machine {
public:
    FakeStore store;
    std::set<std::string> files;
    std::set<std::string> startable;
    std::vector<std::string> fileTests;
    std::vector<std::string> started;
    std::vector<std::string> messages;

    void run() {
        SysInfoServices services;
        services.store = &store;
        services.fileExists = [this](const std::string& path) {
            fileTests.push_back(path);
            return files.count(path) > 0;
        };
        services.startProgram = [this](const std::string& path) {
            if (!startable.count(path)) return false;
            started.push_back(path);
            return true;
        };
        services.showMessage = [this](std::string_view text) { messages.emplace_back(text); };
        StartSysInfo(services);
    }
};

const std::vector<std::string> kUnavailable{"System Information Is Unavailable At This Time"};
const std::vector<std::string> kNone{};

TEST(StartSysInfo, PathEntryStartsThatProgramWithoutReadingTheSecondEntry) {
    Machine m;
    m.store.put(kPathKey, "PATH", text(kProgram));
    m.store.put(kDirKey, "MSINFO", text(kDir));
    m.startable = {kProgram, kDirProgram};
    m.run();
    EXPECT_EQ(m.started, std::vector<std::string>{kProgram});
    EXPECT_EQ(m.messages, kNone);
    EXPECT_EQ(m.store.opened, std::vector<std::string>{kPathKey});
    EXPECT_EQ(m.store.queried, std::vector<std::string>{"PATH"});
    EXPECT_TRUE(m.fileTests.empty());  // the program's own path is not tested
}

TEST(StartSysInfo, SecondEntryStartsMsinfo32InThatDirectory) {
    Machine m;
    m.store.put(kDirKey, "MSINFO", text(kDir));
    m.files = {kDirProgram};
    m.startable = {kDirProgram};
    m.run();
    EXPECT_EQ(m.store.opened, (std::vector<std::string>{kPathKey, kDirKey}));
    EXPECT_EQ(m.fileTests, std::vector<std::string>{kDirProgram});
    EXPECT_EQ(m.started, std::vector<std::string>{kDirProgram});
    EXPECT_EQ(m.messages, kNone);
    EXPECT_TRUE(m.store.allClosed());
}

TEST(StartSysInfo, EveryFailureEndsInTheOneMessage) {
    struct Row {
        const char* what;
        std::function<void(Machine&)> setUp;
    };
    const Row rows[] = {
        {"neither entry", [](Machine&) {}},
        {"keys without the values",
         [](Machine& m) {
             m.store.putKey(kPathKey);
             m.store.putKey(kDirKey);
         }},
        {"directory without MSINFO32.EXE",
         [](Machine& m) {
             m.store.put(kDirKey, "MSINFO", text(kDir));
             m.startable = {kDirProgram};
         }},
        {"program that does not start",
         [](Machine& m) { m.store.put(kPathKey, "PATH", text(kProgram)); }},
        {"MSINFO32.EXE that does not start",
         [](Machine& m) {
             m.store.put(kDirKey, "MSINFO", text(kDir));
             m.files = {kDirProgram};
         }},
        {"both entries longer than the buffer",
         [](Machine& m) {
             m.store.put(kPathKey, "PATH", text(std::string(1100, 'p')));
             m.store.put(kDirKey, "MSINFO", text(std::string(1100, 'd')));
         }},
        // No fall-back from a PATH that reads but names nothing startable.
        {"empty PATH",
         [](Machine& m) {
             m.store.put(kPathKey, "PATH", text(""));
             m.store.put(kDirKey, "MSINFO", text(kDir));
             m.files = {kDirProgram};
             m.startable = {"", kDirProgram};
         }},
        {"PATH of another type",
         [](Machine& m) {
             m.store.put(kPathKey, "PATH", {3, kProgram});
             m.store.put(kDirKey, "MSINFO", text(kDir));
             m.files = {kDirProgram};
             m.startable = {"", kProgram, kDirProgram};
         }},
        {"PATH of zero size",
         [](Machine& m) {
             m.store.put(kPathKey, "PATH", {1, ""});
             m.store.put(kDirKey, "MSINFO", text(kDir));
             m.files = {kDirProgram};
             m.startable = {kDirProgram};
         }},
        {"MSINFO of zero size",
         [](Machine& m) {
             m.store.put(kDirKey, "MSINFO", {1, ""});
             m.files = {"\\MSINFO32.EXE"};
             m.startable = {"\\MSINFO32.EXE"};
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Machine m;
        row.setUp(m);
        m.run();
        EXPECT_EQ(m.messages, kUnavailable);
        EXPECT_TRUE(m.started.empty());
        EXPECT_TRUE(m.store.allClosed());
    }
}

TEST(StartSysInfo, NumberPathIsStartedAsItsDecimalText) {
    Machine m;
    m.store.put(kPathKey, "PATH", {4, std::string("\x03\x02\x01\x00", 4)});
    m.startable = {"291"};
    m.run();
    EXPECT_EQ(m.started, std::vector<std::string>{"291"});
    EXPECT_EQ(m.messages, kNone);
}

TEST(StartSysInfo, ErrorsRaisedByTheMachineEndInTheMessage) {
    Machine m;
    m.store.put(kDirKey, "MSINFO", text(kDir));
    SysInfoServices services;
    services.store = &m.store;
    services.fileExists = [](const std::string&) -> bool { throw std::runtime_error("device"); };
    services.startProgram = [](const std::string&) { return true; };
    std::vector<std::string> messages;
    services.showMessage = [&](std::string_view text) { messages.emplace_back(text); };
    StartSysInfo(services);
    EXPECT_EQ(messages, kUnavailable);

    messages.clear();
    m.store.put(kPathKey, "PATH", text(kProgram));
    services.startProgram = [](const std::string&) -> bool { throw std::runtime_error("exec"); };
    StartSysInfo(services);
    EXPECT_EQ(messages, kUnavailable);
}

}  // namespace
