#include "PickListDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// Where an item keeps its index in the caller's list; the line between the likely items and
// the rest has none.
constexpr int kIndexRole = Qt::UserRole;
// Rows the list shows at once: enough to see around the item marked.
constexpr int kVisibleRows = 12;

} // namespace

PickListDialog::PickListDialog(const QString& caption, const QStringList& items, int likely,
                               int current, QWidget* parent)
    : QDialog(parent), m_search(new QLineEdit(this)), m_list(new QListWidget(this))
{
    setWindowTitle(caption);
    m_search->setPlaceholderText(tr("Type to search"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search"));
    m_list->setAccessibleName(caption);
    m_list->setUniformItemSizes(true);
    for (int i = 0; i < items.size(); ++i) {
        if (i == likely && likely > 0) {
            auto* line = new QListWidgetItem(m_list);
            line->setFlags(Qt::NoItemFlags);
            line->setSizeHint(QSize(0, 1));
            line->setBackground(palette().color(QPalette::Mid));
        }
        auto* item = new QListWidgetItem(items[i], m_list);
        item->setData(kIndexRole, i);
        if (i == current) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            m_list->setCurrentItem(item);
        }
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
    m_list->setMinimumHeight(m_list->sizeHintForRow(0) * kVisibleRows);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_search);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(m_search, &QLineEdit::textChanged, this, &PickListDialog::filter);
    // The arrow keys move in the list while the typing goes to the search line.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (chosen() >= 0)
            accept();
    });
    m_search->installEventFilter(this);
    m_search->setFocus();
    m_list->scrollToItem(m_list->currentItem(), QAbstractItemView::PositionAtCenter);
}

int PickListDialog::chosen() const
{
    const QListWidgetItem* item = m_list->currentItem();
    return item && !item->isHidden() ? item->data(kIndexRole).toInt() : -1;
}

void PickListDialog::filter(const QString& typed)
{
    const QString wanted = typed.trimmed();
    // What is typed is the start of a word of the item: "it" finds "Italian (Italy)", not
    // "United".
    const QRegularExpression start(QStringLiteral("\\b") + QRegularExpression::escape(wanted),
                                   QRegularExpression::CaseInsensitiveOption |
                                       QRegularExpression::UseUnicodePropertiesOption);
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        const bool line = !item->data(kIndexRole).isValid();
        const bool shown = wanted.isEmpty() ? true : line ? false : item->text().contains(start);
        item->setHidden(!shown);
        if (shown && !line && !first)
            first = item;
    }
    if (m_list->currentItem() && m_list->currentItem()->isHidden())
        m_list->setCurrentItem(first);
}

bool PickListDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_list, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
