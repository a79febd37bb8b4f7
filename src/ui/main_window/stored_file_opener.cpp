#include "ui/main_window/stored_file_opener.h"

#include "acquisition/stored_files.h"
#include "app/background_job.h"
#include "app/choice_layout.h"
#include "app/run_options.h"
#include "ui/dialogs/choice_dialog.h"
#include "ui/main_window/figures_panel.h"
#include "ui/main_window/record_list_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/view_panel.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTimer>

namespace sondalog {

namespace {
const char* const kOwnCaption = QT_TRANSLATE_NOOP("sondalog::StoredFileOpener", " fichier SondaLOG ");
const char* const kAutoCaption = QT_TRANSLATE_NOOP("sondalog::StoredFileOpener", " fichier d'acquisition AUTOmatique");
const char* const kOpenFilter = QT_TRANSLATE_NOOP("sondalog::StoredFileOpener",
                                                  "Fichiers SondaLOG et AUTO (*.txt *.csv);;Fichiers CSV (*.csv);;Tous les fichiers (*)");
constexpr int kMemo3Lines = 1000;  // what the user sees of the file while answering
}  // namespace

struct StoredFileOpener::Loading {
    std::atomic<bool> cancel{false};
    std::atomic<int> progress{0};
    QProgressDialog* dialog = nullptr;
    QTimer* poll = nullptr;
    QString previousLabel22;
};

StoredFileOpener::StoredFileOpener(MainContext& context, QWidget* window)
    : QObject(window), ctx_(context), window_(window)
{
}

StoredFileOpener::~StoredFileOpener() = default;

void StoredFileOpener::Button_open_fileClick()
{
    if (LoadInProgress()) {
        return;
    }
    const int choice = choose ? choose(Message(kOpenChoiceMessage), {tr(kOwnCaption), tr(kAutoCaption), tr("Annuler")})
                              : ChoiceDialog(window_, Message(kOpenChoiceMessage), QMessageBox::Question, tr(kOwnCaption),
                                             tr(kAutoCaption), tr("Annuler"));
    if (choice == 3) {
        return;
    }
    const bool asAuto = choice != 1;  // the close box reads as the instrument's file
    const QString title = asAuto ? tr("Ouverture d'un fichier d'acquisition AUTOmatique") : tr("Ouverture d'un fichier SondaLOG");
    const QString filter = tr(kOpenFilter);
    const QString path = openFileName ? openFileName(title, filter)
                                      : QFileDialog::getOpenFileName(window_, title, ctx_.store->workingDir, filter);
    if (path.isEmpty()) {
        return;
    }
    if (ctx_.controller->session().IsRunning()) {
        // Loading would replace the readings the run is taking.
        ctx_.info(tr("Une acquisition est en cours : l'arrêter (Stop + save) avant d'ouvrir un fichier."));
        return;
    }
    OpenStoredFile(path, asAuto);
}

void StoredFileOpener::OpenStoredFile(const QString& path, bool asAuto)
{
    auto loading = std::make_shared<Loading>();
    loading_ = loading;
    NewLoadingDialog(tr("Lecture de %1").arg(QFileInfo(path).fileName()));
    loading->poll = new QTimer(this);
    connect(loading->poll, &QTimer::timeout, this, [loading] {
        if (loading->dialog && loading->dialog->maximum() > 0) {
            loading->dialog->setValue(loading->progress.load());
        }
    });
    loading->poll->start(50);
    emit loadingChanged(true);
    QApplication::setOverrideCursor(Qt::BusyCursor);

    const qint64 limit = StoredFileSizeLimit();
    RunInBackground<StoredFileText>(this, [path, limit] { return ReadStoredFile(path, limit, kMemo3Lines); },
                                    [this, loading, path, asAuto](StoredFileText&& text) {
                                        if (loading_ != loading) {
                                            return;
                                        }
                                        if (loading->cancel || !text.error.isEmpty()) {
                                            EndLoad();
                                            if (!text.error.isEmpty() && !loading->cancel) {
                                                ctx_.info(text.error);
                                            }
                                            return;
                                        }
                                        DecodeStoredFile(path, asAuto, std::move(text.lines), text.lineCount);
                                    });
}

void StoredFileOpener::NewLoadingDialog(const QString& label)
{
    // Made anew after each question: a progress dialog only hidden shows itself again by its own timer, behind
    // the question, and waits there for ever.
    auto* dialog = new QProgressDialog(label, tr("Annuler"), 0, 0, window_);
    dialog->setWindowTitle(kChoiceCaption);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(300);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    connect(dialog, &QProgressDialog::canceled, this, &StoredFileOpener::CancelLoad);
    loading_->dialog = dialog;
}

bool StoredFileOpener::ConfirmKind(const QStringList& lines, const QString& fileName, int length, bool& asAuto)
{
    // A CSV instrument's file has no end-of-block line: its CSV lines say what it is.
    const InstrumentConfig& config = ctx_.store->config;
    const bool csvLogging = HoldsCsvReadings(lines, config.q1);
    // A fluorometer's file is rows of lamps, no blocks: read as the instrument's file when a fluorometer is active.
    const bool fluorometer = FluorometerRowLayoutOf(config).has_value();
    const bool mismatch = asAuto ? length == 0 && !csvLogging && !fluorometer : length >= 1;
    if (!mismatch) {
        return true;
    }
    QApplication::restoreOverrideCursor();
    const QLineEdit* graduation = ctx_.view->Edit_y1_graduation;
    QWidget* area = ctx_.view->parentWidget();
    ctx_.records->PreviewFile(lines.join(u'\n'), graduation->mapTo(area, QPoint(0, 0)).x(),
                              std::max(200, window_->width() - graduation->mapTo(window_, QPoint(0, 0)).x() - 50));
    const QString endOfBlock = config.active.endOfBlock;
    const bool yes = ctx_.confirm(asAuto ? LooksLikeOwnQuestion(fileName, endOfBlock) : LooksLikeAutoQuestion(fileName, length));
    ctx_.records->PreviewFile(QString(), 0, 0);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    if (yes) {
        asAuto = !asAuto;
    }
    return yes;
}

void StoredFileOpener::DecodeStoredFile(const QString& path, bool asAuto, QStringList lines, qint64 lineCount)
{
    const std::shared_ptr<Loading> loading = loading_;
    const QString fileName = QFileInfo(path).fileName();
    const InstrumentConfig& config = ctx_.store->config;
    const int length = BlockLength(lines, config.active.endOfBlock);
    // No question is ever asked with the progress dialog still about.
    loading->dialog->disconnect(this);
    loading->dialog->hide();
    loading->dialog->deleteLater();
    loading->dialog = nullptr;
    if (!ConfirmKind(lines, fileName, length, asAuto) || !ctx_.controller->MayClearReadings()) {
        EndLoad();
        return;
    }
    const QString header = lines.value(0);
    QLabel* label22 = ctx_.recording->Label22;
    loading->previousLabel22 = label22->text();
    label22->setText(fileName);
    QStringList withEnd = lines.mid(0, 101);
    withEnd << QStringLiteral("fin");
    const int blockLength = BlockLength(withEnd, config.active.endOfBlock);
    if (asAuto) {
        QLabel* expected = ctx_.figures->Label_nmax_nf;
        expected->setText(ExpectedReadings(static_cast<int>(std::min<qint64>(lineCount, 1'000'000'000)) + 1, blockLength));
        expected->show();
    }
    NewLoadingDialog(tr("Décodage de %1").arg(fileName));
    loading->dialog->setRange(0, 1000);
    loading->dialog->show();

    // The decoding set-up is the string mode's, on the axes the boxes show.
    StoredFileJob job;
    job.asAuto = asAuto;
    job.path = path;
    job.lineCount = lineCount;
    job.blockLength = blockLength;
    job.config = ctx_.view->AxisLimits();
    Settings s = ctx_.store->Complete();
    s.CheckBox_demo = false;
    s.readMode = 1;
    job.options = MakeProcessOptions(s, ctx_.store->table, job.config, ctx_.regional);
    job.blockOptions = MakeBlockOptions(s);
    if (asAuto) {
        if (const QString why = PrepareInstrumentRun(s, ctx_.store->fluorometer, job.config, job.options, job.blockOptions);
            !why.isEmpty()) {
            ctx_.recording->Label22->setText(loading->previousLabel22);
            EndLoad();
            ctx_.info(why);  // a fluorometer's file without a calibration: no lamps shown as concentrations
            return;
        }
    }
    job.regional = ctx_.regional;
    RunInBackground<StoredFileResult>(
        this, [job = std::move(job), loading] { return RunStoredFileJob(job, loading->cancel, loading->progress); },
        [this, loading, path, asAuto, header](StoredFileResult&& result) {
            if (loading_ != loading) {
                return;
            }
            ApplyStoredFile(path, asAuto, header, std::move(result));
        });
}

void StoredFileOpener::ApplyStoredFile(const QString& path, bool asAuto, const QString& header, StoredFileResult&& result)
{
    ctx_.figures->Label_nmax_nf->hide();
    const bool cancelled = result.cancelled || loading_->cancel;
    if (cancelled || !result.error.isEmpty()) {
        ctx_.recording->Label22->setText(loading_->previousLabel22);
        EndLoad();
        if (!cancelled) {
            ctx_.info(result.error);
        }
        return;
    }
    const DisplayTexts shown = result.shown;
    const AutoFileLoad autoLoad = result.autoLoad;
    ctx_.controller->AdoptStoredFile(std::move(result), path, asAuto, header, ctx_.view->AxisLimits());
    emit loaded(path, asAuto, shown, autoLoad);
    EndLoad();
}

QProgressDialog* StoredFileOpener::LoadProgressDialog() const
{
    return loading_ ? loading_->dialog : nullptr;
}

void StoredFileOpener::CancelLoad()
{
    if (!loading_) {
        return;
    }
    loading_->cancel = true;
    if (loading_->dialog) {
        loading_->dialog->setLabelText(tr("Annulation…"));
    }
}

void StoredFileOpener::EndLoad()
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
    emit loadingChanged(false);
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace sondalog
