// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The user's manual: one HTML page per help topic, shown in a small non-modal window with Back,
// Forward and Contents (Alt+Left, Alt+Right, Alt+Home, as browsers have them). The pages are those
// of language (the installed translation's, "de"), the English ones where it has none.
class CHelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit CHelpViewer(const QString& language = {}, QWidget* parent = nullptr);

    static constexpr unsigned long kContents = 101;

    void ShowTopic(unsigned long topic);
    unsigned long CurrentTopic() const { return m_topic; }
    QString CurrentText() const;

private:
    QTextBrowser* m_browser;
    QPushButton* m_back;
    QPushButton* m_forward;
    QString m_language;
    unsigned long m_topic = 0;
};
