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

RecordingSetup MainWindow::RecordingSetupNow() const
{
    RecordingSetup setup;
    setup.workingDirectory = workingDir_;
    setup.prefix = Edit_Prefixe->text();
    setup.demo = CheckBox_demo->isChecked();
    setup.withDate = CheckBox_date_heure->isChecked();
    return setup;
}

void MainWindow::UpdateRecordingSetup()
{
    if (controller_ && Edit_Prefixe && CheckBox_demo && CheckBox_date_heure) {
        controller_->SetRecordingSetup(RecordingSetupNow());
    }
}

void MainWindow::ShowSave(const SaveResult& r, bool autoSaving)
{
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
        if (!autoSaving) {
            SpeedButton_annuler->hide();
        }
        return;
    }
    if (r.written) {
        Label11->setText(r.Label11);
        Label11->setToolTip(r.Label11Hint);
        SetTextColour(Label11, palette().color(QPalette::WindowText));
        QGuiApplication::clipboard()->setText(ClipboardText(Run().records));
        if (r.openInEditor && openEditor) {
            const QFileInfo file(r.path);
            openEditor(file.absolutePath(), file.fileName());
        }
    }
    if (autoSaving) {
        return;
    }
    SpeedButton_annuler->hide();
    if (r.written) {
        QString report = SaveReport(static_cast<int>(Run().records.size()) - 1, r.path);
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
}

}  // namespace sondalog
