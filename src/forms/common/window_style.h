#pragma once
// The two window borders the program uses, and centring on the screen.

class QWidget;
class QSize;

namespace kestro {

// Fixed single border: not resizable, minimize box, task-bar button (the main window).
void useFixedSingleBorder(QWidget* window, const QSize& clientSize);
// Fixed dialog border: not resizable, close box only, no task-bar button; still a window of
// its own, which stays when the main window closes or is minimised.
void useFixedDialogBorder(QWidget* window, const QSize& clientSize);
void centreOnScreen(QWidget* window);

}  // namespace kestro
