#include <gtest/gtest.h>

#include <set>

#include "sysinfo/fake_store.h"
#include "sysinfo/sys_info.h"

using namespace kestro;
using kestro::testing::FakeStore;

namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kDirKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kDir = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kProgram = kDir + "\\msinfo32.exe";
const std::string kDirProgram = kDir + "\\MSINFO32.EXE";

using Strings = std::vector<std::string>;
const Strings kUnavailable{"System Information Is Unavailable At This Time"};

// The machine around the launcher: which files exist, which programs start, what was shown.
struct Machine {
    FakeStore store;
    std::set<std::string> files, startable;
    bool systemErrors = false;  // the file test and the starter throw
    Strings fileTests, started, messages;

    void putPath(const std::string& text) { store.put(kPathKey, "PATH", {1, text + '\0'}); }
    void putDir(const std::string& text) { store.put(kDirKey, "MSINFO", {1, text + '\0'}); }
    void run() {
        StartSysInfo({&store,
                      [this](const std::string& path) {
                          if (systemErrors) throw std::runtime_error("device");
                          fileTests.push_back(path);
                          return files.count(path) > 0;
                      },
                      [this](const std::string& path) {
                          if (systemErrors) throw std::runtime_error("exec");
                          if (startable.count(path)) started.push_back(path);
                          return startable.count(path) > 0;
                      },
                      [this](std::string_view text) { messages.emplace_back(text); }});
    }
};

TEST(StartSysInfo, PathEntryStartsThatProgramWithoutReadingTheSecondEntry) {
    Machine m;
    m.putPath(kProgram);
    m.putDir(kDir);
    m.startable = {kProgram, kDirProgram};
    m.run();
    EXPECT_EQ(m.started, Strings{kProgram});
    EXPECT_EQ(m.messages, Strings{});
    EXPECT_EQ(m.store.opened, Strings{kPathKey});
    EXPECT_EQ(m.store.queried, Strings{"PATH"});
    EXPECT_TRUE(m.fileTests.empty());  // the program's own path is not tested
}

TEST(StartSysInfo, SecondEntryStartsMsinfo32InThatDirectory) {
    Machine m;
    m.putDir(kDir);
    m.files = m.startable = {kDirProgram};
    m.run();
    EXPECT_EQ(m.store.opened, (Strings{kPathKey, kDirKey}));
    EXPECT_EQ(m.fileTests, Strings{kDirProgram});
    EXPECT_EQ(m.started, Strings{kDirProgram});
    EXPECT_EQ(m.messages, Strings{});
    EXPECT_TRUE(m.store.allClosed());
}

TEST(StartSysInfo, EveryFailureEndsInTheOneMessage) {
    const std::pair<const char*, std::function<void(Machine&)>> rows[] = {
        {"neither entry", [](Machine&) {}},
        {"directory without MSINFO32.EXE",
         [](Machine& m) { m.putDir(kDir), m.startable = {kDirProgram}; }},
        {"program that does not start", [](Machine& m) { m.putPath(kProgram); }},
        {"MSINFO32.EXE that does not start",
         [](Machine& m) { m.putDir(kDir), m.files = {kDirProgram}; }},
        {"both entries longer than the buffer",
         [](Machine& m) { m.putPath(std::string(1100, 'p')), m.putDir(std::string(1100, 'd')); }},
        // No fall-back from a PATH that reads but names nothing startable, nor from an error.
        {"empty PATH",
         [](Machine& m) {
             m.putPath(""), m.putDir(kDir);
             m.files = {kDirProgram}, m.startable = {"", kDirProgram};
         }},
        {"PATH of zero size",
         [](Machine& m) {
             m.store.put(kPathKey, "PATH", {1, ""});
             m.putDir(kDir), m.files = m.startable = {kDirProgram};
         }},
        {"errors of the system",
         [](Machine& m) { m.putDir(kDir), m.systemErrors = true; }},
        {"errors of the system, PATH entry",
         [](Machine& m) { m.putPath(kProgram), m.systemErrors = true; }},
    };
    for (const auto& [what, setUp] : rows) {
        SCOPED_TRACE(what);
        Machine m;
        setUp(m);
        m.run();
        EXPECT_EQ(m.messages, kUnavailable);
        EXPECT_TRUE(m.started.empty());
        EXPECT_TRUE(m.store.allClosed());
    }
}

}  // namespace
