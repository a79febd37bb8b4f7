#include "ui/main_window/recording_panel.h"

#include "ui/dialogs/directory_chooser.h"
#include "ui/main_window/question_panel.h"
#include "ui/widgets/line_edits.h"
#include "ui/widgets/text_colour.h"
#include "util/named.h"
#include "util/text_file.h"
#include "util/text_utils.h"
#include "util/translate.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>

namespace sondalog {

RecordingPanel::RecordingPanel(MainContext& context, QWidget* parent) : QWidget(parent), ctx_(context)
{
    setObjectName(QStringLiteral("RecordingPanel"));
    Edit_Prefixe = Named(new QLineEdit(QStringLiteral("Forage1"), this), "Edit_Prefixe");
    Edit_Prefixe->setMaxLength(kPrefixMaxChars);
    Edit_Prefixe->setToolTip(tr("PEUT ÊTRE CHANGÉ EN COURS DE LECTURE  "));
    auto* label16 = Named(new QLabel(tr("nom"), this), "Label16");
    label16->setToolTip(Edit_Prefixe->toolTip());
    CheckBox_date_heure = Named(new QCheckBox(tr("+ date/heure"), this), "CheckBox_date_heure");
    CheckBox_date_heure->setChecked(true);
    CheckBox_date_heure->setToolTip(tr("date et heure en début de nom"));
    Edit_repertoire = Named(new QLineEdit(this), "Edit_repertoire");
    Label22 = Named(new QLabel(QStringLiteral("-/-"), this), "Label22");
    Label11 = Named(new QLabel(tr("dernière sauvegarde => "), this), "Label11");
    Label11->setToolTip(tr("fichier"));
    SpeedButton_choix_rep = Named(new QToolButton(this), "SpeedButton_choix_rep");
    SpeedButton_choix_rep->setText(QStringLiteral("./.."));
    SpeedButton_choix_rep->setToolTip(tr("SELECTIONNER UN FICHIER QUELQUONQUE DU DOSSIER !!!!"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* names = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{label16, Edit_Prefixe, CheckBox_date_heure, SpeedButton_choix_rep}) {
        names->addWidget(w);
    }
    names->addWidget(Edit_repertoire, 1);
    names->addWidget(Label11);
    names->addWidget(Label22);
    column->addLayout(names);
    Label20 = Named(new QLabel(tr("n   heurePC  durée traçage  G1  G2   multimètre          "), this), "Label20");
    column->addWidget(Label20);

    // The note floats over the window, beside the folder button.
    Panel2 = Named(new QFrame(parent), "Panel2");
    Panel2->setFrameShape(QFrame::Box);
    Panel2->setAutoFillBackground(true);
    Label18 = Named(new QLabel(tr(" \n vérifier le \n répertoire \n\n et le nom \n"), Panel2), "Label18");
    (new QVBoxLayout(Panel2))->addWidget(Label18);
    Panel2->resize(220, 250);
    SpeedButton_choix_rep->installEventFilter(this);
    connect(Edit_Prefixe, &QLineEdit::textChanged, this, &RecordingPanel::SetupChanged);
    connect(CheckBox_date_heure, &QCheckBox::toggled, this, &RecordingPanel::SetupChanged);
    BuildChooser();
}

bool RecordingPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == SpeedButton_choix_rep && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) {
        PlacePanel2();
    }
    return QWidget::eventFilter(watched, e);
}

RecordingSetup RecordingPanel::Setup() const
{
    RecordingSetup setup;
    setup.workingDirectory = ctx_.store->workingDir;
    setup.prefix = Edit_Prefixe->text();
    setup.demo = ctx_.store->settings.CheckBox_demo;
    setup.withDate = CheckBox_date_heure->isChecked();
    return setup;
}

void RecordingPanel::SetupChanged()
{
    ctx_.store->settings.Edit_Prefixe = Edit_Prefixe->text();
    ctx_.controller->SetRecordingSetup(Setup());
}

void RecordingPanel::ShowSettings(const Settings& settings)
{
    QString dir = settings.Edit_repertoire;
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    ctx_.store->workingDir = WithTrailingSeparator(dir);
    Edit_repertoire->setText(ctx_.store->workingDir);
    Edit_repertoire->setToolTip(QStringLiteral("    ") + ctx_.store->workingDir + QStringLiteral("   "));
    Edit_Prefixe->setText(settings.Edit_Prefixe);
    SetupChanged();
}

