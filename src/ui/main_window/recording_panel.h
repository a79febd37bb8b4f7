#pragma once
// Where the recording goes and under which name: the point's name, the date option, the folder with its
// chooser, the last save's status; and the note that floats beside the folder button (a reminder, or
// what the link brings).

#include "recording/recording_writer.h"
#include "ui/main_window/main_context.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;

namespace sondalog {

class DirectoryChooser;

class RecordingPanel : public QWidget {
    Q_OBJECT
public:
    RecordingPanel(MainContext& context, QWidget* parent);

    QLineEdit* Edit_Prefixe = nullptr;
    QCheckBox* CheckBox_date_heure = nullptr;
    QLineEdit* Edit_repertoire = nullptr;
    QToolButton* SpeedButton_choix_rep = nullptr;
    QLabel* Label22 = nullptr;  ///< the file name
    QLabel* Label11 = nullptr;  ///< the last save
    QLabel* Label20 = nullptr;  ///< the record list's column names
    QFrame* Panel2 = nullptr;   ///< the note beside the folder button
    QLabel* Label18 = nullptr;
    DirectoryChooser* Panel_dir = nullptr;

    /// Where and under which name the recordings go, as the panel shows it.
    RecordingSetup Setup() const;
    /// The folder and the name from the settings.
    void ShowSettings(const Settings& settings);
    /// The recording written or the backup: the status line says it, or says the failure.
    void ShowSave(const SaveResult& result, bool autoSaving);
    /// The note under the graph: what the link brings, or what is wrong with it; empty hides it.
    void ShowLinkNote(const QString& text, bool alarm);
    /// The note follows the folder button wherever the layout puts it.
    void PlacePanel2();

    bool ChooserOpen() const;
    void OpenChooser();
    void SpeedButton_choix_repClick();
    void SpeedButton_valider_repertoireClick();
    void SpeedButton_annuler_repertoireClick();
    /// A folder typed in the box: taken, created on a yes, or refused.
    void Edit_repertoireKeyUp();

signals:
    /// The chooser closed: the run's buttons take the focus.
    void chooserClosed(bool validated);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildChooser();
    void DirectoryListBox1Change(const QString& folder);
    void SetWorkingDirectory(const QString& folder);
    /// The store and the controller learn the folder and the name.
    void SetupChanged();

    MainContext& ctx_;
    bool chooserOpen_ = false;
};

}  // namespace sondalog
