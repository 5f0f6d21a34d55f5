#pragma once
// The About window: product, version, credits, a disclaimer, the logo and the button that
// starts the operating system's system-information program.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "sysinfo/settings_store.h"

class QLabel;
class QPushButton;

namespace kestro {

// What "System Info..." needs from the machine: the settings store, a file test and a way to
// start a program. Tests pass their own.
struct SysInfoPlatform {
    std::unique_ptr<SettingsStore> store;
    std::function<bool(const std::string& path)> fileExists;
    std::function<bool(const std::string& path)> startProgram;  // false: did not start

    // The real ones: the platform's store, QFileInfo and QProcess::startDetached (no shell).
    static SysInfoPlatform system();
};

class frmAbout : public QWidget {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    explicit frmAbout(SysInfoPlatform platform, QWidget* parent = nullptr);
    ~frmAbout() override;

    // Starts the system-information program, or says that it is unavailable.
    void StartSysInfo();
    // Reads one value of the settings store (see key_value.h).
    bool GetKeyValue(StoreRoot KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void imgIcon_DblClick();
    void imgIconx_DblClick();
    void lblVersion_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* imgIcon_ = nullptr;
    QLabel* imgIconx_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    SysInfoPlatform platform_;
};

}  // namespace kestro
