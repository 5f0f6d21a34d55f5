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
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <limits>

namespace kestro {

QFont formFont(Emphasis emphasis) {
#ifdef Q_OS_WIN
    // A Windows without Arial (Wine has none) takes Liberation Sans, which shares its metrics,
    // rather than whatever face comes first; elsewhere the font configuration maps it.
    [[maybe_unused]] static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
#endif
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(emphasis == Emphasis::BoldLarge ? 9.75 : 8.25);
    font.setBold(emphasis != Emphasis::Regular);
    return font;
}

namespace {

// Whether a check box or option button shows its whole caption in its rectangle.
bool captionFits(const QAbstractButton* button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return button->fontMetrics().horizontalAdvance(button->text()) <= room.width();
}

// A caption wider than its box (the metrics of the fonts at hand are not those the window
// was laid out with) widens the box to its natural size, as far as its container has room.
void widenToCaption(QAbstractButton* button, QStyle::SubElement contents) {
    if (captionFits(button, contents)) return;
    const int room = button->parentWidget()->width() - button->x();
    button->resize(qMin(button->sizeHint().width(), room), button->height());
}

void setUpElement(QWidget* element, const ElementSpec& row) {
    if (auto* box = qobject_cast<QCheckBox*>(element))
        widenToCaption(box, QStyle::SE_CheckBoxContents);
    if (auto* button = qobject_cast<QRadioButton*>(element))
        widenToCaption(button, QStyle::SE_RadioButtonContents);
    // What a screen reader says of the element is the help the window shows for it.
    if (row.help) element->setAccessibleDescription(QString::fromUtf8(row.help));
}

// A label that comes right before a list or text field in the table names it: it is its
// buddy and gives it its accessible name.
void nameAfterLabel(QWidget* element, QWidget* previous) {
    auto* label = qobject_cast<QLabel*>(previous);
    if (!label || !(qobject_cast<QComboBox*>(element) || qobject_cast<QLineEdit*>(element))) return;
    label->setBuddy(element);
    element->setAccessibleName(label->text());
}

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
        // The group is one Tab stop, its selected button, as everywhere else; the arrows move
        // the selection. Only the selected button takes the focus by Tab, from either side.
        button->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(button, &QRadioButton::toggled, button, [button](bool selected) {
            button->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
        return button;
    }
    case ElementKind::List: {
        auto* list = new QComboBox(container);
        if (*row.caption) list->addItems(caption.split(QLatin1Char('|')));
        list->setCurrentIndex(-1);  // nothing selected until the window selects an item
        return list;
    }
    case ElementKind::TextField: {
        auto* field = new QLineEdit(caption, container);
        field->setMaxLength(std::numeric_limits<int>::max());  // any text, however long
        return field;
    }
    case ElementKind::TextBox: {
        auto* box = new QPlainTextEdit(caption, container);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);  // Tab moves on, as in every other control
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
        setUpElement(element, row);
        if (!elements.inTableOrder().isEmpty())
            nameAfterLabel(element, elements.inTableOrder().last());
        elements.add(element);
        if (element->focusPolicy() != Qt::NoFocus) {
            if (previousFocus) QWidget::setTabOrder(previousFocus, element);
            previousFocus = element;
        }
    }
    return elements;
}

}  // namespace kestro
