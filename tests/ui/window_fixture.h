#pragma once
// A main window on a temporary configuration and working folder, in demonstration by default,
// with its questions and messages caught.

#include "ui/dialogs/directory_chooser.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/analysis_panel.h"
#include "ui/main_window/recording_panel.h"
#include "ui/main_window/run_panel.h"
#include "ui/main_window/stored_file_opener.h"
#include "ui/main_window/view_panel.h"
#include "ui/widgets/graph_widget.h"
#include "support/qt_printers.h"
#include "util/text_file.h"
#include "util/text_utils.h"

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace sondalog;

/// A control of the main window's panels, found by its name as the form names it.
template <class T>
T* Find(const MainWindow& w, const char* name)
{
    T* found = w.centralWidget()->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

struct Fixture {
    QTemporaryDir dir;
    QString work;
    QStringList asked;
    QStringList told;
    bool answer = true;
    int ended = -1;
    std::unique_ptr<MainWindow> window;

    /// `files`: other files of the configuration folder (name, lines) written before the window starts.
    explicit Fixture(bool withoutConfirmation = true, const std::function<void(QStringList&)>& adjust = {},
                     const QList<QPair<QString, QStringList>>& files = {})
    {
        work = dir.filePath(QStringLiteral("travail"));
        QDir().mkpath(work);
        const QString config = dir.filePath(QStringLiteral("config"));
        QDir().mkpath(config);
        QStringList settings(30);
        settings[0] = work;
        settings[1] = QStringLiteral("true");   // demonstration
        settings[5] = QStringLiteral("true");   // fast
        settings[18] = withoutConfirmation ? QStringLiteral("true") : QStringLiteral("false");
        settings[19] = QStringLiteral("µ=0;m=3;k=1;F=3");
        if (adjust) {
            adjust(settings);
        }
        WriteFileAtomically(config + QStringLiteral("/Sondalog.prm"), JoinCrLf(settings));
        for (const auto& [name, lines] : files) {
            WriteFileAtomically(config + u'/' + name, JoinCrLf(lines));
        }
        window = std::make_unique<MainWindow>(ConfigPaths::Resolve(config, QString()), Regional::French());
        window->confirm = [this](const QString& q) {
            asked << q;
            return answer;
        };
        window->info = [this](const QString& t) { told << t; };
        window->openEditor = nullptr;
        window->endProcess = [this](int code) { ended = code; };
        window->show();
    }
    int N() const { return window->run().state.series.sampleCount; }
    QStringList Recordings() const { return QDir(work).entryList({QStringLiteral("*.txt")}, QDir::Files); }
    void Click(QAbstractButton* b) const { QTest::mouseClick(b, Qt::LeftButton); }
};
