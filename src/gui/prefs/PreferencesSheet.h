// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

class Paths;
class Prompter;
class QDialogButtonBox;
class QTabWidget;
class CBillingPage;
class CConnectionPage;
class CGeneralPage;
class CLimitsPage;
class CMessagesPage;
class CPreferencesPage;

// The "Preferences" sheet: the Billing System, Time Limits, Messages, General and Connection pages,
// OK and Cancel. Built afresh from Settings at each opening. OK checks every page that was shown, has each
// copy its values into Settings and sets SettingsChanged; Cancel changes nothing.
class CPreferencesSheet : public QDialog {
    Q_OBJECT
public:
    // paths: where the autostart entry of the General page lives (else the user's own).
    explicit CPreferencesSheet(Prompter& prompter, QWidget* parent = nullptr);
    CPreferencesSheet(Prompter& prompter, const Paths& paths, QWidget* parent = nullptr);

    CBillingPage* BillingPage() const { return m_billing; }
    CLimitsPage* LimitsPage() const { return m_limits; }
    CMessagesPage* MessagesPage() const { return m_messages; }
    CGeneralPage* GeneralPage() const { return m_general; }
    CConnectionPage* ConnectionPage() const { return m_connection; }
    QTabWidget* Tabs() const { return m_tabs; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

public slots:
    void accept() override;

signals:
    // F1 on a page: its help id, for the application's help.
    void helpRequested(unsigned long context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnCurrentChanged(int index);
    // Brings a page to the front without asking the one in front to check its values.
    void ShowPage(int index);

    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    CBillingPage* m_billing;
    CLimitsPage* m_limits;
    CMessagesPage* m_messages;
    CGeneralPage* m_general;
    CConnectionPage* m_connection;
    std::vector<CPreferencesPage*> m_pages;
    int m_current = 0;
    bool m_bSwitching = false;
};
