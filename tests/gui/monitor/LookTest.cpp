#include "MonitorTestFixture.h"

#include "gui/app/Resources.h"

#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace {
TEST(IconTest, EveryIconRendersAtTrayAndButtonSizes) {
    InitCorvellanResources();
    for (const char* id : {"128", "131", "136", "146", "147", "148", "150", "151"}) {
        const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(id)));
        for (int size : {16, 32}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_FALSE(image.isNull()) << id << " at " << size << " (is the SVG plug-in installed?)";
            EXPECT_NE(image.pixelColor(size / 2, size / 2).alpha(), 0) << id << " is blank in the middle";
        }
    }
}

TEST(IconTest, RunningAndStoppedTrayIconsDifferAtSixteenPixels) {
    InitCorvellanResources();
    const QImage running = QIcon(QStringLiteral(":/icons/131.svg")).pixmap(16, 16).toImage();
    const QImage stopped = QIcon(QStringLiteral(":/icons/136.svg")).pixmap(16, 16).toImage();
    EXPECT_NE(running, stopped);
}

// Saves what the user sees when CORVELLAN_SCREENSHOT_DIR names a directory.
TEST_F(MonitorTest, WindowLooksRightIdleAndDuringACall) {
    Settings.CallLimit = 5;
    Settings.DayLimit = 20;
    Settings.MonthLimit = 100;
    CMonitorDlg& dlg = Open();
    const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
    if (!out.isEmpty())
        dlg.grab().save(QDir(out).filePath(QStringLiteral("monitor-idle.png")));
    dlg.OnStartStop();
    clock.Advance(125);
    dlg.OnTimer(CMonitorDlg::TIMER_SHOWN);
    if (!out.isEmpty())
        dlg.grab().save(QDir(out).filePath(QStringLiteral("monitor-call.png")));
    EXPECT_EQ(Text(dlg.m_editCallCost), "$4.17");
    EXPECT_EQ(dlg.m_progressCall->value(), 41);
    EXPECT_GT(dlg.m_btnStartStop->iconSize().width(), dlg.m_btnHide->iconSize().width())
        << "the start/stop button is the larger one";
}
} // namespace
