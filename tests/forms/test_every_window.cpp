// Every window, built as the program builds it, against its reviewed reference: a text listing
// of each element (kind, place, text, items, state, help) and a picture rendered offscreen.
// Together they catch a wrong caption, item, help text, place, font or enabled state at once.
//
// KESTRO_UPDATE_REFERENCES=1 writes the references anew into tests/forms/reference instead;
// review the difference (git diff, and the pictures side by side) before committing it. A
// failing comparison leaves <window>-actual.png beside the test program.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QTreeWidget>

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
    const auto add = [&line](const QString& what, const QString& value) {
        if (!value.isEmpty()) line += QStringLiteral(" %1=\"%2\"").arg(what, value);
    };
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        add(QStringLiteral("text"), b->text());
        if (b->isCheckable()) line += b->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off");
    }
    if (auto* l = qobject_cast<const QLabel*>(w)) add(QStringLiteral("text"), l->text());
    if (auto* f = qobject_cast<const QGroupBox*>(w)) add(QStringLiteral("title"), f->title());
    if (auto* e = qobject_cast<const QLineEdit*>(w)) add(QStringLiteral("text"), e->text());
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w))
        add(QStringLiteral("text"), t->toPlainText().replace(u'\n', QStringLiteral("\\n")));
    if (auto* c = qobject_cast<const QComboBox*>(w)) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        add(QStringLiteral("items"), items.join(u'|'));
        line += QStringLiteral(" current=%1").arg(c->currentIndex());
    }
    const QFont font = w->font();
    line += QStringLiteral(" font=%1/%2%3").arg(font.family()).arg(font.pointSizeF())
                .arg(font.bold() ? QStringLiteral("/bold") : QString());
    if (!w->isEnabled()) line += QStringLiteral(" disabled");
    add(QStringLiteral("tooltip"), w->toolTip());
    add(QStringLiteral("name"), w->accessibleName());
    add(QStringLiteral("help"), w->accessibleDescription());
    return line;
}

// The elements that hold the focus one after another as Tab (or Shift+Tab) is pressed, from
// the window's first focus round to it again.
QStringList focusWalk(QWidget* window, Qt::KeyboardModifiers modifiers) {
    QStringList walk;
    QWidget* first = window->focusWidget();
    for (QWidget* w = first; w && walk.size() <= 100;) {
        walk << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab, modifiers);
        w = window->focusWidget();
        if (w == first) break;
    }
    return walk;
}

// The window and each of its named elements, one line each, in creation order.
QString listing(QWidget* window) {
    QStringList lines{QStringLiteral("%1 \"%2\" %3x%4 flags=%5")
                          .arg(window->objectName(), window->windowTitle())
                          .arg(window->width()).arg(window->height())
                          .arg(int(window->windowFlags()), 0, 16)};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            w->window() == window)
            lines << describe(w);
    }
    const QStringList tab = focusWalk(window, Qt::NoModifier);
    lines << QStringLiteral("Tab: ") + tab.join(u' ');
    QStringList backTab = focusWalk(window, Qt::ShiftModifier);
    if (!backTab.isEmpty()) std::reverse(backTab.begin() + 1, backTab.end());
    if (backTab != tab) lines << QStringLiteral("Shift+Tab, read backwards: ") + backTab.join(u' ');
    return lines.join(u'\n') + u'\n';
}

// Whether a button's caption is wider than the room its style gives the text.
bool captionCut(const QAbstractButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(b)  ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<const QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                                                : QStyle::SE_PushButtonContents;
    const QRect room = b->style()->subElementRect(contents, &option, b);
    return b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&')) > room.width();
}

// The elements whose caption does not fit their rectangle.
QStringList clipped(QWidget* window) {
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        if ((button && captionCut(button)) ||
            (label && !label->text().isEmpty() && label->pixmap().isNull() &&
             label->heightForWidth(w->width()) > w->height()))
            out << w->objectName();
    }
    return out;
}

// How many pixels differ by more than a little in any colour channel.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 24 || qAbs(qGreen(p) - qGreen(q)) > 24 ||
                qAbs(qBlue(p) - qBlue(q)) > 24)
                ++count;
        }
    }
    return count;
}

}  // namespace

class EveryWindowTest : public QObject {
    Q_OBJECT

    const QDir references_{QStringLiteral(KESTRO_REFERENCE_DIR)};
    const bool update_ = qEnvironmentVariableIsSet("KESTRO_UPDATE_REFERENCES");

    void compare(QWidget* window) {
        test::showWindow(window);
        QApplication::setActiveWindow(window);
        if (!window->focusWidget()) QTest::keyClick(window, Qt::Key_Tab);  // a first Tab
        const QString name = window->objectName();
        QCOMPARE(clipped(window).join(u' '), QString());
        const QString text = listing(window);
        const QImage picture = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString textFile = references_.filePath(name + QStringLiteral(".txt"));
        const QString pictureFile = references_.filePath(name + QStringLiteral(".png"));
        if (update_) {
            QFile out(textFile);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) > 0);
            QVERIFY(picture.save(pictureFile));
            return;
        }
        QFile in(textFile);
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(textFile));
        QCOMPARE(text, QString::fromUtf8(in.readAll()));
        const int differing = differingPixels(picture, QImage(pictureFile));
        if (differing > 8) picture.save(name + QStringLiteral("-actual.png"));
        QVERIFY2(differing <= 8, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }

private slots:
    void initTestCase() {
#ifdef Q_OS_WIN
        QSKIP("The references are drawn with the Linux style and fonts");
#endif
        setUpApplication();
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
        compare(std::make_unique<frmBrowse>([](const QString&) {}, QStringList{"/"}).get());
    }
    void about() { compare(std::make_unique<frmAbout>().get()); }
    void picture() { compare(std::make_unique<frmEgg>().get()); }
};

QTEST_MAIN(EveryWindowTest)
#include "test_every_window.moc"
