// A dialog's chart control: labelled bars drawn with Qt Charts, one value each. It knows
// only numbers and labels, and draws its texts in the dialog's font, so that it follows
// the zoom.
#pragma once

#include <QChartView>
#include <QStringList>
#include <QVector>

class BarChartView : public QChartView {
    Q_OBJECT

public:
    explicit BarChartView(QWidget* parent);

    void setBars(const QString& title, const QStringList& labels, const QVector<int>& values);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyFont();
};
