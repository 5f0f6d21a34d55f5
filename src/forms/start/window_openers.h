#pragma once
// The buttons of the main window that show another window. Each window exists at most once:
// a press while it is open brings it to the front.

namespace kestro {

class frmStart;

void openPresetWindow(frmStart* mainWindow);
void openInstallWindow(frmStart* mainWindow);
void openAboutWindow();

}  // namespace kestro
