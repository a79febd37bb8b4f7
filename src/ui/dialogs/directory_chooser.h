#pragma once
// Panel_dir, the working-directory chooser: the mounted volumes, the folder tree of the chosen
// volume and the files of the chosen folder, two shortcuts, Valider / Annuler / X. The main window
// places it under Edit_repertoire and reads its choice; the chooser never writes a setting itself.

#include <QFrame>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QPushButton;
class QToolButton;
class QTreeView;

namespace sondalog {

/// The folder with the platform's separator at its end ("/" here, "\" on Windows); empty stays empty.

class DirectoryChooser : public QFrame {
    Q_OBJECT
public:
    explicit DirectoryChooser(QWidget* parent = nullptr);

    /// Shows the folder (with its volume) in the three views; `Label_dir_anc` keeps `previous`.
    void Open(const QString& folder, const QString& previous);
    /// The folder the views show, with its trailing separator.
    QString Folder() const { return folder_; }
    QString Previous() const;
    /// Moves the views to a folder (a shortcut, a created folder, a volume).
    void GoTo(const QString& folder);
    /// The number of files of the shown folder (Label45).
    int FileCount() const;

    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QListView* FileListBox1 = nullptr;
    QLabel* Label45 = nullptr;
    QLabel* Label_dir_anc = nullptr;
    QPushButton* Panel_rep_desktop = nullptr;
    QPushButton* Panel_mes_documents = nullptr;
    QToolButton* SpeedButton_valider_repertoire = nullptr;
    QToolButton* SpeedButton_annuler_repertoire = nullptr;
    QToolButton* SpeedButton_panel_dir_close = nullptr;

signals:
    /// DirectoryListBox1Change: the views moved to another folder (a choice waits for Valider).
    void folderChanged(const QString& folderWithSeparator);
    void validated();
    void cancelled();
    /// FileListBox1DblClick: a file to open in the text editor.
    void fileChosen(const QString& path);
    /// DirectoryListBox1MouseUp with the right button.
    void folderRightClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFolder(const QString& folder);

    QFileSystemModel* folders_ = nullptr;
    QFileSystemModel* files_ = nullptr;
    QString folder_;
};

}  // namespace sondalog
