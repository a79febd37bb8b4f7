// The main window's "open" button: a stored recording read back to be viewed or continued, or
// the instrument's own logging file decoded as a run. Reading and decoding run on a thread of
// their own behind a progress dialog; the window's run changes only when a load has finished
// whole, so cancelling leaves it as it was.
#include "ui/main_window/main_window.h"

#include "app/background_job.h"
#include "ui/dialogs/choice_dialog.h"
#include "app/choice_layout.h"
#include "ui/main_window/record_list_model.h"
#include "app/run_options.h"
#include "ui/charts_window/charts_window.h"
#include "ui/parameters_window/parameters_window.h"
#include "acquisition/stored_files.h"
#include "util/text_utils.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>

#include <atomic>

namespace sondalog {

namespace {
const QString kOwnCaption = QStringLiteral(" fichier SondaLOG ");
const QString kAutoCaption = QStringLiteral(" fichier d'acquisition AUTOmatique");
const QString kOpenFilter =
    QStringLiteral("Fichiers SondaLOG et AUTO (*.txt *.csv);;Fichiers CSV (*.csv);;Tous les fichiers (*)");
constexpr int kMemo3Lines = 1000;     // what the user sees of the file while answering
}  // namespace

struct MainWindow::Loading {
    std::atomic<bool> cancel{false};
    std::atomic<int> progress{0};
    QProgressDialog* dialog = nullptr;
    QTimer* poll = nullptr;
    QString previousLabel22;
};

void MainWindow::Button1Click()
{
    if (!charts_->isVisible()) {
        // As large as the main window, centred on its screen.
        charts_->resize(size());
        if (const QScreen* screen = this->screen()) {
            const QRect r = screen->availableGeometry();
            charts_->move(r.x() + std::max(0, (r.width() - width()) / 2), r.y() + std::max(0, (r.height() - height()) / 2));
        }
    }
    charts_->show();
    charts_->raise();
    charts_->activateWindow();
}

void MainWindow::Button_open_fileClick()
{
    if (LoadInProgress()) {
        return;
    }
    const int choice = choose ? choose(kOpenChoiceMessage, {kOwnCaption, kAutoCaption, QStringLiteral("Annuler")})
                              : ChoiceDialog(this, kOpenChoiceMessage, QMessageBox::Question, kOwnCaption, kAutoCaption,
                                             QStringLiteral("Annuler"));
    if (choice == 3) {
        return;
    }
    const bool asAuto = choice != 1;  // the close box reads as the instrument's file
    const QString title = asAuto ? QStringLiteral("Ouverture d'un fichier d'acquisition AUTOmatique")
                                 : QStringLiteral("Ouverture d'un fichier SondaLOG");
    const QString path = openFileName ? openFileName(title, kOpenFilter)
                                      : QFileDialog::getOpenFileName(this, title, workingDir_, kOpenFilter);
    if (path.isEmpty()) {
        return;
    }
    if (controller_->session().IsRunning()) {
        // Loading would replace the readings the run is taking.
        info(QStringLiteral("Une acquisition est en cours : l'arrêter (Stop + save) avant d'ouvrir un fichier."));
        return;
    }
    OpenStoredFile(path, asAuto);
}

void MainWindow::OpenStoredFile(const QString& path, bool asAuto)
{
    auto loading = std::make_shared<Loading>();
    loading_ = loading;
    NewLoadingDialog(QStringLiteral("Lecture de ") + QFileInfo(path).fileName());
    loading->poll = new QTimer(this);
    connect(loading->poll, &QTimer::timeout, this, [loading] {
        if (loading->dialog && loading->dialog->maximum() > 0) {
            loading->dialog->setValue(loading->progress.load());
        }
    });
    loading->poll->start(50);
    Button_open_file->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);

