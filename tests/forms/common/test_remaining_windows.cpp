// Freeing the windows still open at the end of the run.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QtTest>

#include "forms/common/remaining_windows.h"

class RemainingWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void freesEveryWindowOnceWithWhatItOwns() {
        kestro::deleteRemainingWindows();  // none yet: nothing to do
        // Windows with lists (whose drop-downs are top-level widgets owned by the window), one
        // of them also owning a window of its own, in whatever order Qt lists them.
        QList<QPointer<QWidget>> created;
        int destroyed = 0;
        for (int i = 0; i < 4; ++i) {
            auto* window = new QWidget;
            for (int j = 0; j < 3; ++j)
                created << (new QComboBox(window))->view()->window();
            created << window;
            window->show();
        }
        auto* ownedWindow = new QWidget(created.last(), Qt::Window);
        ownedWindow->show();
        created << ownedWindow;
        for (const QPointer<QWidget>& widget : created)
            connect(widget.data(), &QObject::destroyed, this, [&destroyed] { ++destroyed; });

        kestro::deleteRemainingWindows();

        QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{});
        QCOMPARE(destroyed, created.size());
    }
};

QTEST_MAIN(RemainingWindowsTest)
#include "test_remaining_windows.moc"
