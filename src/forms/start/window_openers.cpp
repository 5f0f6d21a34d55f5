#include "window_openers.h"

#include <QPointer>

#include "forms/about/frmabout.h"
#include "forms/common/single_window.h"
#include "forms/install/frminstall.h"
#include "forms/preset/frmpreset.h"
#include "forms/install/game_search_task.h"
#include "frmstart.h"

namespace kestro {

void openPresetWindow(frmStart* mainWindow) {
    // The presets window may outlive the main window; a preset then has nothing to write to
    // and does nothing.
    QPointer<frmStart> target(mainWindow);
    SingleWindow<frmPreset>::show([target] {
        return new frmPreset([target](Preset preset) {
            if (target) target->showPreset(preset);
        });
    });
}

void openInstallWindow(frmStart* mainWindow) {
    QPointer<frmStart> source(mainWindow);
    SingleWindow<frmInstall>::show([source] {
        auto* window = new frmInstall([source]() -> std::optional<QString> {
            if (!source) return std::nullopt;
            return source->resultText();
        });
        // The window opens at once, on its own start value, and takes the first game folder
        // found here as soon as the search has it.
        window->followGameSearch(startGameSearch());
        return window;
    });
}

void openAboutWindow() {
    SingleWindow<frmAbout>::show([] { return new frmAbout; });
}

}  // namespace kestro
