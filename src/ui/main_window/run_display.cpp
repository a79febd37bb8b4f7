#include "ui/main_window/run_display.h"

#include "ui/charts_window/charts_window.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/figures_panel.h"
#include "ui/main_window/message_queue.h"
#include "ui/main_window/question_panel.h"
#include "ui/main_window/record_list_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/view_panel.h"
#include "ui/parameters_window/parameters_window.h"
#include "ui/widgets/graph_widget.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace sondalog {

RunDisplay::RunDisplay(MainContext& context, QWidget* area) : QObject(area), ctx_(context), area_(area) {}

void RunDisplay::WireSession()
{
    AcquisitionSession* session = &ctx_.controller->session();
    RecordListPanel* records = ctx_.records;
    RecordingPanel* recording = ctx_.recording;
    connect(session, &AcquisitionSession::logLine, this, [this, records, recording](const QString& line) {
        records->LogLine(line);
        if (ctx_.controller->state() == RunState::LinkTest && !line.trimmed().isEmpty()) {
            recording->ShowLinkNote(kLinkTestCaption + line.left(200), false);  // what the link brings, here too
        }
    });
    connect(session, &AcquisitionSession::readingProcessed, this, &RunDisplay::OnReading);
    connect(session, &AcquisitionSession::counterChanged, this,
            [this](int n) { ctx_.params->Label_nlecture->setText(QString::number(n)); });
    connect(session, &AcquisitionSession::countdownChanged, ctx_.question->Button_go, &QPushButton::setText);
    connect(session, &AcquisitionSession::label21Changed, ctx_.runPanel, &RunPanel::ShowSessionMessage);
    connect(session, &AcquisitionSession::messageRequested, ctx_.messages, &MessageQueue::ShowMessage);
    connect(session, &AcquisitionSession::openFailed, ctx_.messages, &MessageQueue::ShowMessage);
    connect(session, &AcquisitionSession::linkLost, this, [this, recording](const QString& m) {
        // With the time: the operator coming back to the laptop sees since when.
        recording->ShowLinkNote(m + QStringLiteral("\n(") + QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) + u')', true);
    });
    connect(session, &AcquisitionSession::linkRestored, recording->Panel2, &QWidget::hide);
    connect(session, &AcquisitionSession::undecoded, this, [records, recording](const QString& m) {
        records->LogLine(m);
        recording->ShowLinkNote(m, true);
    });
    connect(session, &AcquisitionSession::finished, ctx_.runPanel, &RunPanel::OnRunFinished);
}

void RunDisplay::OnReading(const DisplayTexts& texts)
{
    for (const auto& [name, text] : texts.Captions()) {
        if (auto* label = area_->findChild<QLabel*>(name)) {
            label->setText(text);
        } else if (auto* edit = area_->findChild<QLineEdit*>(name)) {
            edit->setText(text);
        }
    }
    if (texts.Label_n_parametres) {
        ctx_.params->Label_n->setText(*texts.Label_n_parametres);
    }
    if (ctx_.controller->state() == RunState::LinkTest && texts.stored) {
        ctx_.recording->ShowLinkNote(kLinkTestCaption + tr("mesure lue %1  %2")
                                                            .arg(ctx_.figures->Label_val_grand1->text(),
                                                                 ctx_.figures->Label_val_grand2->text()),
                                     false);
    }
    QPushButton* go = ctx_.question->Button_go;
    if (!go->isEnabled() && ctx_.controller->run().state.series.sampleCount > 0) {
        go->setEnabled(true);
    }
    if (texts.showLabel7) {
        ctx_.figures->Label7->show();
    }
    if (!texts.recordLines.isEmpty()) {
        ctx_.records->ShowRecordTail();
    }
    ctx_.analysis->FollowReadings();
    if (texts.redraw) {
        ctx_.redraw();
    }
}

void RunDisplay::OnRunReset()
{
    ctx_.view->ShowAxisBoxes();
    ctx_.figures->Clear();
    ctx_.params->Label_n->clear();
    QLineEdit* folder = ctx_.recording->Edit_repertoire;
    folder->setText(ctx_.store->workingDir);
    folder->setToolTip(QStringLiteral("    ") + ctx_.store->workingDir + QStringLiteral("   "));
    ctx_.records->Memo1->clear();
    ctx_.records->ShowRecordTail();
    ctx_.view->ImageA->Fill(ctx_.view->graphColour());
    ctx_.question->SetColour(kQuestionColour);
    ctx_.store->table.modified = false;
    ctx_.analysis->Clear();
}

void RunDisplay::OnContinued(const OwnRecordingLoad& load)
{
    ctx_.figures->Label_n->setText(load.Label_n);
    ctx_.params->Label_n->setText(load.Label_n);
    if (!load.Label_multimetre.isEmpty()) {
        ctx_.runPanel->Label_multimetre->setText(load.Label_multimetre);
    }
    if (!load.Edit_Prefixe.isEmpty()) {
        ctx_.recording->Edit_Prefixe->setText(load.Edit_Prefixe);
    }
    ctx_.runPanel->ShowContinued();
}

void RunDisplay::OnLoaded(const QString& path, bool asAuto, const DisplayTexts& shown, const AutoFileLoad& autoLoad)
{
    if (asAuto) {
        DisplayTexts texts = shown;
        texts.recordLines.clear();
        texts.redraw = false;
        OnReading(texts);
        ctx_.figures->Label_n->setText(autoLoad.Label_n);
        ctx_.params->Label_n->setText(autoLoad.Label_n_parametres);
        ctx_.runPanel->Button_stop->setEnabled(true);
        if (ctx_.controller->run().state.series.sampleCount == 0) {
            ctx_.info(tr("Aucune mesure décodée dans %1 : vérifier les repères et la fin de bloc du tableau des paramètres.")
                          .arg(QFileInfo(path).fileName()));
        }
    }
    ctx_.recording->Label22->setText(QFileInfo(path).fileName());
    ctx_.charts->SourceChanged();
    ctx_.analysis->Restart();
    ctx_.redraw();
}

}  // namespace sondalog
