// The yardstick for start-up: the smallest Qt dialog program with a few controls, which
// prints the time of its first paint and ends, as the trainer does with
// --exit-after-first-paint.
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

namespace {

class MinimalDialog : public QDialog {
protected:
    bool event(QEvent* event) override
    {
        const bool handled = QDialog::event(event);
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            std::printf("first-paint-epoch-ms %lld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
        }
        return handled;
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MinimalDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Question")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    return dialog.exec() == QDialog::Accepted ? 0 : 1;
}
