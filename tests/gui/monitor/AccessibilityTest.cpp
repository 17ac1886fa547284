// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonitorTestFixture.h"

#include "gui/app/Translations.h"
#include "gui/prefs/PreferencesSheet.h"
#include "gui/reports/LogsAndReportsSheet.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

namespace {
// What a screen reader user meets: visible controls that take the focus, a sheet's tabs, and the
// values shown (progress bars, painted amounts and charts: widgets with nothing inside). Labels
// are not among them: they name what they sit beside. Nothing inside a control (a list's rows) is.
void Walk(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& found) {
    const QAccessible::Role role = node->role();
    const bool container =
        node->childCount() > 0 &&
        (role == QAccessible::Client || role == QAccessible::Grouping || role == QAccessible::PageTabList);
    if (node->state().invisible)
        return;
    if (!container && (node->state().focusable || role == QAccessible::ProgressBar ||
                       role == QAccessible::PageTab || role == QAccessible::Client))
        found.push_back(node);
    else
        for (int i = 0; i < node->childCount(); ++i)
            Walk(node->child(i), found);
}

QString Letter(const QString& text) {
    return QKeySequence::mnemonic(text).toString().section(QLatin1Char('+'), -1).toLower();
}

// On each page of the window and of both sheets (with the sheet's own controls around it), in each
// language, every control has a name of its own, and a value shown tells it. Alt and the letter of a field's
// label move the focus to the field; no two labels or buttons of a page share a letter, and no label's letter
// leads nowhere.
TEST_F(MonitorTest, EveryPageCanBeWorkedByKeyboardAndScreenReader) {
    const QLocale before;
    for (const char* locale : {"en_US", "de_DE", "fr_FR"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        const CTranslations translations;
        dialog.reset(); // before the monitor it works on
        Open();
        CPreferencesSheet prefs(prompter, paths);
        CCallArray calls;
        CLogsAndReportsSheet logs(calls, clock, prompter);
        const std::tuple<QWidget*, QTabWidget*, int, const char*> pages[] = {
            {dialog.get(), nullptr, 0, "monitor"},    {&prefs, prefs.Tabs(), 0, "Billing System"},
            {&prefs, prefs.Tabs(), 1, "Time Limits"}, {&prefs, prefs.Tabs(), 2, "Messages"},
            {&prefs, prefs.Tabs(), 3, "General"},     {&prefs, prefs.Tabs(), 4, "Connection"},
            {&logs, logs.m_tabs, 0, "Call Log"},      {&logs, logs.m_tabs, 1, "Report"},
            {&logs, logs.m_tabs, 2, "Chart"},         {&logs, logs.m_tabs, 3, "Year"}};
        QStringList problems;
        for (const auto& [window, tabs, tab, title] : pages) {
            window->show();
            if (tabs)
                tabs->setCurrentIndex(tab);
            ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << title;
            std::vector<QAccessibleInterface*> controls;
            Walk(QAccessible::queryAccessibleInterface(window), controls);
            EXPECT_GT(controls.size(), 3u) << title;
            QHash<QString, QString> named;
            for (QAccessibleInterface* control : controls) {
                const QString name = control->text(QAccessible::Name);
                const QObject* object = control->object(); // none for a tab
                const QString which = QString::fromLatin1(locale) + QLatin1Char(' ') +
                                      QString::fromLatin1(title) + QStringLiteral(": ") +
                                      (object ? QString::fromLatin1(object->metaObject()->className()) +
                                                    QLatin1Char(' ') + object->objectName()
                                              : QStringLiteral("a tab"));
                if (name.trimmed().isEmpty() || named.contains(name))
                    problems << which + QStringLiteral(" has no name of its own: ") + named.value(name);
                named[name] = which;
                if (const auto* field = qobject_cast<const CValueField*>(object);
                    field && control->text(QAccessible::Value) != field->Text())
                    problems << which + QStringLiteral(" does not tell its value");
            }
            if (!tabs)
                continue; // the window's letters click its buttons
            // The sheets' buttons are underlined at their first letters on some desktops (&OK, &Cancel).
            QString taken;
            for (QAbstractButton* button : window->findChild<QDialogButtonBox*>()->buttons())
                taken += Letter(button->text()) + button->text().remove(QLatin1Char('&')).left(1).toLower();
            for (QAbstractButton* button : tabs->currentWidget()->findChildren<QAbstractButton*>())
                taken += Letter(button->text());
            for (QLabel* label : window->findChildren<QLabel*>()) {
                const QString letter = Letter(label->text());
                const QString which = QString::fromLatin1(locale) + QLatin1Char(' ') +
                                      QString::fromLatin1(title) + QStringLiteral(": ") + label->text();
                if (!label->isVisible() || (letter.isEmpty() && !label->buddy()))
                    continue;
                if (letter.isEmpty() || taken.contains(letter) || !label->buddy()) {
                    problems << which + QStringLiteral(" has no letter of its own, or no field");
                    continue;
                }
                taken += letter;
                QTest::keyClick(window, QKeySequence::mnemonic(label->text())[0].key(), Qt::AltModifier);
                if (QApplication::focusWidget() != label->buddy())
                    problems << which + QStringLiteral(" does not reach its field");
            }
        }
        EXPECT_EQ(problems.join(QLatin1Char('\n')).toStdString(), "");
    }
    QLocale::setDefault(before);
}
} // namespace
