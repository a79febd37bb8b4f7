// The main window's saves: the recording written by Stop + save, exit and the automatic backup,
// the question before unsaved readings are cleared, and the run journal (begun, settled, recovered).
#include "ui/main_window/main_window.h"

#include "acquisition/demo_generator.h"
#include "ui/main_window/record_list_model.h"
#include "ui/widgets/text_colour.h"
#include "ui/charts_window/charts_window.h"
#include "ui/dialogs/directory_chooser.h"
#include "ui/widgets/hint_style.h"
#include "ui/widgets/help_buttons.h"
#include "ui/widgets/line_edits.h"
#include "app/run_options.h"
#include "instrument/parameter_file.h"
#include "ui/parameters_window/parameters_window.h"
#include "plot/graph_painter.h"
#include "ui/widgets/graph_widget.h"
#include "acquisition/stored_files.h"
#include "serial/port_description.h"
#include "serial/raw_log.h"
#include "util/named.h"
#include "util/text_file.h"
#include "util/text_utils.h"

#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace sondalog {

SaveResult MainWindow::WriteRecording(bool autoSaving)
{
    const Settings s = CollectSettings();
    SaveRequest request;
    request.workingDirectory = workingDir_;
    request.autoSaving = autoSaving;
    request.name.prefix = Edit_Prefixe->text();
    request.name.demo = s.CheckBox_demo;
    request.name.withDate = CheckBox_date_heure->isChecked();
    request.name.now = clock_.Now();
    request.name.sampleCount = run_.state.series.sampleCount;
    request.name.maxCaption = Label_y1_max_lu->text();
    request.name.minCaption = Label_y1_min_lu->text();
    SaveResult r = writer_.Write(run_.records, request);
    if (!r.Label22.isEmpty()) {
        Label22->setText(r.Label22);
    }
    if (!r.error.isEmpty()) {
        // The status line never names a file as saved that is not: it says the failure.
        Label11->setText(autoSaving ? kBackupFailedCaption : kSaveFailedCaption);
        Label11->setToolTip(r.error);
        SetTextColour(Label11, Qt::red);
        if (!autoSaving && !quietFailures_) {
            info(r.error + kReadingsKept);
        } else if (autoSaving) {
            info(r.error);
        }
        return r;
    }
    if (r.written) {
        Label11->setText(r.Label11);
        Label11->setToolTip(r.Label11Hint);
        SetTextColour(Label11, palette().color(QPalette::WindowText));
        QGuiApplication::clipboard()->setText(ClipboardText(run_.records));
        if (r.openInEditor && openEditor) {
            const QFileInfo file(r.path);
            openEditor(file.absolutePath(), file.fileName());
        }
    }
    return r;
}

SaveResult MainWindow::enregistrer_donnees()
{
    const SaveResult r = WriteRecording(false);
    SpeedButton_annuler->hide();
    if (r.written) {
        QString report = SaveReport(static_cast<int>(run_.records.size()) - 1, r.path);
        if (AnalysisT0() != 0) {
            // Beside the recording: the analysis in French and the graph with its fitted curve.
            const QString failure = SaveAnalysisBeside(r.path);
            report += failure.isEmpty() ? QStringLiteral("\n+ analyse du traçage dans le dossier analyses")
                                        : QStringLiteral("\n") + failure;
        }
        Label_mess->setText(report);
        FitQuestionPanel();
        Panel_question->repaint();
    }
    return r;
}

bool MainWindow::MayClearReadings()
{
    if (!recordingRun_ || run_.state.series.sampleCount == 0 || !writer_.HasUnsavedLines(run_.records)) {
        return true;
    }
    return confirm(UnsavedReadingsQuestion(run_.state.series.sampleCount));
}

void MainWindow::Timer1Timer()
{
    // The folder deleted under the run: said at once, the journal written again where it was.
    const QString vanished = journal_.CheckStillThere();
    if (!vanished.isEmpty()) {
        info(vanished);
    }
    WriteRecording(true);
    journal_.SyncSoon();
}

void MainWindow::BeginJournal()
{
    const bool demo = CheckBox_demo->isChecked();
    const QString path = QDir(QDir(workingDir_).filePath(kAutoSaveFolder))
                             .filePath(JournalFileName(clock_.Now(), demo ? QStringLiteral("demo") : Edit_Prefixe->text()));
    // A continued recording's journal begins with the recording itself: after a crash it comes back whole, as one
    // numbering, never split over two files.
    QStringList preface;
    if (continuingFile_) {
        if (!continuedPath_.isEmpty()) {
            preface = ReadTextLines(continuedPath_).value_or(QStringList());
        }
        if (preface.isEmpty() && !continuedHeader_.isEmpty()) {
            preface << continuedHeader_;
        }
    }
    journal_.Begin(path, preface);
}

void MainWindow::SettleJournal()
{
    if (!run_.records.isEmpty() && !writer_.HasUnsavedLines(run_.records)) {
        journal_.Finish();
    }
}

void MainWindow::OfferRecovery()
{
    QStringList live = FindLiveJournals(workingDir_);
    live.removeAll(journal_.path());
    if (!live.isEmpty()) {
        info(LiveJournalMessage(live));
    }
    QList<InterruptedJournal> journals = FindInterruptedJournals(workingDir_);
    // The latest first: it is the run most likely to be continued.
    std::reverse(journals.begin(), journals.end());
    for (const InterruptedJournal& j : journals) {
        if (j.path == journal_.path()) {
            continue;
        }
        if (!confirm(RecoveryQuestion(j))) {
            SetJournalAside(j);
            continue;
        }
        const RecoveryResult r = RecoverJournal(j, workingDir_);
        if (!r.error.isEmpty()) {
            info(r.error);  // the journal stays where it is, to be offered again
            return;
        }
        ContinueRecording(j.lines);
        continuedPath_ = r.path;
        Label22->setText(QFileInfo(r.path).fileName());
        info(QStringLiteral("Acquisition interrompue enregistrée dans\n") + r.path +
             QStringLiteral("\n\n[Continue] la reprend à la mesure ") + QString::number(j.count + 1));
        return;
    }
}

}  // namespace sondalog
