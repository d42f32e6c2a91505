#include "FittedLineEdit.h"

#include "ScaledFont.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <optional>
#include <utility>

namespace {

// A text is shrunk in steps of this share of the field's font, down to 70% of it, and in a
// field with room around it on to half of it.
constexpr qreal kFontStep = 0.05;
constexpr int kSmallerSteps = 6;
constexpr qreal kSmallestInRoom = 0.5;
// QLineEdit keeps this much room on either side of its text.
constexpr int kHorizontalMargin = 2;
constexpr QChar kFirstStrongIsolate(0x2068);
constexpr QChar kPopDirectionalIsolate(0x2069);

bool hasRightToLeft(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar ch) {
        return ch.direction() == QChar::DirR || ch.direction() == QChar::DirAL;
    });
}

QString withoutMarks(QString text)
{
    return text.remove(kFirstStrongIsolate).remove(kPopDirectionalIsolate);
}

// `text` laid out in `font` in lines of `width` (one unbroken line when `width` is 0).
class Layout {
public:
    Layout(const QString& text, const QFont& font, const QTextOption& option, qreal width)
        : m_layout(text, font)
    {
        QTextOption lineOption = option;
        lineOption.setWrapMode(width > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                         : QTextOption::NoWrap);
        m_layout.setTextOption(lineOption);
        m_layout.beginLayout();
        for (QTextLine next = m_layout.createLine(); next.isValid(); next = m_layout.createLine()) {
            if (width > 0)
                next.setLineWidth(width);
        }
        m_layout.endLayout();
    }

    qreal width() const { return m_layout.lineAt(0).naturalTextWidth(); }
    int lineCount() const { return m_layout.lineCount(); }
    QString line(int index) const
    {
        const QTextLine line = m_layout.lineAt(index);
        return m_layout.text().mid(line.textStart(), line.textLength()).trimmed();
    }
    QString from(int index) const
    {
        return m_layout.text().mid(m_layout.lineAt(index).textStart());
    }

private:
    QTextLayout m_layout;
};

// Whether `width` fits a line edit's text area in `font`, as QLineEdit counts: with room
// for the cursor and for glyphs that reach past their advance.
bool fitsLine(qreal width, const QFont& font, int room)
{
    const QFontMetricsF metrics(font);
    return qRound(width) + 1 + qMax(0.0, -metrics.minLeftBearing()) +
               qMax(0.0, -metrics.minRightBearing()) <=
           room;
}

} // namespace

FittedLineEdit::FittedLineEdit(const QString& text, QString toolTip, QWidget* parent)
    : QLineEdit(text, parent), m_toolTip(std::move(toolTip))
{
    connect(this, &QLineEdit::textChanged, this, &FittedLineEdit::fit);
    fit();
}

void FittedLineEdit::setOwnDescription(const QString& description)
{
    m_ownDescription = description;
    describe();
}

QRect FittedLineEdit::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(kHorizontalMargin, 0, -kHorizontalMargin, 0);
}

// A revealed line such as "word=meaning" reads in the field's direction part by part, so
// that a right-to-left word still comes first.
QString FittedLineEdit::markedText() const
{
    QString value = text();
    if (!value.contains(u'=') || !hasRightToLeft(value))
        return value;
    QStringList parts = value.split(u'=');
    for (QString& part : parts)
        part = kFirstStrongIsolate + part + kPopDirectionalIsolate;
    return parts.join(u'=');
}

bool FittedLineEdit::drawnHere() const
{
    return m_markedLines.size() != 1 || m_markedLines.constFirst() != text() ||
           m_fittedFont != font();
}

void FittedLineEdit::fit()
{
    const QString marked = markedText();
    QTextOption option;
    option.setTextDirection(marked != text() ? Qt::LeftToRight : Qt::LayoutDirectionAuto);
    // The text's width and the margins around it in the field's own place.
    const QRect area = textArea();
    const QMargins margins(area.left(), area.top(), width() - area.left() - area.width(),
                           height() - area.top() - area.height());
    const QRect home = m_home.isNull() ? geometry() : m_home;
    const int room = home.width() - margins.left() - margins.right();
    m_markedLines = {marked};
    m_fittedFont = font();
    bool grown = false;
    // An empty field fits without measuring: the fonts load no sooner than needed.
    if (!marked.isEmpty() && !fitsLargest(marked, option, room)) {
        // As many lines at the smallest font as the field holds, two at least; a text that
        // needs more takes the room around the field, in a font as large as lets it fit.
        const int height = home.height() - margins.top() - margins.bottom();
        int lines = std::max(2, qFloor(height / QFontMetricsF(m_fittedFont).height()));
        std::optional<Layout> wrapped;
        wrapped.emplace(marked, m_fittedFont, option, room);
        if (wrapped->lineCount() > lines && !m_room.isNull()) {
            grown = true;
            const int roomHeight = height + m_room.top() + m_room.bottom();
            // Steps of the font below the smallest that fit the field alone.
            const int steps = qRound((1 - kSmallestInRoom) / kFontStep);
            for (int step = kSmallerSteps; step <= steps; ++step) {
                m_fittedFont = scaledFont(font(), 1 - kFontStep * step);
                wrapped.emplace(marked, m_fittedFont, option, room + m_room.left());
                lines = qFloor(roomHeight / QFontMetricsF(m_fittedFont).height());
                if (wrapped->lineCount() <= lines)
                    break;
            }
        }
        m_markedLines.clear();
        for (int line = 0; line < std::min(lines, wrapped->lineCount()); ++line)
            m_markedLines << wrapped->line(line);
        if (wrapped->lineCount() > lines)
            m_markedLines.last() =
                QFontMetricsF(m_fittedFont)
                    .elidedText(wrapped->from(lines - 1).trimmed(), Qt::ElideRight,
                                room + (grown ? m_room.left() : 0));
    }
    place(home,
          grown ? QFontMetricsF(m_fittedFont).height() * static_cast<qreal>(m_markedLines.size())
                : 0);
    m_shownLines.clear();
    for (const QString& line : m_markedLines)
        m_shownLines << withoutMarks(line);
    describe();
    update();
}

