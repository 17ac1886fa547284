// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonitorTestFixture.h"

#include "gui/prefs/PreferencesSheet.h"
#include "gui/reports/LogsAndReportsSheet.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QTest>

namespace {
// What a screen reader user meets: visible controls that take the focus, the tabs of a sheet, and
// the values the window shows (progress bars, painted amounts and charts, which have no children of
// their own). Labels are not among them: they name what they sit beside. Inside a control (a
// list's rows, a combo box's edit) nothing more is looked at; a sheet's tabs hold pages.
void Walk(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    if (node == nullptr || node->state().invisible)
        return;
    const QAccessible::Role role = node->role();
    const bool container =
        node->childCount() > 0 &&
        (role == QAccessible::Client || role == QAccessible::Grouping || role == QAccessible::PageTabList);
    if ((node->state().focusable || role == QAccessible::ProgressBar || role == QAccessible::PageTab ||
         role == QAccessible::Client) &&
        !container) {
        found.push_back(node);
        return;
    }
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), found);
}

// A control the message names: its class and object name.
QString Which(QAccessibleInterface* control) {
    const QObject* object = control->object();
    return object ? QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
                        object->objectName()
                  : QStringLiteral("?");
}

// The underlined letter of a text, in lower case; empty when it has none.
QString Letter(const QString& text) {
    return QKeySequence::mnemonic(text).toString().section(QLatin1Char('+'), -1).toLower();
}

// The sheets' buttons read &OK and &Cancel on some desktops, whatever the test platform shows.
const QString kSheetButtonLetters = QStringLiteral("oc");

class AccessibilityTest : public MonitorTest {
protected:
    // Each window, and each page of a sheet with the sheet's own controls around it.
    struct Page {
        QWidget* window;
        QTabWidget* tabs; // none: the window is one page
        int tab;
        const char* title;
    };
    std::vector<Page> Pages() {
        Open();
        prefs = std::make_unique<CPreferencesSheet>(prompter, paths);
        logs = std::make_unique<CLogsAndReportsSheet>(calls, clock, prompter);
        std::vector<Page> pages = {{dialog.get(), nullptr, 0, "monitor"}};
        const char* prefsPages[] = {"Billing System", "Time Limits", "Messages", "General", "Connection"};
        const char* logsPages[] = {"Call Log", "Report", "Chart", "Year"};
        for (int tab = 0; tab < 5; ++tab)
            pages.push_back({prefs.get(), prefs->Tabs(), tab, prefsPages[tab]});
        for (int tab = 0; tab < 4; ++tab)
            pages.push_back({logs.get(), logs->m_tabs, tab, logsPages[tab]});
        return pages;
    }
    static void Show(const Page& page) {
        page.window->show();
        if (page.tabs)
            page.tabs->setCurrentIndex(page.tab);
        QApplication::processEvents();
    }

    CCallArray calls;
    std::unique_ptr<CPreferencesSheet> prefs;
    std::unique_ptr<CLogsAndReportsSheet> logs;
};

// Every control has a name of its own on its page, so a screen reader tells them apart.
TEST_F(AccessibilityTest, EveryControlOfEveryPageHasANameOfItsOwn) {
    QStringList problems;
    for (const Page& page : Pages()) {
        Show(page);
        std::vector<QAccessibleInterface*> controls;
        Walk(QAccessible::queryAccessibleInterface(page.window), controls);
        EXPECT_GT(controls.size(), 3u) << page.title;
        QHash<QString, QString> named;
        for (QAccessibleInterface* control : controls) {
            const QString name = control->text(QAccessible::Name);
            const QString where = QString::fromLatin1(page.title) + QStringLiteral(": ") + Which(control);
            if (name.trimmed().isEmpty())
                problems << where + QStringLiteral(" has no name");
            else if (named.contains(name))
                problems << where + QStringLiteral(" and ") + named[name] + QStringLiteral(" are both \"") +
                                name + QLatin1Char('"');
            else
                named[name] = Which(control);
        }
    }
    EXPECT_EQ(problems.join(QLatin1Char('\n')).toStdString(), "");
}

// On every page, Alt and the underlined letter of a field's label move the focus to the field;
// no two labels or buttons of a page share a letter, and no label has a letter that leads nowhere.
TEST_F(AccessibilityTest, EveryLabelledFieldIsReachedByItsOwnMnemonic) {
    QStringList problems;
    for (const Page& page : Pages()) {
        if (!page.tabs)
            continue; // the window's commands are buttons, checked where the window is
        Show(page);
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.window)) << page.title;
        QWidget* shown = page.tabs->currentWidget();
        QString taken = kSheetButtonLetters;
        for (QAbstractButton* button : shown->findChildren<QAbstractButton*>())
            taken += Letter(button->text());
        const QList<QLabel*> labels = page.window->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (!label->isVisible())
                continue;
            const QString where = QString::fromLatin1(page.title) + QStringLiteral(": ") + label->text();
            const QString letter = Letter(label->text());
            if (!label->buddy()) {
                if (!letter.isEmpty())
                    problems << where + QStringLiteral(" has a letter but no field");
                continue;
            }
            if (letter.isEmpty() || taken.contains(letter)) {
                problems << where + QStringLiteral(" has no letter of its own");
                continue;
            }
            taken += letter;
            QTest::keyClick(page.window, QKeySequence::mnemonic(label->text())[0].key(), Qt::AltModifier);
            if (QApplication::focusWidget() != label->buddy())
                problems << where + QStringLiteral(" does not reach its field");
        }
    }
    EXPECT_EQ(problems.join(QLatin1Char('\n')).toStdString(), "");
}
} // namespace
