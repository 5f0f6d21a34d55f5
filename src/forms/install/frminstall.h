#pragma once
// The install window: game directory, the mods to install to, and "Install".

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "install/install_table.h"

class QCheckBox;
class QLineEdit;

namespace kestro {

class frmInstall : public QWidget {
    Q_OBJECT

public:
    // `resultText` yields the main window's result box text (CRLF line breaks) at the moment
    // of installing, or nothing once the main window is gone.
    explicit frmInstall(std::function<std::optional<QString>()> resultText,
                        QWidget* parent = nullptr);

    // Replaces the whole path field (the browser's way in).
    void setGameDirectory(const QString& path);

public slots:
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();

private:
    TickedRows tickedRows() const;

    std::function<std::optional<QString>()> resultText_;
    QLineEdit* txtFileName_ = nullptr;
    QList<std::pair<QCheckBox*, std::size_t>> modBoxes_;  // with their row of kInstallMods
};

// The messages of "Install".
extern const char* const kInstalledMessage;
extern const char* const kModsNotFoundMessage;
extern const char* const kCannotInstallTitle;
extern const char* const kNoConfigMessage;

}  // namespace kestro
