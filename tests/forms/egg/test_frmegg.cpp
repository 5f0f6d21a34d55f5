// The picture window: the screenshot at natural size with its top rows cut, and its tooltip.
#include <QScreen>

#include "forms/common/pictures.h"
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
        QCOMPARE(box->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(pictures::kScreenshot).convertToFormat(QImage::Format_RGB32));
        QVERIFY(!box->hasScaledContents());
        QCOMPARE(box->toolTip(), QStringLiteral("You Found An Easter Egg!"));
    }
};

QTEST_MAIN(FrmEggTest)
#include "test_frmegg.moc"