// Sets the fitted font to the largest of the field's font and its smaller steps in which
// `marked` fits on one line, or to the smallest step when none does. A text's width follows
// its font's size closely, so the search starts at the step that the width in the field's
// font points to and lays out only the steps beside it: every size laid out loads its
// fonts, and for a script that no installed font covers Qt looks through all of them.
bool FittedLineEdit::fitsLargest(const QString& marked, const QTextOption& option, int room)
{
    const qreal fullWidth = Layout(marked, font(), option, 0).width();
    if (fitsLine(fullWidth, font(), room))
        return true;
    QList<QFont> steps;
    qreal factor = 1;
    for (int step = 0; step < kSmallerSteps; ++step) {
        factor -= kFontStep;
        steps << scaledFont(font(), factor);
    }
    const auto fitsStep = [&](qsizetype step) {
        return fitsLine(Layout(marked, steps[step], option, 0).width(), steps[step], room);
    };
    // The largest step no larger than the share of the width that the field holds.
    const qreal share = fullWidth > 0 ? room / fullWidth : 1;
    qsizetype step = std::clamp<qsizetype>(qCeil((1 - share) / kFontStep) - 1, 0, steps.size() - 1);
    bool fits = fitsStep(step);
    if (fits) {
        while (step > 0 && fitsStep(step - 1))
            --step;
    } else {
        while (!fits && step + 1 < steps.size())
            fits = fitsStep(++step);
    }
    m_fittedFont = steps[step];
    return fits;
}

void FittedLineEdit::setRoom(const QMargins& room)
{
    m_room = room;
    fit();
}

// The field at `home`, or, for `linesHeight` pixels of lines, grown into as much of its room
// as they need, over what the room holds.
void FittedLineEdit::place(const QRect& home, qreal linesHeight)
{
    QRect grown = home;
    if (linesHeight > 0) {
        const int padding = height() - textArea().height();
        const int extra = std::clamp(qCeil(linesHeight) + padding - home.height(), 0,
                                     m_room.top() + m_room.bottom());
        const int above = extra * m_room.top() / std::max(1, m_room.top() + m_room.bottom());
        // The room beside the field is on its label's side, which a right-to-left
        // language mirrors.
        const int before = m_room.left();
        grown = isRightToLeft() ? home.adjusted(0, -above, before, extra - above)
                                : home.adjusted(-before, -above, 0, extra - above);
        raise();
    }
    m_home = home;
    m_grownPlace = grown;
    if (grown == geometry())
        return;
    m_growing = true;
    setGeometry(grown);
    m_growing = false;
}

void FittedLineEdit::describe()
{
    const bool cut = m_markedLines.size() > 1 || m_fittedFont != font();
    setToolTip(cut ? text() : m_toolTip);
    setAccessibleDescription(cut && !m_ownDescription.isEmpty() ? text() + u'\n' + m_ownDescription
                             : cut                              ? text()
                                                                : m_ownDescription);
}

void FittedLineEdit::paintEvent(QPaintEvent* event)
{
    if (!drawnHere()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = textArea();
    painter.setClipRect(area.adjusted(-kHorizontalMargin, 0, kHorizontalMargin, 0));
    painter.setPen(palette().color(QPalette::Text));

    const bool marked = m_markedLines.constFirst() != m_shownLines.constFirst();
    const Qt::LayoutDirection direction =
        marked || !text().isRightToLeft() ? Qt::LeftToRight : Qt::RightToLeft;
    QTextOption option(QStyle::visualAlignment(direction, alignment()) & Qt::AlignHorizontal_Mask);
    option.setTextDirection(direction);
    // The lines sit in the middle of the field, as a line edit's one line does.
    const qreal lineHeight = QFontMetricsF(m_fittedFont).height();
    qreal y =
        area.top() + (area.height() - lineHeight * static_cast<qreal>(m_markedLines.size())) / 2;
    for (const QString& line : m_markedLines) {
        QTextLayout layout(line, m_fittedFont);
        layout.setTextOption(option);
        layout.beginLayout();
        layout.createLine().setLineWidth(area.width());
        layout.endLayout();
        layout.draw(&painter, QPointF(area.left(), y));
        y += lineHeight;
    }
}

void FittedLineEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    // A size given from outside is the field's new place; one that grew is told late while
    // the field was hidden.
    if (m_growing || geometry() == m_grownPlace)
        return;
    m_home = geometry();
    fit();
}

void FittedLineEdit::moveEvent(QMoveEvent* event)
{
    QLineEdit::moveEvent(event);
    if (!m_growing && geometry() != m_grownPlace)
        m_home.moveTopLeft(pos());
}

void FittedLineEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fit();
}
