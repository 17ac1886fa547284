#include "MonitorTestFixture.h"

#include <QDir>
#include <QIcon>

namespace {
TEST(IconTest, EveryIconRendersAtTrayAndButtonSizes) {
    for (const char* name :
         {"corvellan", "call-running", "call-stopped", "logs", "customize", "hide", "exit", "help"}) {
        const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
        for (int size : {16, 32}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_FALSE(image.isNull()) << name << " at " << size << " (is the SVG plug-in installed?)";
            EXPECT_NE(image.pixelColor(size / 2, size / 2).alpha(), 0) << name << " is blank in the middle";
        }
    }
    EXPECT_NE(QIcon(QStringLiteral(":/icons/call-running.svg")).pixmap(16, 16).toImage(),
              QIcon(QStringLiteral(":/icons/call-stopped.svg")).pixmap(16, 16).toImage());
}

// Saves what the user sees when CORVELLAN_SCREENSHOT_DIR names a directory.
TEST_F(MonitorTest, Screenshots) {
    const QString out = qEnvironmentVariable("CORVELLAN_SCREENSHOT_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "CORVELLAN_SCREENSHOT_DIR is not set";
    Settings.CallLimit = 5;
    Settings.DayLimit = 20;
    Settings.MonthLimit = 100;
    CMonitorDlg& dlg = Open();
    dlg.grab().save(QDir(out).filePath(QStringLiteral("monitor-idle.png")));
    dlg.OnStartStop();
    clock.Advance(125);
    dlg.OnTick(true);
    dlg.grab().save(QDir(out).filePath(QStringLiteral("monitor-call.png")));
}
} // namespace
