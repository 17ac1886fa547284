#pragma once

#include <QDialog>

class Clock;
class Paths;
class Prompter;
class QPushButton;

// The main window.
class CMonitorDlg : public QDialog {
    Q_OBJECT
public:
    CMonitorDlg(QWidget* parent, bool firstRun, const Paths& paths, Prompter& prompter, Clock& clock);

    QPushButton* m_btnExit;

public slots:
    void OnExit();

protected:
    void reject() override; // Esc and the window's close command do nothing

private:
    const Paths& m_paths;
    Prompter& m_prompter;
    Clock& m_clock;
    bool m_bFirstRun;
};