void RecordingPanel::ShowSave(const SaveResult& r, bool autoSaving)
{
    if (!r.Label22.isEmpty()) {
        Label22->setText(r.Label22);
    }
    if (!r.error.isEmpty()) {
        // The status line never names a file as saved that is not: it says the failure.
        Label11->setText(autoSaving ? Message(kBackupFailedMessage) : Message(kSaveFailedMessage));
        Label11->setToolTip(r.error);
        SetTextColour(Label11, Qt::red);
    } else if (r.written) {
        Label11->setText(r.Label11);
        Label11->setToolTip(r.Label11Hint);
        SetTextColour(Label11, palette().color(QPalette::WindowText));
    }
}

void RecordingPanel::ShowLinkNote(const QString& text, bool alarm)
{
    if (text.isEmpty()) {
        Panel2->hide();
        return;
    }
    Label18->setText(text);
    Label18->show();  // test COM hides it: a box without its text says nothing
    SetTextColour(Label18, alarm ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    Panel2->adjustSize();
    Panel2->show();
    Panel2->raise();
}

void RecordingPanel::PlacePanel2()
{
    // Right of the folder button, above it: the reminder points at the folder and the name.
    QWidget* area = parentWidget();
    const QPoint at = SpeedButton_choix_rep->mapTo(area, QPoint(SpeedButton_choix_rep->width() + 4, 0));
    const int top = std::max(0, at.y() + SpeedButton_choix_rep->height() - Panel2->height());
    Panel2->move(std::min(at.x(), std::max(0, area->width() - Panel2->width())), top);
}

void RecordingPanel::BuildChooser()
{
    Panel_dir = new DirectoryChooser(parentWidget());
    SpeedButton_choix_rep->setCheckable(true);  // down ("flat") while the chooser is open
    Edit_repertoire->setPlaceholderText(tr("répertoire"));
    connect(SpeedButton_choix_rep, &QToolButton::clicked, this, &RecordingPanel::SpeedButton_choix_repClick);
    connect(Panel_dir, &DirectoryChooser::folderChanged, this, &RecordingPanel::DirectoryListBox1Change);
    connect(Panel_dir, &DirectoryChooser::validated, this, &RecordingPanel::SpeedButton_valider_repertoireClick);
    connect(Panel_dir, &DirectoryChooser::cancelled, this, &RecordingPanel::SpeedButton_annuler_repertoireClick);
    connect(Edit_repertoire, &QLineEdit::returnPressed, this, &RecordingPanel::Edit_repertoireKeyUp);
    connect(Panel_dir, &DirectoryChooser::fileChosen, this, [this](const QString& path) {
        const QFileInfo file(path);
        if (ctx_.confirm(tr(" Editer le fichier <%1>  ?  \n\n").arg(file.fileName())) &&
            ctx_.openEditor) {
            ctx_.openEditor(file.absolutePath(), file.fileName());
        }
    });
    connect(Panel_dir, &DirectoryChooser::folderRightClicked, this, [this] {
        ctx_.info(tr("%1  nouveau dossier => saisir le nom et [Entrée]...").arg(ctx_.run().state.series.sampleCount));
    });
}

bool RecordingPanel::ChooserOpen() const
{
    return Panel_dir && Panel_dir->isVisible();
}

void RecordingPanel::SpeedButton_choix_repClick()
{
    if (ChooserOpen()) {
        SpeedButton_annuler_repertoireClick();  // a second click cancels
        return;
    }
    OpenChooser();
    SetWorkingDirectory(Edit_repertoire->text());
}

void RecordingPanel::OpenChooser()
{
    QString folder = Edit_repertoire->text();
    if (!QFileInfo(folder).isDir()) {
        const QString current = QDir::currentPath();
        if (!folder.isEmpty() && folder != QLatin1String("répertoire")) {
            ctx_.info(tr("\nrépertoire <%1> inexistant\n\n proposition modifiable <%2>").arg(folder, current));
        }
        folder = current;
    }
    const QString previous = Edit_repertoire->text();
    chooserOpen_ = true;
    SpeedButton_choix_rep->setChecked(true);
    Panel_dir->Open(folder, previous);
    // The folder box sits low in the window: the panel opens above it, as large as the window allows.
    QWidget* area = parentWidget();
    const QPoint edit = Edit_repertoire->mapTo(area, QPoint(0, 0));
    const int height = std::min(420, std::max(200, edit.y() - 20));
    Panel_dir->setGeometry(edit.x(), std::max(0, edit.y() - height - 10), std::min(760, area->width() - edit.x() - 10),
                           height);
    Panel_dir->show();
    Panel_dir->raise();
}

void RecordingPanel::DirectoryListBox1Change(const QString& folder)
{
    if (!chooserOpen_) {
        return;
    }
    // A choice waits for Valider: the box follows the folder list, in red.
    Edit_repertoire->setText(folder);
    Edit_repertoire->setToolTip(QStringLiteral("    ") + folder + QStringLiteral("   "));
    SetTextColour(Edit_repertoire, Qt::red);
    SetTextColour(Panel_dir->SpeedButton_valider_repertoire, Qt::red);
}

void RecordingPanel::SpeedButton_valider_repertoireClick()
{
    if (chooserOpen_) {
        Edit_repertoireKeyUp();
        chooserOpen_ = false;
        SetTextColour(Edit_repertoire, palette().color(QPalette::WindowText));
        SpeedButton_choix_rep->setChecked(false);
        SetWorkingDirectory(Edit_repertoire->text());
    }
    SetTextColour(Panel_dir->SpeedButton_valider_repertoire, palette().color(QPalette::WindowText));
    Panel_dir->hide();
    Panel2->hide();
    emit chooserClosed(true);
}

void RecordingPanel::SpeedButton_annuler_repertoireClick()
{
    if (chooserOpen_) {
        Edit_repertoire->setText(Panel_dir->Previous());
        SetTextColour(Edit_repertoire, palette().color(QPalette::WindowText));
        SpeedButton_choix_rep->setChecked(false);
        chooserOpen_ = false;
    }
    SetTextColour(Panel_dir->SpeedButton_valider_repertoire, palette().color(QPalette::WindowText));
    Panel_dir->hide();
    Panel2->hide();
    emit chooserClosed(false);
}

void RecordingPanel::Edit_repertoireKeyUp()
{
    const QString workingDir = ctx_.store->workingDir;
    const QString path = WithTrailingSeparator(Edit_repertoire->text().trimmed());
    if (path.isEmpty()) {
        Edit_repertoire->setText(workingDir);
        return;
    }
    Edit_repertoire->setText(path);
    if (QFileInfo(path).isDir()) {
        // What the box shows is where the recording goes.
        ctx_.question->hide();
        if (chooserOpen_) {
            Panel_dir->GoTo(path);
        }
        SetWorkingDirectory(path);
        return;
    }
    if (ctx_.run().state.series.sampleCount != 0) {
        // A folder is only created before a run has readings: the box goes back to where they go.
        ctx_.question->hide();
        ctx_.info(tr("Le dossier <%1> n'existe pas : les mesures restent enregistrées dans <%2>").arg(path, workingDir));
        Edit_repertoire->setText(workingDir);
        return;
    }
    if (!ctx_.confirm(tr(" Le dossier  <%1>    \n\n   n'existe pas, le créer ?,").arg(path))) {
        Edit_repertoire->setText(workingDir);
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path.toStdU16String()), ec);
    if (ec || !QFileInfo(path).isDir()) {
        ctx_.info(tr("Impossible de créer %1").arg(path) +
                  (ec ? QStringLiteral(" (") + QString::fromLocal8Bit(ec.message()) + u')' : QString()));
        Edit_repertoire->setText(workingDir);
        return;
    }
    if (chooserOpen_) {
        Panel_dir->GoTo(path);
    }
    SetWorkingDirectory(path);
}

void RecordingPanel::SetWorkingDirectory(const QString& folder)
{
    const QString dir = WithTrailingSeparator(folder);
    if (dir.isEmpty()) {
        return;
    }
    const bool changed = dir != ctx_.store->workingDir;
    ctx_.store->workingDir = dir;
    SetupChanged();
    Edit_repertoire->setText(dir);
    Edit_repertoire->setToolTip(QStringLiteral("    ") + dir + QStringLiteral("   "));
    if (changed) {
        ctx_.settingsChanged();
    }
}

}  // namespace sondalog
