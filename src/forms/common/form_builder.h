#pragma once
// Builds a window's elements from a table: kind, container, caption and place in twips.
// Every window keeps its geometry as such a table, in the order of its keyboard focus.

#include <QFont>
#include <QHash>
#include <QString>
#include <span>

#include "twips.h"

class QWidget;

namespace kestro {

enum class ElementKind {
    Frame,         // QGroupBox with a caption
    Label,         // QLabel, word-wrapped inside its rectangle
    CheckBox,
    OptionButton,  // QRadioButton; all option buttons of one window form one group
    List,          // pick-only QComboBox
    TextField,     // single-line QLineEdit
    TextBox,       // multi-line QPlainTextEdit with a vertical scroll bar
    Button,
    Separator,     // etched horizontal line
    Image,         // a picture stretched to the rectangle; caption: the picture's resource path
    PictureBox,    // a picture at its natural size from the top-left corner, cut at the edges;
                   // caption: the picture's resource path
    Line,          // a solid line filling the rectangle (its height is the line's thickness);
                   // caption: the colour, "#rrggbb"
    FolderList,    // QTreeWidget of one column without header, every level shown open
};

enum class Emphasis { Regular, Bold, BoldLarge };

struct ElementSpec {
    const char* name;
    ElementKind kind;
    const char* container;  // "" for the window's client area
    const char* caption;    // "" when the window sets it from elsewhere; for pictures and
                            // lines see ElementKind
    TwipsRect rect;
    Emphasis emphasis = Emphasis::Regular;
};

using ElementMap = QHash<QString, QWidget*>;

// The 8.25-point sans-serif face the windows use for their texts.
QFont formFont(Emphasis emphasis = Emphasis::Regular);

// Creates the elements in table order (which is also their focus order and, among siblings,
// their stacking order: later ones lie on top), names them, places them and returns them by
// name.
ElementMap buildElements(QWidget* window, std::span<const ElementSpec> table);

}  // namespace kestro
