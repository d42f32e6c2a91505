// A read-only line of a dialog that shows the whole of a text longer than the field: first
// its font shrinks, down to about 70% of the field's, then the text wraps onto as many lines
// as the field holds, two at least; a field given room around it grows into it for more
// lines, shrinking on to half the field's font. Only past that is the text cut, with "…". A text
// that fits is drawn as any line edit draws it, and the full text of one that does not is in the
// tooltip and in the accessible description.
#pragma once

#include <QLineEdit>
#include <QMargins>
#include <QStringList>

class FittedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    FittedLineEdit(const QString& text, QString toolTip, QWidget* parent);

    // The font the text is drawn in: the field's own when the text fits.
    QFont fittedFont() const { return m_fittedFont; }
    // The text as drawn, line by line, with "…" where it is cut.
    QStringList shownLines() const { return m_shownLines; }
    // What a screen reader is told of the field besides its name and text; the full text
    // comes first while it does not fit.
    void setOwnDescription(const QString& description);
    // The room in pixels that the field may take left of, above and below its place for
    // more lines.
    void setRoom(const QMargins& room);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where a line edit puts its text.
    QRect textArea() const;
    // The text with each part of a "name=value" line marked as a run of its own direction.
    QString markedText() const;
    // Whether the text is drawn here rather than by QLineEdit.
    bool drawnHere() const;
    void fit();
    // Fits the font to one line of `room` pixels; false when even the smallest is too large.
    bool fitsLargest(const QString& marked, const QTextOption& option, int room);
    void describe();
    void place(const QRect& home, qreal linesHeight);

    QString m_toolTip;
    QString m_ownDescription;
    QFont m_fittedFont;
    QStringList m_shownLines;
    // The lines as laid out, with their direction marks.
    QStringList m_markedLines;
    // The place given to the field, and the room around it.
    QRect m_home;
    QRect m_grownPlace;
    QMargins m_room;
    bool m_growing = false;
};
