#include "gui/app/QtPrompter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

// Wherever the program was started, a Save As dialog opens in the user's documents folder.
TEST(SaveAsFolderTest, OpensInTheDocumentsFolder) {
    TempDir home;
    const QString documents = QString::fromStdString(home.File("Documents"));
    QDir().mkpath(documents);
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QByteArray::fromStdString(home.Path()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.File("config")));
    QString opened;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            opened = dialog->directory().absolutePath();
            dialog->reject();
        }
    });
    poll.start(10);
    EXPECT_FALSE(QtPrompter().AskSaveFileName("March", "txt", "Text Files(*.txt)|*.txt|"));
    qputenv("HOME", oldHome);
    oldConfig.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    EXPECT_EQ(opened, QDir(documents).absolutePath());
}
