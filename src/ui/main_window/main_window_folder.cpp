// The main window's side of the working-directory chooser: opening it under the folder box,
// following its choice, creating a typed folder, validating before a run starts.
#include "ui/main_window/main_window.h"

#include "ui/dialogs/directory_chooser.h"
#include "util/named.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <filesystem>

namespace sondalog {

namespace {
void SetTextColour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}
}  // namespace

void MainWindow::BuildChooser()
{
    Panel_dir = new DirectoryChooser(centralWidget());
    SpeedButton_choix_rep->setCheckable(true);  // down ("flat") while the chooser is open
    Edit_repertoire->setReadOnly(false);
    Edit_repertoire->setPlaceholderText(QStringLiteral("répertoire"));
    connect(SpeedButton_choix_rep, &QToolButton::clicked, this, &MainWindow::SpeedButton_choix_repClick);
    connect(Panel_dir, &DirectoryChooser::folderChanged, this, &MainWindow::DirectoryListBox1Change);
    connect(Panel_dir, &DirectoryChooser::validated, this, &MainWindow::SpeedButton_valider_repertoireClick);
    connect(Panel_dir, &DirectoryChooser::cancelled, this, &MainWindow::SpeedButton_annuler_repertoireClick);
    connect(Edit_repertoire, &QLineEdit::returnPressed, this, &MainWindow::Edit_repertoireKeyUp);
    connect(Panel_dir, &DirectoryChooser::fileChosen, this, [this](const QString& path) {
        const QFileInfo file(path);
        if (confirm(QStringLiteral(" Editer le fichier <") + file.fileName() + QStringLiteral(">  ?  ") +
                    QStringLiteral("\n\n")) &&
            openEditor) {
            openEditor(file.absolutePath(), file.fileName());
        }
    });
    connect(Panel_dir, &DirectoryChooser::folderRightClicked, this, [this] {
        info(QString::number(Run().state.series.sampleCount) +
             QStringLiteral("  nouveau dossier => saisir le nom et [Entrée]..."));
    });
}

bool MainWindow::ChooserOpen() const
{
    return Panel_dir && Panel_dir->isVisible();
}

void MainWindow::SpeedButton_choix_repClick()
{
    if (ChooserOpen()) {
        SpeedButton_annuler_repertoireClick();  // a second click cancels
        return;
    }
    OpenChooser();
    SetWorkingDirectory(Edit_repertoire->text());
}

void MainWindow::OpenChooser()
{
    QString folder = Edit_repertoire->text();
    if (!QFileInfo(folder).isDir()) {
        const QString current = QDir::currentPath();
        if (!folder.isEmpty() && folder != QLatin1String("répertoire")) {
            info(QStringLiteral("\nrépertoire <") + folder + QStringLiteral("> inexistant") + QStringLiteral("\n\n") +
                 QStringLiteral(" proposition modifiable <") + current + QStringLiteral(">"));
        }
        folder = current;
    }
    const QString previous = Edit_repertoire->text();
    chooserOpen_ = true;
    SpeedButton_choix_rep->setChecked(true);
    Panel_dir->Open(folder, previous);
    // The folder box sits low in the window: the panel opens above it, as large as the window allows.
    const QPoint edit = Edit_repertoire->mapTo(centralWidget(), QPoint(0, 0));
    const int height = std::min(420, std::max(200, edit.y() - 20));
    Panel_dir->setGeometry(edit.x(), std::max(0, edit.y() - height - 10),
                           std::min(760, centralWidget()->width() - edit.x() - 10), height);
    Panel_dir->show();
    Panel_dir->raise();
}

void MainWindow::DirectoryListBox1Change(const QString& folder)
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

void MainWindow::SpeedButton_valider_repertoireClick()
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
    if (Button_START->text() != QLatin1String("Restart(base)")) {
        Button_test_com->setFocus();
    } else if (Button_START->isEnabled()) {
        Button_START->setFocus();
    } else if (Button_stop->isEnabled()) {
        Button_stop->setFocus();
    }
}

void MainWindow::SpeedButton_annuler_repertoireClick()
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
    if (Button_START->isVisible() && Button_START->isEnabled()) {
        Button_START->setFocus();
    }
}

void MainWindow::Edit_repertoireKeyUp()
{
    const QString path = WithTrailingSeparator(Edit_repertoire->text().trimmed());
    if (path.isEmpty()) {
        Edit_repertoire->setText(workingDir_);
        return;
    }
    Edit_repertoire->setText(path);
    if (QFileInfo(path).isDir()) {
        // What the box shows is where the recording goes.
        Panel_question->hide();
        if (chooserOpen_) {
            Panel_dir->GoTo(path);
        }
        SetWorkingDirectory(path);
        return;
    }
    if (Run().state.series.sampleCount != 0) {
        // A folder is only created before a run has readings: the box goes back to where they go.
        Panel_question->hide();
        info(QStringLiteral("Le dossier <") + path + QStringLiteral("> n'existe pas : les mesures restent enregistrées dans <") +
             workingDir_ + u'>');
        Edit_repertoire->setText(workingDir_);
        return;
    }
    if (!confirm(QStringLiteral(" Le dossier  <") + path + QStringLiteral(">    ") + QStringLiteral("\n\n") +
                 QStringLiteral("   n'existe pas, le créer ?,"))) {
        Edit_repertoire->setText(workingDir_);
        return;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path.toStdU16String()), ec);
    if (ec || !QFileInfo(path).isDir()) {
        info(QStringLiteral("Impossible de créer ") + path +
             (ec ? QStringLiteral(" (") + QString::fromLocal8Bit(ec.message()) + u')' : QString()));
        Edit_repertoire->setText(workingDir_);
        return;
    }
    if (chooserOpen_) {
        Panel_dir->GoTo(path);
    }
    SetWorkingDirectory(path);
}

void MainWindow::SetWorkingDirectory(const QString& folder)
{
    const QString dir = WithTrailingSeparator(folder);
    if (dir.isEmpty()) {
        return;
    }
    const bool changed = dir != workingDir_;
    workingDir_ = dir;
    UpdateRecordingSetup();
    Edit_repertoire->setText(dir);
    Edit_repertoire->setToolTip(QStringLiteral("    ") + dir + QStringLiteral("   "));
    if (changed) {
        SettingsChanged();
    }
}

}  // namespace sondalog
