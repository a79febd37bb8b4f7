#include "ui/dialogs/directory_chooser.h"

#include "util/text_file.h"

#include "util/named.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QToolButton>
#include <QTreeView>

namespace sondalog {

DirectoryChooser::DirectoryChooser(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_dir"));
    setFrameShape(QFrame::Panel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(160, 197, 167));
    setPalette(p);

    DriveComboBox1 = Named(new QComboBox(this), "DriveComboBox1");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            DriveComboBox1->addItem(volume.rootPath());
        }
    }
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files);
    DirectoryListBox1 = Named(new QTreeView(this), "DirectoryListBox1");
    DirectoryListBox1->setModel(folders_);
    DirectoryListBox1->setToolTip(tr("  DoubleClick pour sélectionner  "));
    for (int c = 1; c < folders_->columnCount(); ++c) {
        DirectoryListBox1->hideColumn(c);
    }
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->viewport()->installEventFilter(this);
    FileListBox1 = Named(new QListView(this), "FileListBox1");
    FileListBox1->setModel(files_);
    FileListBox1->setToolTip(tr(" _DoubleClick pour l'éditer  "));
    Label45 = Named(new QLabel(QStringLiteral("n"), this), "Label45");
    Label_dir_anc = Named(new QLabel(tr("Répertoire ..."), this), "Label_dir_anc");
    Panel_rep_desktop = Named(new QPushButton(tr("Bureau"), this), "Panel_rep_desktop");
    Panel_mes_documents = Named(new QPushButton(tr("Mes documents"), this), "Panel_mes_documents");
    auto tool = [this](const char* name, const QString& text) {
        auto* b = Named(new QToolButton(this), name);
        b->setText(text);
        return b;
    };
    SpeedButton_valider_repertoire = tool("SpeedButton_valider_repertoire", tr("Valider"));
    SpeedButton_annuler_repertoire = tool("SpeedButton_annuler_repertoire", tr("Annuler"));
    SpeedButton_panel_dir_close = tool("SpeedButton_panel_dir_close", QStringLiteral("X"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label_dir_anc, 0, 0, 1, 3);
    grid->addWidget(SpeedButton_panel_dir_close, 0, 3, Qt::AlignRight);
    grid->addWidget(DriveComboBox1, 1, 0);
    grid->addWidget(Panel_rep_desktop, 1, 1);
    grid->addWidget(Panel_mes_documents, 1, 2);
    grid->addWidget(DirectoryListBox1, 2, 0, 1, 2);
    grid->addWidget(FileListBox1, 2, 2, 1, 2);
    grid->addWidget(Label45, 3, 2);
    grid->addWidget(SpeedButton_valider_repertoire, 3, 0);
    grid->addWidget(SpeedButton_annuler_repertoire, 3, 1);
    grid->setRowStretch(2, 1);

    connect(DirectoryListBox1, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { ShowFolder(folders_->filePath(index)); });
    connect(DirectoryListBox1, &QTreeView::doubleClicked, this,
            [this](const QModelIndex& index) { ShowFolder(folders_->filePath(index)); });
    connect(DriveComboBox1, &QComboBox::activated, this,
            [this](int i) { ShowFolder(DriveComboBox1->itemText(i)); });
    connect(Panel_rep_desktop, &QPushButton::clicked, this,
            [this] { GoTo(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)); });
    connect(Panel_mes_documents, &QPushButton::clicked, this,
            [this] { GoTo(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)); });
    connect(FileListBox1, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit fileChosen(files_->filePath(index)); });
    connect(SpeedButton_valider_repertoire, &QToolButton::clicked, this, &DirectoryChooser::validated);
    connect(SpeedButton_annuler_repertoire, &QToolButton::clicked, this, &DirectoryChooser::cancelled);
    connect(SpeedButton_panel_dir_close, &QToolButton::clicked, this, &DirectoryChooser::cancelled);
    hide();
}

void DirectoryChooser::Open(const QString& folder, const QString& previous)
{
    Label_dir_anc->setText(previous);
    ShowFolder(folder);
}

QString DirectoryChooser::Previous() const
{
    return Label_dir_anc->text();
}

void DirectoryChooser::GoTo(const QString& folder)
{
    if (!folder.isEmpty()) {
        ShowFolder(folder);
    }
}

int DirectoryChooser::FileCount() const
{
    return static_cast<int>(QDir(folder_).entryList(QDir::Files).size());
}

void DirectoryChooser::ShowFolder(const QString& folder)
{
    folder_ = WithTrailingSeparator(QDir::toNativeSeparators(QDir(folder).absolutePath()));
    const QModelIndex index = folders_->index(QDir(folder).absolutePath());
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
    FileListBox1->setRootIndex(files_->setRootPath(QDir(folder).absolutePath()));
    const QString root = QStorageInfo(folder).rootPath();
    const int drive = DriveComboBox1->findText(root);
    if (drive >= 0) {
        DriveComboBox1->setCurrentIndex(drive);
    }
    Label45->setText(QString::number(FileCount()));
    emit folderChanged(folder_);
}

bool DirectoryChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DirectoryListBox1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        emit folderRightClicked();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace sondalog
