#pragma once
// Builds a window's elements from its table: one row per element with everything about it
// (name, kind, container, place in twips, caption or items, emphasis, help text). Every
// window keeps its elements as such a table, in the order of its keyboard focus.

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <algorithm>
#include <span>
#include <vector>

#include "twips.h"

class QWidget;

namespace kestro {

enum class ElementKind {
    Frame,         // a frame with its caption on the border
    Label,         // QLabel, word-wrapped inside its rectangle
    CheckBox,
    OptionButton,  // QRadioButton; all option buttons of one window form one group
    List,          // pick-only QComboBox; caption: the items, separated by '|'
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

// Rows name their fields (`{.name = "cmdOK", .kind = ElementKind::Button, ...}`) and state
// only what the element has.
struct ElementSpec {
    const char* name;
    ElementKind kind;
    const char* container = "";  // the window's client area, else an earlier frame's name
    TwipsRect rect;              // relative to the container
    const char* caption = "";    // see ElementKind for lists, pictures and lines
    Emphasis emphasis = Emphasis::Regular;
    const char* help = nullptr;  // what the element is for, in the window's own words
};

// A window's elements as built from its table, by name and in table order.
class Elements {
public:
    // The element `name` as a T. A name that is not in the table, or an element of another
    // kind, is a fault in the window's own code: it stops the program at once with a message
    // naming the element (the test that builds every window shows it).
    template <class T = QWidget>
    T* get(const char* name) const {
        T* element = qobject_cast<T*>(byName_.value(QString::fromLatin1(name)));
        if (!element) missing(name);
        return element;
    }
    const QList<QWidget*>& inTableOrder() const { return ordered_; }
    void add(QWidget* element);

private:
    [[noreturn]] static void missing(const char* name);

    QHash<QString, QWidget*> byName_;
    QList<QWidget*> ordered_;
};

// The 8.25-point sans-serif face the windows use for their texts.
QFont formFont(Emphasis emphasis = Emphasis::Regular);

// Creates the elements in table order (which is also their focus order and, among siblings,
// their stacking order: later ones lie on top), names them after their rows and places them.
Elements buildElements(QWidget* window, std::span<const ElementSpec> table);

// The same for a table whose rows hold an ElementSpec and more about the element.
template <class Table, class Row>
Elements buildElements(QWidget* window, const Table& table, ElementSpec Row::*element) {
    std::vector<ElementSpec> specs(std::size(table));
    std::ranges::transform(table, specs.begin(), [element](const Row& row) { return row.*element; });
    return buildElements(window, specs);
}

}  // namespace kestro
