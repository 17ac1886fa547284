#include "gui/app/QtPrompter.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Sets an environment variable for the life of the object.
class EnvGuard {
public:
    EnvGuard(const char* name, const QByteArray& value) : m_name(name), m_old(qgetenv(name)) {
        m_had = qEnvironmentVariableIsSet(name);
        qputenv(name, value);
    }
    ~EnvGuard() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had = false;
};

// Wherever the program was started, a Save As dialog opens in the user's documents folder.
TEST(SaveAsFolderTest, OpensInTheDocumentsFolder) {
    TempDir home;
    QDir().mkpath(QString::fromStdString(home.File("Documents")));
    EnvGuard homeVar("HOME", QByteArray::fromStdString(home.Path()));
    EnvGuard configVar("XDG_CONFIG_HOME", QByteArray::fromStdString(home.File("config")));
    QString opened;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                opened = dialog->directory().absolutePath();
                dialog->reject();
            }
        }
    });
    poll.start(10);
    QtPrompter prompter;
    EXPECT_FALSE(prompter.AskSaveFileName("March", "txt", "Text Files(*.txt)|*.txt|").has_value());
    EXPECT_EQ(opened.toStdString(),
              QDir(QString::fromStdString(home.File("Documents"))).absolutePath().toStdString());
}
} // namespace
