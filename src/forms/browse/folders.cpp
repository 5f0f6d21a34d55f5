#include "folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace kestro {

namespace {

constexpr QChar kSlash = QLatin1Char('/');

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

QString childFolder(const QString& folder, const QString& name) {
    return folder.endsWith(kSlash) ? folder + name : folder + kSlash + name;
}

bool holds(const QString& root, const QString& folder) {
    if (folder.compare(root, kPathCase) == 0) return true;
    const QString prefix = root.endsWith(kSlash) ? root : root + kSlash;
    return folder.startsWith(prefix, kPathCase);
}

}  // namespace

QString folderRoot(const QString& folder) {
    // A Windows share or drive; a cleaned absolute path of any other system starts with one
    // "/" alone, which these never take.
    if (folder.startsWith(QLatin1String("//"))) {  // //server/share/
        const qsizetype share = folder.indexOf(kSlash, 2);
        const qsizetype end = share < 0 ? -1 : folder.indexOf(kSlash, share + 1);
        return end < 0 ? folder + kSlash : folder.left(end + 1);
    }
    if (folder.size() >= 2 && folder.at(1) == QLatin1Char(':')) return folder.left(2) + kSlash;
    return QString(kSlash);
}

QStringList folderChain(const QString& folder) {
    const QString root = folderRoot(folder);
    QStringList chain{root};
    QString path = root;
    for (const QString& part : folder.mid(root.size()).split(kSlash, Qt::SkipEmptyParts)) {
        path = childFolder(path, part);
        chain << path;
    }
    return chain;
}

QStringList subFolders(const QString& folder) {
    const QStringList names =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                               QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names) paths << childFolder(folder, name);
    return paths;
}

QString folderLabel(const QString& folder) {
    if (folder == folderRoot(folder)) return nativeFolderPath(folder);
    return folder.mid(folder.lastIndexOf(kSlash) + 1);
}

QString nativeFolderPath(const QString& folder) { return QDir::toNativeSeparators(folder); }

QString cleanFolder(const QString& path) {
    QString clean = QDir::cleanPath(QDir(path).absolutePath());
    QString root = folderRoot(clean);
    // A drive root comes back as "C:" from some calls; roots always keep their separator.
    if (clean.size() < root.size()) return root;
    // Above the root is the root.
    const QString up = QStringLiteral("..");
    while (clean.mid(root.size()) == up || clean.mid(root.size()).startsWith(up + kSlash))
        clean.remove(root.size(), clean.size() == root.size() + 2 ? 2 : 3);
    return clean;
}

bool isBrowsable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && QDir(folder).isReadable();
}

QStringList driveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) roots << cleanFolder(drive.absoluteFilePath());
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid()) roots << volume.rootPath();
    }
    roots.removeAll(QString(kSlash));
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    roots.prepend(QString(kSlash));
#endif
    return roots;
}

QString rootHolding(const QString& folder, const QStringList& roots) {
    QString best;
    for (const QString& root : roots) {
        if (holds(root, folder) && root.size() > best.size()) best = root;
    }
    return best;
}

QString driveCurrentFolder(const QString& root, const QStringList& roots) {
#ifdef Q_OS_WIN
    // "C:" on its own names the drive's current folder.
    Q_UNUSED(roots);
    if (root.size() == 3 && root.at(1) == QLatin1Char(':')) {
        const QString current = cleanFolder(QFileInfo(root.left(2)).absoluteFilePath());
        if (holds(root, current)) return current;
    }
    return root;
#else
    const QString current = cleanFolder(QDir::currentPath());
    return rootHolding(current, roots) == root ? current : root;
#endif
}

}  // namespace kestro
