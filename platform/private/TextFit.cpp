#include "TextFit.h"

#include "ScaledFont.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// Below this share of its size a text is no longer read at a glance; it is cut rather than
// shrunk further.
constexpr qreal kLeastShare = 0.6;
constexpr qreal kShrinkStep = 0.95;

// The width a control gives its text.
int textWidth(QWidget* control)
{
    if (qobject_cast<QPushButton*>(control))
        return control->width() -
               2 * control->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control);
    return control->contentsRect().width();
}

QString shownText(QWidget* control)
{
    if (auto* button = qobject_cast<QPushButton*>(control))
        return QString(button->text()).remove(u'&');
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->pixmap().isNull() ? label->text() : QString();
    return QString();
}

} // namespace

void fitText(QWidget* control)
{
    const QString text = shownText(control);
    if (text.isEmpty() || !control->parentWidget())
        return;
    const QFont full = control->parentWidget()->font();
    const int width = textWidth(control);
    QFont font = full;
    for (qreal share = kShrinkStep;
         share >= kLeastShare && QFontMetricsF(font).horizontalAdvance(text) > width;
         share *= kShrinkStep)
        font = scaledFont(full, share);
    if (font != control->font())
        control->setFont(font);
}
