#include "form_builder.h"

#include "caption_frame.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace kestro {

QFont formFont(Emphasis emphasis) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(emphasis == Emphasis::BoldLarge ? 9.75 : 8.25);
    font.setBold(emphasis != Emphasis::Regular);
    return font;
}

namespace {

QWidget* createElement(const ElementSpec& row, QWidget* container, QButtonGroup*& options) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ElementKind::Frame:
        return new CaptionFrame(caption, container);
    case ElementKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ElementKind::CheckBox:
        return new QCheckBox(caption, container);
    case ElementKind::OptionButton: {
        auto* button = new QRadioButton(caption, container);
        if (options == nullptr) options = new QButtonGroup(container->window());
        options->addButton(button);
        return button;
    }
    case ElementKind::List: {
        auto* list = new QComboBox(container);
        if (*row.caption) list->addItems(caption.split(QLatin1Char('|')));
        list->setCurrentIndex(-1);  // nothing selected until the window selects an item
        return list;
    }
    case ElementKind::TextField:
        return new QLineEdit(caption, container);
    case ElementKind::TextBox: {
        auto* box = new QPlainTextEdit(caption, container);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return box;
    }
    case ElementKind::Button:
        return new QPushButton(caption, container);
    case ElementKind::Separator: {
        auto* line = new QFrame(container);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    case ElementKind::Image: {
        auto* image = new QLabel(container);
        image->setPixmap(QPixmap(caption));
        image->setScaledContents(true);
        return image;
    }
    case ElementKind::PictureBox: {
        auto* picture = new QLabel(container);
        picture->setPixmap(QPixmap(caption));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ElementKind::Line: {
        auto* line = new QWidget(container);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, QColor(caption));
        line->setPalette(palette);
        line->setAutoFillBackground(true);
        return line;
    }
    case ElementKind::FolderList: {
        // A chain of folders, each inside the one before, with the sub-folders of the last:
        // the window fills it; nothing in it folds away.
        auto* list = new QTreeWidget(container);
        list->setColumnCount(1);
        list->setHeaderHidden(true);
        list->setRootIsDecorated(false);
        list->setItemsExpandable(false);
        list->setExpandsOnDoubleClick(false);
        list->setUniformRowHeights(true);
        list->setIndentation(10);
        list->setStyleSheet(QStringLiteral("QTreeView::branch { image: none; }"));
        return list;
    }
    }
    return nullptr;
}

}  // namespace

void Elements::add(QWidget* element) {
    byName_.insert(element->objectName(), element);
    ordered_.append(element);
}

void Elements::missing(const char* name) {
    qFatal("The window has no element %s of the kind its code expects", name);
}

Elements buildElements(QWidget* window, std::span<const ElementSpec> table) {
    Elements elements;
    QButtonGroup* options = nullptr;
    QWidget* previousFocus = nullptr;
    for (const ElementSpec& row : table) {
        QWidget* container = *row.container ? elements.get(row.container) : window;
        QWidget* element = createElement(row, container, options);
        element->setObjectName(QString::fromLatin1(row.name));
        element->setGeometry(row.rect.toPixels());
        if (row.emphasis != Emphasis::Regular) element->setFont(formFont(row.emphasis));
        // What a screen reader says of the element is the help the window shows for it.
        if (row.help) element->setAccessibleDescription(QString::fromUtf8(row.help));
        elements.add(element);
        if (element->focusPolicy() != Qt::NoFocus) {
            if (previousFocus) QWidget::setTabOrder(previousFocus, element);
            previousFocus = element;
        }
    }
    return elements;
}

}  // namespace kestro