    const qint64 limit = StoredFileSizeLimit();
    RunInBackground<StoredFileText>(this, [path, limit] { return ReadStoredFile(path, limit, kMemo3Lines); },
                                    [this, loading, path, asAuto](StoredFileText&& text) {
                                        if (loading_ != loading) {
                                            return;
                                        }
                                        if (loading->cancel) {
                                            EndLoad();
                                            return;
                                        }
                                        if (!text.error.isEmpty()) {
                                            EndLoad();
                                            info(text.error);
                                            return;
                                        }
                                        DecodeStoredFile(path, asAuto, std::move(text.lines), text.lineCount);
                                    });
}

void MainWindow::NewLoadingDialog(const QString& label)
{
    // Made anew after each question: a progress dialog only hidden shows itself again by its own timer, behind
    // the question, and waits there for ever.
    auto* dialog = new QProgressDialog(label, QStringLiteral("Annuler"), 0, 0, this);
    dialog->setWindowTitle(kChoiceCaption);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(300);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    connect(dialog, &QProgressDialog::canceled, this, &MainWindow::CancelLoad);
    loading_->dialog = dialog;
}

void MainWindow::DecodeStoredFile(const QString& path, bool asAuto, QStringList lines, qint64 lineCount)
{
    const std::shared_ptr<Loading> loading = loading_;
    const QString fileName = QFileInfo(path).fileName();
    const QString endOfBlock = config_.active.endOfBlock;
    const int length = BlockLength(lines, endOfBlock);
    // No question is ever asked with the progress dialog still about.
    loading->dialog->disconnect(this);
    loading->dialog->hide();
    loading->dialog->deleteLater();
    loading->dialog = nullptr;

    // The kind chosen against the markers found: asked with the file in view. A CSV instrument's file has no
    // end-of-block line: its CSV lines say what it is.
    const bool csvLogging = HoldsCsvReadings(lines, config_.q1);
    const bool mismatch = asAuto ? length == 0 && !csvLogging : length >= 1;
    if (mismatch) {
        QApplication::restoreOverrideCursor();
        Memo3->setGeometry(Edit_y1_graduation->mapTo(centralWidget(), QPoint(0, 0)).x(), 40,
                           std::max(200, width() - Edit_y1_graduation->mapTo(this, QPoint(0, 0)).x() - 50), 345);
        Memo3->setPlainText(lines.join(u'\n'));
        Memo3->show();
        Memo3->raise();
        const bool yes = confirm(asAuto ? LooksLikeOwnQuestion(fileName, endOfBlock) : LooksLikeAutoQuestion(fileName, length));
        Memo3->hide();
        Memo3->clear();
        QApplication::setOverrideCursor(Qt::BusyCursor);
        if (!yes) {
            EndLoad();
            return;
        }
        asAuto = !asAuto;
    }
    if (!controller_->MayClearReadings()) {
        EndLoad();
        return;
    }
    const QString header = lines.value(0);
    loading->previousLabel22 = Label22->text();
    Label22->setText(fileName);
    QStringList withEnd = lines.mid(0, 101);
    withEnd << QStringLiteral("fin");
    const int blockLength = BlockLength(withEnd, endOfBlock);
    if (asAuto) {
        Label_nmax_nf->setText(ExpectedReadings(static_cast<int>(std::min<qint64>(lineCount, 1'000'000'000)) + 1, blockLength));
        Label_nmax_nf->show();
    }
    NewLoadingDialog(QStringLiteral("Décodage de ") + fileName);
    loading->dialog->setRange(0, 1000);
    loading->dialog->show();

    // The decoding set-up is the string mode's, on the axes the boxes show.
    StoredFileJob job;
    job.asAuto = asAuto;
    job.path = path;
    job.lineCount = lineCount;
    job.blockLength = blockLength;
    job.config = config_;
    job.config.q1.axisMax = ParseReal(Edit_max_y1->text(), regional_.decimalSign).value;
    job.config.q1.axisMin = ParseReal(Edit_min_y1->text(), regional_.decimalSign).value;
    job.config.q2.axisMax = ParseReal(Edit_max_y2->text(), regional_.decimalSign).value;
    job.config.q2.axisMin = ParseReal(Edit_min_y2->text(), regional_.decimalSign).value;
    job.config.q2.graduation = ParseReal(Edit_y2_graduation->text(), regional_.decimalSign).value;
    Settings s = CollectSettings();
    s.CheckBox_demo = false;
    s.readMode = 1;
    job.options = MakeProcessOptions(s, params_->table, job.config, regional_);
    job.blockOptions = MakeBlockOptions(s);
    job.regional = regional_;
    RunInBackground<StoredFileResult>(
        this,
        [job = std::move(job), loading] { return RunStoredFileJob(job, loading->cancel, loading->progress); },
        [this, loading, path, asAuto, header](StoredFileResult&& result) {
            if (loading_ != loading) {
                return;
            }
            ApplyStoredFile(path, asAuto, header, std::move(result));
        });
}

void MainWindow::ApplyStoredFile(const QString& path, bool asAuto, const QString& header, StoredFileResult&& result)
{
    Label_nmax_nf->hide();
    if (result.cancelled || loading_->cancel) {
        Label22->setText(loading_->previousLabel22);
        EndLoad();
        return;
    }
    if (!result.error.isEmpty()) {
        Label22->setText(loading_->previousLabel22);
        EndLoad();
        info(result.error);
        return;
    }
    DisplayTexts shown = result.shown;
    const AutoFileLoad autoLoad = result.autoLoad;
    controller_->AdoptStoredFile(std::move(result), path, asAuto, header, AxisLimits());
    if (asAuto) {
        shown.recordLines.clear();
        shown.redraw = false;
        OnReading(shown);
        Label_n->setText(autoLoad.Label_n);
        params_->Label_n->setText(autoLoad.Label_n_parametres);
        Button_stop->setEnabled(true);
        if (Run().state.series.sampleCount == 0) {
            info(QStringLiteral("Aucune mesure décodée dans ") + QFileInfo(path).fileName() +
                 QStringLiteral(" : vérifier les repères et la fin de bloc du tableau des paramètres."));
        }
    }
    Label22->setText(QFileInfo(path).fileName());
    charts_->SourceChanged();
    lastFitMs_ = 0;
    UpdateAnalysis();
    Redraw();
    EndLoad();
}

void MainWindow::ShowRecordTail()
{
    if (!recordModel_) {
        return;
    }
    recordModel_->Refresh();
    Memo2->scrollToBottom();
    params_->Memo2->scrollToBottom();
}

QProgressDialog* MainWindow::LoadProgressDialog() const
{
    return loading_ ? loading_->dialog : nullptr;
}

void MainWindow::CancelLoad()
{
    if (!loading_) {
        return;
    }
    loading_->cancel = true;
    if (loading_->dialog) {
        loading_->dialog->setLabelText(QStringLiteral("Annulation…"));
    }
}

void MainWindow::EndLoad()
{
    if (!loading_) {
        return;
    }
    loading_->poll->stop();
    loading_->poll->deleteLater();
    if (loading_->dialog) {
        loading_->dialog->hide();
        loading_->dialog->deleteLater();
    }
    loading_.reset();
    Button_open_file->setEnabled(true);
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::ShowContinuedRecording(const OwnRecordingLoad& load, const QString& header)
{
    Label_n->setText(load.Label_n);
    params_->Label_n->setText(load.Label_n);
    if (!load.Label_multimetre.isEmpty()) {
        Label_multimetre->setText(load.Label_multimetre);
    }
    if (!load.Edit_Prefixe.isEmpty()) {
        Edit_Prefixe->setText(load.Edit_Prefixe);
    }
    Q_UNUSED(header);
    Button_START->setText(QStringLiteral("Continue"));
}

}  // namespace sondalog
