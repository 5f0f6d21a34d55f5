// The yardstick: a plain Qt window with as many controls of each kind as the main window,
// in the same frames and places, but with Qt's default font and style, placeholder captions,
// empty lists, no rules, no icon and no centring. It ends at its first complete frame.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "first_paint.h"
#include "forms/start/frmstart_elements.h"

namespace {

QWidget* plainControl(const kestro::ElementSpec& row, QWidget* parent) {
    const QString caption = QString::fromLatin1(row.name);
    using K = kestro::ElementKind;
    switch (row.kind) {
    case K::Frame: return new QGroupBox(caption, parent);
    case K::Label: return new QLabel(caption, parent);
    case K::CheckBox: return new QCheckBox(caption, parent);
    case K::OptionButton: return new QRadioButton(caption, parent);
    case K::List: return new QComboBox(parent);
    case K::TextField: return new QLineEdit(parent);
    case K::TextBox: return new QPlainTextEdit(parent);
    case K::Button: return new QPushButton(caption, parent);
    case K::Separator: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        return line;
    }
    default:  // kinds the main window does not use
        return new QWidget(parent);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    auto* window = new QWidget;
    window->resize(kestro::twipsSize(kestro::kStartClientWidth, kestro::kStartClientHeight));
    QHash<QString, QWidget*> byName;
    for (const kestro::StartElement& element : kestro::startElements()) {
        const kestro::ElementSpec& row = element.element;
        QWidget* parent = *row.container ? byName.value(QString::fromLatin1(row.container)) : window;
        QWidget* control = plainControl(row, parent);
        control->setGeometry(row.rect.toPixels());
        byName.insert(QString::fromLatin1(row.name), control);
    }
    new kestro::bench::FirstPaintReporter(window);
    window->show();
    const int status = QApplication::exec();
    delete window;
    return status;
}
