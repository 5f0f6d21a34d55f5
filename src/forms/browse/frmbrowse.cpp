#include "frmbrowse.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

#include "forms/common/form_builder.h"
#include "forms/common/window_style.h"

namespace kestro {

namespace {

using K = ElementKind;

// Left, top, width, height in twips, in focus order.
constexpr ElementSpec kElements[]{
    {.name = "drvChange", .kind = K::List, .rect = {120, 120, 2835, 315}},
    {.name = "dirLook", .kind = K::FolderList, .rect = {120, 480, 2835, 2790}},
    {.name = "Label1", .kind = K::Label, .rect = {120, 3360, 1935, 435},
     .caption = "Please browse to your Half-Life directory.", .emphasis = Emphasis::Bold},
    {.name = "cmdDone", .kind = K::Button, .rect = {2220, 3360, 735, 435}, .caption = "Done"},
};

constexpr int kPathRole = Qt::UserRole;

}  // namespace

frmBrowse::frmBrowse(std::function<void(const QString&)> writePath, QStringList drives,
                     QWidget* parent)
    : QWidget(parent), writePath_(std::move(writePath)), drives_(std::move(drives)) {
    setObjectName(QStringLiteral("frmBrowse"));
    setWindowTitle(QStringLiteral("Browse"));
    // No icon of its own: a blank one keeps the application's icon off this window.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));
    // Placed where the system places new windows: no move of our own.
    useFixedDialogBorder(this, twipsSize(3075, 3930));

    const Elements elements = buildElements(this, kElements);
    drvChange_ = elements.get<QComboBox>("drvChange");
    dirLook_ = elements.get<QTreeWidget>("dirLook");
    drvChange_->setAccessibleName(QStringLiteral("Drive"));
    dirLook_->setAccessibleName(QStringLiteral("Folder"));
    for (const QString& root : drives_) drvChange_->addItem(nativeFolderPath(root), root);

    // The process's current folder, shown without writing anything.
    currentFolder_ = cleanFolder(QDir::currentPath());
    fillFolderList();
    showDriveOfCurrentFolder();

    connect(drvChange_, &QComboBox::currentIndexChanged, this, &frmBrowse::drvChange_Change);
    connect(dirLook_, &QTreeWidget::itemDoubleClicked, this, &frmBrowse::openEntry);
    // Enter opens the highlighted entry, as a double click does.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(key), dirLook_, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, this, [this] { openEntry(dirLook_->currentItem()); });
    }
    connect(elements.get<QPushButton>("cmdDone"), &QPushButton::clicked, this,
            &frmBrowse::cmdDone_Click);
}

void frmBrowse::drvChange_Change() {
    const QString root = drvChange_->currentData(kPathRole).toString();
    const QString folder = driveCurrentFolder(root, drives_);
    if (!isBrowsable(folder)) {
        // A drive that cannot be read (no medium, no access): back to the drive the folder
        // list is on, and nothing written.
        QApplication::beep();
        showDriveOfCurrentFolder();
        return;
    }
    if (moveTo(folder)) dirLook_Change();
}

void frmBrowse::dirLook_Change() { writePath_(nativeFolderPath(currentFolder_)); }

void frmBrowse::cmdDone_Click() { close(); }

bool frmBrowse::moveTo(const QString& folder) {
    if (folder == currentFolder_) return false;
    currentFolder_ = folder;
    fillFolderList();
    showDriveOfCurrentFolder();
    return true;
}

void frmBrowse::openEntry(QTreeWidgetItem* entry) {
    if (!entry) return;
    const QString folder = entry->data(0, kPathRole).toString();
    if (!isBrowsable(folder)) {
        // Gone or closed to us since the list was filled: show what is there now.
        QApplication::beep();
        fillFolderList();
        return;
    }
    if (moveTo(folder)) dirLook_Change();
}

void frmBrowse::fillFolderList() {
    dirLook_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto addEntry = [this](QTreeWidgetItem* parent, const QString& folder, const QIcon& icon) {
        auto* entry = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(dirLook_);
        entry->setText(0, folderLabel(folder));
        entry->setData(0, kPathRole, folder);
        entry->setIcon(0, icon);
        return entry;
    };
    QTreeWidgetItem* current = nullptr;
    for (const QString& folder : folderChain(currentFolder_)) current = addEntry(current, folder, open);
    for (const QString& folder : subFolders(currentFolder_)) addEntry(current, folder, closed);
    dirLook_->expandAll();
    dirLook_->setCurrentItem(current);
    dirLook_->scrollToItem(current);
}

void frmBrowse::showDriveOfCurrentFolder() {
    const QSignalBlocker quiet(drvChange_);
    drvChange_->setCurrentIndex(drvChange_->findData(rootHolding(currentFolder_, drives_), kPathRole));
}

}  // namespace kestro
