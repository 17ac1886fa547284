// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTextBrowser;

// The user's manual: one HTML page per help topic, shown in a small non-modal window.
class CHelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit CHelpViewer(QWidget* parent = nullptr);

    void ShowTopic(unsigned long topic);
    unsigned long CurrentTopic() const { return m_topic; }
    QString CurrentText() const;

private:
    QTextBrowser* m_browser;
    unsigned long m_topic = 0;
};
