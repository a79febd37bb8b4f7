#include "ui/main_window/record_list_panel.h"

#include "serial/raw_log.h"
#include "ui/main_window/record_list_model.h"
#include "ui/parameters_window/parameters_window.h"
#include "util/named.h"

#include <QListView>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace sondalog {

namespace {
constexpr int kRecordListRows = 8;  // lines of the record list always in view

void AppendBounded(QPlainTextEdit* memo, const QString& line)
{
    if (memo->blockCount() > kRawLogLimit) {
        memo->clear();
    }
    memo->appendPlainText(line);
}
}  // namespace

RecordListPanel::RecordListPanel(MainContext& context, QWidget* parent) : QWidget(parent), ctx_(context)
{
    setObjectName(QStringLiteral("RecordListPanel"));
    Memo3 = Named(new QPlainTextEdit(parent), "Memo3");
    Memo3->setReadOnly(true);
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3->hide();
    Memo2 = Named(new QListView(this), "Memo2");
    Memo2->setToolTip(tr("lignes décodées du multimètre"));
    Memo2->setUniformItemSizes(true);  // the whole record list, never cut, fetched as it scrolls
    Memo2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // At least its last eight lines in view, on a field laptop's screen as on a large one: the graph gives way.
    const int listRow = Memo2->fontMetrics().height() + 2;
    Memo2->setMinimumHeight(kRecordListRows * listRow + 2 * Memo2->frameWidth() + 4);
    Memo2->setMaximumHeight(std::max(140, Memo2->minimumHeight()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo2);
    Memo1 = Named(new QPlainTextEdit(parent), "Memo1");
    Memo1->hide();
    model_ = new RecordListModel(ctx_.run().records, this);
    Memo2->setModel(model_);
}

void RecordListPanel::ShowRecordTail()
{
    model_->Refresh();
    Memo2->scrollToBottom();
    if (ctx_.params) {
        ctx_.params->Memo2->scrollToBottom();
    }
}

void RecordListPanel::LogLine(const QString& line)
{
    AppendBounded(Memo1, line);
    if (ctx_.params) {
        AppendBounded(ctx_.params->Memo1, line);
    }
}

void RecordListPanel::PreviewFile(const QString& text, int left, int width)
{
    if (text.isEmpty()) {
        Memo3->hide();
        Memo3->clear();
        return;
    }
    Memo3->setGeometry(left, 40, width, 345);
    Memo3->setPlainText(text);
    Memo3->show();
    Memo3->raise();
}

}  // namespace sondalog
