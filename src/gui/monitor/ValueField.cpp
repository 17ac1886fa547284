// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/monitor/ValueField.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace {
// A value is read out under its name, a label as its text.
class ValueFieldAccessible : public QAccessibleWidget {
public:
    explicit ValueFieldAccessible(CValueField* field)
        : QAccessibleWidget(field, field->IsLabel() ? QAccessible::StaticText : QAccessible::Client) {}
    QString text(QAccessible::Text kind) const override {
        const auto* field = static_cast<const CValueField*>(widget());
        if ((kind == QAccessible::Name && field->IsLabel()) ||
            (kind == QAccessible::Value && !field->IsLabel()))
            return field->Text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("CValueField") && object->isWidgetType())
        return new ValueFieldAccessible(static_cast<CValueField*>(object));
    return nullptr;
}
} // namespace

CValueField::CValueField(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    static_cast<void>(installed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_layout.setTextFormat(Qt::PlainText);
    m_layout.setPerformanceHint(QStaticText::AggressiveCaching);
}

void CValueField::SetText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    m_layout.setText(text);
    update();
}

QSize CValueField::sizeHint() const {
    // The size of a borderless line edit, which these values were shown in before: the window's
    // arrangement stays as it was.
    return {fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17 + 4, fontMetrics().height() + 2};
}

QSize CValueField::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("$0.00")), fontMetrics().height() + 2};
}

void CValueField::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_background = QPixmap();
}

void CValueField::changeEvent(QEvent* event) {
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

void CValueField::paintEvent(QPaintEvent*) {
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
