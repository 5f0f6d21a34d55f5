#pragma once
// The install window: game directory, the mods to install to, and "Install".

#include <QFuture>
#include <QFutureWatcher>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "game/game_search.h"
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

    // Replaces the whole path field (the browser's way in), as the player's own choice.
    void setGameDirectory(const QString& path);

    // Puts the first folder that `search` finds into the path field, now if it has one
    // already, else when it comes; never once the player has typed or browsed there.
    void followGameSearch(const QFuture<GameFolder>& search);

public slots:
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();

private:
    TickedRows tickedRows() const;
    void offerGameDirectory(const GameFolder& found);

    std::function<std::optional<QString>()> resultText_;
    QLineEdit* txtFileName_ = nullptr;
    QList<std::pair<QCheckBox*, std::size_t>> modBoxes_;  // with their row of kInstallMods
    QFutureWatcher<GameFolder> search_;
    bool playerChoseFolder_ = false;
};

// The messages of "Install" (a failure tells kInstallFailedMessage of install_config.h).
extern const char* const kInstalledMessage;
extern const char* const kCannotInstallTitle;
extern const char* const kNoConfigMessage;

}  // namespace kestro
