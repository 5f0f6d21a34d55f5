// The picture window: the screenshot at natural size with its top rows cut, and its tooltip.
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>

#include "forms/egg/frmegg.h"
#include "forms/support/window_test_support.h"

using namespace kestro;
using namespace kestro::test;

class FrmEggTest : public QObject {
    Q_OBJECT

private slots:
    void screenshotCutAtTheTopWithItsTooltip() {
        frmEgg egg;
        showWindow(&egg);
        QCOMPARE(egg.windowTitle(), QStringLiteral("cl_FlushEntityPacket"));
        QCOMPARE(fixedDialogSize(&egg), QSize(638, 472));
        const QPoint screenCentre = egg.screen()->availableGeometry().center();
        // Centred before the frame is known: off by at most the frame's width.
        const QPoint offCentre = egg.frameGeometry().center() - screenCentre;
        QVERIFY(std::abs(offCentre.x()) <= 4 && std::abs(offCentre.y()) <= 4);

        // The box is the window's only control and starts four pixels above the client area.
        const QList<QWidget*> controls = egg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls, QList<QWidget*>{el(&egg, "picScreenie")});
        auto* box = el<QLabel>(&egg, "picScreenie");
        QCOMPARE(box->geometry(), QRect(0, -4, 641, 481));
        QCOMPARE(box->pixmap().size(), QSize(640, 480));
        QVERIFY(!box->hasScaledContents());


        const QPoint at(300, 200);
        QHelpEvent help(QEvent::ToolTip, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &help);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("You Found An Easter Egg!"));
        QToolTip::hideText();
    }
};

QTEST_MAIN(FrmEggTest)
#include "test_frmegg.moc"
