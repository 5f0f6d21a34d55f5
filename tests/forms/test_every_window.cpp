// Every window, built as the program builds it, against its reviewed reference: a text listing
// of each element (kind, place, text, items, state, help, the Tab walk) and a picture rendered
// offscreen. KESTRO_UPDATE_REFERENCES=1 writes the references anew into tests/forms/reference;
// review the difference before committing it. A failing picture leaves <window>-actual.png.
// Where a Qt version draws a window differently, the reviewed picture of that version lies in
// reference/qt<major>.<minor>/ (qt6.8/) and is the one compared, and updated, on it.
#include "forms/about/frmabout.h"
#include "forms/browse/frmbrowse.h"
#include "forms/common/application.h"
#include "forms/egg/frmegg.h"
#include "forms/install/frminstall.h"
#include "forms/preset/frmpreset.h"
#include "forms/start/frmstart.h"
#include "forms/support/window_test_support.h"

using namespace kestro;

namespace {

QString describe(const QWidget* w) {
    const QRect g = w->geometry();
    QString line = QStringLiteral("%1 %2 %3,%4 %5x%6")
                       .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))
                       .arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    const auto add = [&line](const char* what, const QString& value) {
        if (!value.isEmpty()) line += QStringLiteral(" %1=\"%2\"").arg(QLatin1String(what), value);
    };
    auto* edit = qobject_cast<const QPlainTextEdit*>(w);
    add("text", edit ? edit->toPlainText().replace(u'\n', QStringLiteral("\\n")) : w->property("text").toString());
    if (auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable())
        line += b->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off");
    if (auto* f = qobject_cast<const QGroupBox*>(w)) add("title", f->title());
    if (auto* l = qobject_cast<const QLabel*>(w); l && l->buddy())
        add("buddy", l->buddy()->objectName());
    if (auto* b = qobject_cast<const QPushButton*>(w); b && (b->isDefault() || b->autoDefault()))
        line += b->isDefault() ? QStringLiteral(" default") : QStringLiteral(" autodefault");
    if (auto* c = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        add("items", items.join(u'|'));
        line += QStringLiteral(" current=%1").arg(c->currentIndex());
    }
    const QFont font = w->font();
    line += QStringLiteral(" font=%1/%2%3").arg(font.family()).arg(font.pointSizeF())
                .arg(font.bold() ? QStringLiteral("/bold") : QString());
    if (!w->isEnabled()) line += QStringLiteral(" disabled");
    add("tooltip", w->toolTip());
    add("name", w->accessibleName());
    add("help", w->accessibleDescription());
    return line;
}

// The elements holding the focus as Tab is pressed, round to the first again (Shift+Tab walks
// the same chain back: Qt links the two).
QStringList focusWalk(QWidget* window) {
    QStringList walk;
    QWidget* first = window->focusWidget();
    for (QWidget* w = first; w && walk.size() <= 100 && (walk.isEmpty() || w != first);
         w = window->focusWidget()) {
        walk << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return walk;
}

QString listing(QWidget* window) {
    const QList<QSize> icon = window->windowIcon().availableSizes();  // none when not found
    QStringList lines{QStringLiteral("%1 \"%2\" %3x%4 flags=%5 icon=%6x%7")
                          .arg(window->objectName(), window->windowTitle())
                          .arg(window->width()).arg(window->height())
                          .arg(int(window->windowFlags()), 0, 16)
                          .arg(icon.value(0).width()).arg(icon.value(0).height())};
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            w->window() == window)
            lines << describe(w);
    lines << QStringLiteral("Tab: ") + focusWalk(window).join(u' ');
    return lines.join(u'\n') + u'\n';
}

// How many pixels differ by more than a little in any colour channel.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += qAbs(qRed(p) - qRed(q)) > 24 || qAbs(qGreen(p) - qGreen(q)) > 24 ||
                     qAbs(qBlue(p) - qBlue(q)) > 24;
        }
    return count;
}

}  // namespace

class EveryWindowTest : public QObject {
    Q_OBJECT

    // `centred`: whether the window opens in the middle of the screen's free area.
    void compare(QWidget* window, bool centred = true) {
#ifdef Q_OS_WIN
        QSKIP("The references are drawn with the Linux style and fonts");
#endif
        test::showWindow(window)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QPoint middle = window->screen()->availableGeometry().center();
        QCOMPARE(window->frameGeometry().center() == middle, centred);
        if (!window->focusWidget()) QTest::keyClick(window, Qt::Key_Tab);  // a first Tab
        const QString text = listing(window), name = window->objectName();
        const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QFile textFile(QStringLiteral(KESTRO_REFERENCE_DIR "/") + name + QStringLiteral(".txt"));
        QString pictureFile = QStringLiteral(KESTRO_QT_REFERENCE_DIR "/") + name + QStringLiteral(".png");
        if (!QFile::exists(pictureFile)) pictureFile = QStringLiteral(KESTRO_REFERENCE_DIR "/") + name + QStringLiteral(".png");
        if (qEnvironmentVariableIsSet("KESTRO_UPDATE_REFERENCES")) {
            QVERIFY(textFile.open(QIODevice::WriteOnly) && textFile.write(text.toUtf8()) > 0 &&
                    picture.save(pictureFile));
            return;
        }
        QVERIFY2(textFile.open(QIODevice::ReadOnly), qPrintable(textFile.fileName()));
        QCOMPARE(text, QString::fromUtf8(textFile.readAll()));
        const int differing = differingPixels(picture, QImage(pictureFile));
        if (differing > 8) picture.save(name + QStringLiteral("-actual.png"));
        QVERIFY2(differing <= 8, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }

private slots:
    void initTestCase() {
        setUpApplication();
        // What ties the windows to the desktop entry, its icon and name (on Wayland).
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.kestro"));
        // The browser starts in the current folder: one that is the same on every run.
        const QString folder = QDir::tempPath() + QStringLiteral("/kestro-reference/Half-Life");
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/valve")));
        QDir::setCurrent(folder);
    }

    void mainWindow() { compare(std::make_unique<frmStart>().get()); }
    void mainWindowInSoftwareModeWithNetgraph() {
        auto w = std::make_unique<frmStart>();
        test::click(test::el(w, "optSoftware"));
        test::click(test::el(w, "chkNetGraph"));
        w->setObjectName(QStringLiteral("frmStart-software-netgraph"));
        compare(w.get());
    }
    void presets() { compare(std::make_unique<frmPreset>([](Preset) {}).get()); }
    void install() {
        compare(std::make_unique<frmInstall>([] { return std::optional<QString>(); }).get());
    }
    void browser() {
        compare(std::make_unique<frmBrowse>([](const QString&) {}, QStringList{"/"}).get(), false);
    }
    void about() { compare(std::make_unique<frmAbout>().get()); }
    void picture() { compare(std::make_unique<frmEgg>().get()); }
};

QTEST_MAIN(EveryWindowTest)
#include "test_every_window.moc"
