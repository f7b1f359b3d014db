#include "windows/failure_list_view.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

namespace calvex {

namespace {

// Paints a row's text wrapped at word boundaries; every row is as high as
// the model's longest row needs at the view's width.
class FailureRowDelegate : public QAbstractItemDelegate {
public:
    explicit FailureRowDelegate(FailureListView& view) : QAbstractItemDelegate(&view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        constexpr int kTextMargin = FailureListView::kTextMargin;
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) painter->fillRect(option.rect, option.palette.highlight());
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, index.data().toString());
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {view_.viewport()->width(), view_.rowHeight()};
    }

private:
    FailureListView& view_;
};

} // namespace

void FailureListModel::setList(const FailureList& list) {
    if (list == list_) return;
    const bool sameRows = list.isWritten() == list_.isWritten() && std::max<std::size_t>(list.entries().size(), 1) ==
                                                                       std::max<std::size_t>(list_.entries().size(), 1);
    if (!sameRows) beginResetModel();
    list_ = list;
    longestRow_.reset();
    if (!sameRows)
        endResetModel();
    else
        emit dataChanged(index(0), index(rowCount() - 1));
}

void FailureListModel::clear() {
    beginResetModel();
    list_ = FailureList(list_.kind());
    longestRow_.reset();
    endResetModel();
}

int FailureListModel::longestRow() const {
    if (longestRow_) return *longestRow_;
    // Entries differ only in their numbers: the one with the most
    // characters is the widest.
    longestRow_ = 0;
    std::size_t longest = 0;
    std::string text;
    for (std::size_t row = 0; row < list_.entries().size(); ++row) {
        text.clear();
        list_.appendEntryText(text, list_.entries()[row]);
        if (text.size() > longest) {
            longest = text.size();
            longestRow_ = static_cast<int>(row);
        }
    }
    return *longestRow_;
}

int FailureListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !list_.isWritten()) return 0;
    return std::max<int>(static_cast<int>(list_.entries().size()), 1);
}

QString FailureListModel::rowText(int row) const {
    if (list_.entries().empty()) return QString::fromUtf8(kNoFailure.data(), kNoFailure.size());
    return QString::fromStdString(list_.entryText(list_.entries()[static_cast<std::size_t>(row)]));
}

QVariant FailureListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return rowText(index.row());
    return {};
}

FailureListView::FailureListView(QWidget* parent) : QListView(parent) {
    setModel(&model_);
    setItemDelegate(new FailureRowDelegate(*this));
    setUniformItemSizes(true);
    setWordWrap(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ExtendedSelection);
    setVerticalScrollMode(ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The strip under the last whole row takes the colour of the rows.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { fitRows(); });
    connect(&model_, &QAbstractItemModel::dataChanged, this, [this] { fitRows(); });
}

int FailureListView::measureRowHeight() const {
    const QFontMetrics metrics(font());
    const QString longest = model_.rowCount() > 0 ? model_.index(model_.longestRow()).data().toString() : QString();
    // Measured a digit narrower than painted: an entry as long as the
    // longest whose numbers are a little wider still fits in its lines.
    const int width = std::max(1, viewport()->width() - 2 * kTextMargin - metrics.horizontalAdvance(QLatin1Char('0')));
    const int text = longest.isEmpty()
                         ? metrics.height()
                         : metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, longest).height();
    return text + 2 * kTextMargin;
}

void FailureListView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    fitRows();
}

void FailureListView::showEvent(QShowEvent* event) {
    fitRows();
    QListView::showEvent(event);
}

void FailureListView::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Copy)) {
        QListView::keyPressEvent(event);
        return;
    }
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end());
    QString text;
    for (const QModelIndex& index : selected) text += index.data().toString();
    QApplication::clipboard()->setText(text);
}

void FailureListView::fitRows() {
    // A hidden box is fitted when it is shown.
    if (!isVisible()) return;
    rowHeight_ = measureRowHeight();
    const int available = height() - 2 * frameWidth();
    const int spare = available > rowHeight_ ? available % rowHeight_ : 0;
    setViewportMargins(0, 0, 0, spare);
    // The uniform row height is measured again by the next layout.
    scheduleDelayedItemsLayout();
}

} // namespace calvex
