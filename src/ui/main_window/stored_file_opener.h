#pragma once
// The main window's "open": a stored recording read back to be viewed or continued, or the instrument's
// own logging file decoded as a run. Reading and decoding run on a thread of their own behind a progress
// dialog; the run changes only when a load has finished whole, so cancelling leaves it as it was.

#include "acquisition/stored_file_load.h"
#include "ui/main_window/main_context.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

namespace sondalog {

class StoredFileOpener : public QObject {
    Q_OBJECT
public:
    StoredFileOpener(MainContext& context, QWidget* window);
    ~StoredFileOpener() override;

    /// The choice between the two kinds, and the file dialog (tests answer them).
    std::function<int(const QString& message, const QStringList& captions)> choose;
    std::function<QString(const QString& title, const QString& filter)> openFileName;

    /// "open": the kind asked, the file chosen, then read and decoded.
    void Button_open_fileClick();
    bool LoadInProgress() const { return loading_ != nullptr; }
    /// Cancels the load under way: the run stays as it was before.
    void CancelLoad();
    QProgressDialog* LoadProgressDialog() const;

signals:
    /// A load began or ended: "open" is offered again once it ends.
    void loadingChanged(bool loading);
    /// A file was adopted as the run (its name, whether it is an instrument's file).
    void loaded(const QString& path, bool asAuto, const DisplayTexts& shown, const AutoFileLoad& autoLoad);

private:
    struct Loading;
    void OpenStoredFile(const QString& path, bool asAuto);
    void NewLoadingDialog(const QString& label);
    void DecodeStoredFile(const QString& path, bool asAuto, QStringList head, qint64 lineCount);
    /// The kind chosen against the markers found, asked with the file in view; false when the user gave up.
    bool ConfirmKind(const QStringList& lines, const QString& fileName, int length, bool& asAuto);
    void ApplyStoredFile(const QString& path, bool asAuto, const QString& header, StoredFileResult&& result);
    void EndLoad();

    MainContext& ctx_;
    QWidget* window_;
    std::shared_ptr<Loading> loading_;
};

}  // namespace sondalog
