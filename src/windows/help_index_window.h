#pragma once
// The help index: one entry per help page and one for the tips. The entry
// under the mouse is shown in bold; pressing on an entry opens it.

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace calvex {

class WindowHost;

class HelpIndexWindow : public QWidget {
public:
    static constexpr int kEntryCount = 12;

    explicit HelpIndexWindow(WindowHost& host);

    // The caption label of entry 1 to kEntryCount.
    QLabel* entryLabel(int entry) const { return labels_.at(entry - 1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildEntries();
    void buildButtons();
    void openEntry(int entry);
    // Entry 1 to kEntryCount in bold and every other in normal weight; 0 for none.
    void highlight(int entry);
    // The entry a label or arrow button belongs to, 0 for any other object.
    int entryOf(const QObject* object) const;

    WindowHost& host_;
    std::array<QLabel*, kEntryCount> labels_{};
    std::array<QPushButton*, kEntryCount> arrows_{};
};

} // namespace calvex
