#pragma once

#include <QPixmap>
#include <QStaticText>
#include <QWidget>

// An amount of the window that changes while a call is timed ("Total call cost", "Spent today",
// "Spent this month"). It paints itself whole: the group box's own look behind it, kept from its
// first paint, then the text, laid out once per change. So a new amount repaints this small
// rectangle only, never the group box around it, and the same amount repaints nothing.
class CAmountField : public QWidget {
    Q_OBJECT
public:
    explicit CAmountField(QWidget* parent = nullptr);

    void SetText(const QString& text);
    const QString& Text() const { return m_text; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_text;
    QStaticText m_layout;
    QPixmap m_background; // what the parent paints here; made again after a change of size or style
};
