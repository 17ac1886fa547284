// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QStaticText>
#include <QWidget>

// A value the window shows as plain text: the start time, the price, and the amounts that change
// every second of a call ("Total call cost", "Spent today", "Spent this month"). It paints itself
// whole: the look of what is behind it (a group box), kept from its first paint, then the text,
// laid out once per change. So a new value repaints this small rectangle only, never the group box
// around it, and the same value repaints nothing. Lighter than a read-only line edit, too.
class CValueField : public QWidget {
    Q_OBJECT
public:
    explicit CValueField(QWidget* parent = nullptr);

    void SetText(const QString& text);
    const QString& Text() const { return m_text; }
    // The field is the label of a control beside it rather than a value: screen readers take its
    // text as what it says, as they do a label's.
    void SetIsLabel() { m_isLabel = true; }
    bool IsLabel() const { return m_isLabel; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_text;
    bool m_isLabel = false;
    QStaticText m_layout;
    QPixmap m_background; // what the parent paints here; made again after a change of size or style
};
