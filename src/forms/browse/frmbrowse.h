#pragma once
// The directory browser: a drive chooser and a folder list. Whenever the current folder
// changes, its full path goes to the install window's path field.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "folders.h"

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestro {

class frmBrowse : public QWidget {
    Q_OBJECT

public:
    // `writePath` receives the current folder's full path (platform separators) on every
    // change; `drives` are the drive chooser's roots in the form folders.h describes.
    explicit frmBrowse(std::function<void(const QString&)> writePath,
                       QStringList drives = driveRoots(), QWidget* parent = nullptr);

    // The folder list's current folder, in Qt's form.
    QString currentFolder() const { return currentFolder_; }

public slots:
    void drvChange_Change();
    void dirLook_Change();
    void cmdDone_Click();

private:
    // Makes `folder` the list's current folder; false when it already was.
    bool moveTo(const QString& folder);
    void openEntry(QTreeWidgetItem* entry);
    void fillFolderList();
    // Shows the drive holding the current folder, without running drvChange_Change.
    void showDriveOfCurrentFolder();

    std::function<void(const QString&)> writePath_;
    QStringList drives_;
    QComboBox* drvChange_ = nullptr;
    QTreeWidget* dirLook_ = nullptr;
    QString currentFolder_;
};

}  // namespace kestro
