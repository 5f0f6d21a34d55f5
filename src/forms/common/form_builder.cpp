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
#ifdef Q_OS_WIN
    // A Windows without Arial (Wine has none) takes Liberation Sans, which shares its metrics,
    // rather than whatever face comes first; elsewhere the font configuration maps it.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
#endif
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
    case ElementKind::List:
        return new QComboBox(container);
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

ElementMap buildElements(QWidget* window, std::span<const ElementSpec> table) {
    ElementMap elements;
    QButtonGroup* options = nullptr;
    QWidget* previousFocus = nullptr;
    for (const ElementSpec& row : table) {
        QWidget* container = *row.container ? elements.value(QString::fromUtf8(row.container))
                                             : window;
        Q_ASSERT_X(container, row.name, "container must come earlier in the table");
        QWidget* element = createElement(row, container, options);
        element->setObjectName(QString::fromUtf8(row.name));
        element->setGeometry(row.rect.toPixels());
        if (row.emphasis != Emphasis::Regular) element->setFont(formFont(row.emphasis));
        elements.insert(element->objectName(), element);
        if (element->focusPolicy() != Qt::NoFocus) {
            if (previousFocus) QWidget::setTabOrder(previousFocus, element);
            previousFocus = element;
        }
    }
    return elements;
}

}  // namespace kestro
