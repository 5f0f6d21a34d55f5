#pragma once
// The About window: product, version, credits, a disclaimer, the logo and the button that
// starts the operating system's system-information program.

#include <QWidget>
#include <string>

#include "sysinfo/sys_info.h"

class QLabel;
class QPushButton;

namespace kestro {

class frmAbout : public QWidget {
    Q_OBJECT

public:
    // On the machine's own store, file test and start (QFileInfo, QProcess without a shell),
    // which take the store's UTF-8 text and hand it to Windows as UTF-16 (CreateProcessW).
    explicit frmAbout(QWidget* parent = nullptr);
    // On the machine `services` make up; their message is the window's own.
    explicit frmAbout(SysInfoServices services, QWidget* parent = nullptr);
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
    SysInfoServices services_;
};

}  // namespace kestro
