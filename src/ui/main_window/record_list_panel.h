#pragma once
// The record list under the graph (a view of the run's record store), the log of what the link
// brings, and the opened file shown while its kind is asked.

#include "ui/main_window/main_context.h"

#include <QWidget>

class QListView;
class QPlainTextEdit;

namespace sondalog {

class RecordListModel;

class RecordListPanel : public QWidget {
    Q_OBJECT
public:
    RecordListPanel(MainContext& context, QWidget* parent);

    QListView* Memo2 = nullptr;       ///< the record list
    QPlainTextEdit* Memo1 = nullptr;  ///< the log (hidden; the parameters window shows its own)
    QPlainTextEdit* Memo3 = nullptr;  ///< the opened file, in view while its kind is asked

    RecordListModel* model() const { return model_; }
    /// The lists follow the record store (lines added or a new list).
    void ShowRecordTail();
    /// A line of the log, here and in the parameters window.
    void LogLine(const QString& line);
    /// The opened file's first lines shown over the window from `left`, or hidden when empty.
    void PreviewFile(const QString& text, int left, int width);

private:
    MainContext& ctx_;
    RecordListModel* model_ = nullptr;
};

}  // namespace sondalog
