#pragma once
// What the browser needs to know about drives and folders, as plain functions.
//
// Folders are absolute, clean paths in Qt's form ("/" separators): a root ends in "/"
// ("/", "C:/"), any other folder has no trailing separator. nativeFolderPath() turns them
// into what the path field shows.

#include <QString>
#include <QStringList>

namespace kestro {

// The root that `folder` lies under: "/", or on Windows "C:/" or "//server/share/".
QString folderRoot(const QString& folder);

// The folder's ancestors from its root down, then the folder itself.
QStringList folderChain(const QString& folder);

// The folder's immediate sub-folders (hidden ones too: a game may well live under one) as
// full paths, sorted by name regardless of case. Empty when the folder cannot be listed.
QStringList subFolders(const QString& folder);

// The entry the folder list shows: a root in full, any other folder by its own name.
QString folderLabel(const QString& folder);

// The full path with the platform's separators, a root keeping its trailing one.
QString nativeFolderPath(const QString& folder);

// The folder, cleaned and absolute, in the form above.
QString cleanFolder(const QString& path);

// Whether the folder exists and can be listed.
bool isBrowsable(const QString& folder);

// The drive roots the drive chooser offers: the mounted file systems' roots with "/" first,
// or on Windows the drive letters.
QStringList driveRoots();

// Among `roots`, the one holding `folder` (the longest that contains it); empty if none.
QString rootHolding(const QString& folder, const QStringList& roots);

// Where the folder list goes when drive `root` is chosen: the drive's current folder. On
// Windows that is the system's current folder of the drive; elsewhere the process's
// current folder when it lies on that drive, else the drive's root.
QString driveCurrentFolder(const QString& root, const QStringList& roots);

}  // namespace kestro
