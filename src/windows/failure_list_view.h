#pragma once
// A list of failing walls shown one entry per row. Only the rows in sight
// are written out and laid out, so a list of thousands of walls is shown
// again at every run without delay; every row has the height of the
// longest entry wrapped to the box's width, and the box shows whole rows.

#include <QAbstractListModel>
#include <QListView>
#include <optional>

#include "model/results.h"

namespace calvex {

// The rows of a failure list: its entries, or the one row "*** nessuno ***";
// none before the list is first built.
class FailureListModel : public QAbstractListModel {
public:
    explicit FailureListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Takes the list; the view is told only what changed.
    void setList(const FailureList& list);
    void clear();
    const FailureList& list() const { return list_; }
    // The row with the most characters, the one that needs the most lines;
    // found when first asked for after a change.
    int longestRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString rowText(int row) const;

    FailureList list_{FailureKind::shear};
    mutable std::optional<int> longestRow_;
};

class FailureListView : public QListView {
public:
    explicit FailureListView(QWidget* parent = nullptr);

    FailureListModel& rows() { return model_; }
    const FailureListModel& rows() const { return model_; }
    // The height of every row, in pixels, as last fitted, and the blank
    // around its text.
    int rowHeight() const { return rowHeight_; }
    static constexpr int kTextMargin = 2;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The copy key puts the texts of the selected rows on the clipboard.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Every row as high as the longest entry needs, and the viewport as
    // high as the whole rows that fit.
    void fitRows();
    int measureRowHeight() const;

    FailureListModel model_;
    int rowHeight_ = 1;
};

} // namespace calvex
