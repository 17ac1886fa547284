#include "gui/monitor/AmountField.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

CAmountField::CAmountField(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_layout.setTextFormat(Qt::PlainText);
    m_layout.setPerformanceHint(QStaticText::AggressiveCaching);
}

void CAmountField::SetText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    m_layout.setText(text);
    update();
}

QSize CAmountField::sizeHint() const {
    // As high as a line of text in a field, as the other values of the window are.
    return {fontMetrics().horizontalAdvance(QStringLiteral("$0000.00")) + 4, fontMetrics().height() + 2};
}

QSize CAmountField::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("$0.00")), fontMetrics().height() + 2};
}

void CAmountField::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_background = QPixmap();
}

void CAmountField::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
        m_background = QPixmap();
        m_layout.prepare(QTransform(), font());
        update();
        break;
    default:
        break;
    }
}

void CAmountField::paintEvent(QPaintEvent*) {
    if (m_background.isNull() || m_background.size() != size() * devicePixelRatioF()) {
        // The parent's own painting of this rectangle, without any of its children.
        m_background = QPixmap(size() * devicePixelRatioF());
        m_background.setDevicePixelRatio(devicePixelRatioF());
        m_background.fill(palette().color(QPalette::Window));
        if (QWidget* owner = parentWidget())
            owner->render(&m_background, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    const QSizeF text = m_layout.size();
    // As a borderless field shows its text: from the left, centred on the line.
    painter.drawStaticText(QPointF(2, (height() - text.height()) / 2), m_layout);
}
