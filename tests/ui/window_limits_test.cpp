// What the operator does in the main window: a careless paste, a new run, a typed folder.
#include "app/config_paths.h"
#include "ui/main_window/main_window.h"
#include "ui/window_fixture.h"
#include "instrument/instrument_table.h"
#include "ui/parameters_window/parameters_window.h"
#include "plot/axis_controls.h"
#include "util/text_file.h"
#include "wait_until.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QRadioButton>
#include <QTest>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(WindowLimits, APastedPageNeverWidensTheWindowNorItsMessages)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    w.info = nullptr;  // the real message box, to be measured
    const QRect screen = w.screen()->availableGeometry();
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));

    // A careless paste: a page of text, long lines, into the name box during the run.
    QStringList page;
    for (int i = 0; i < 400; ++i) {
        page << QStringLiteral("ligne %1 ").arg(i) + QString(60, u'x');
    }
    QApplication::clipboard()->setText(page.join(u'\n'));
    Find<QLineEdit>(w, "Edit_Prefixe")->setFocus();
    Find<QLineEdit>(w, "Edit_Prefixe")->selectAll();
    Find<QLineEdit>(w, "Edit_Prefixe")->paste();
    EXPECT_FALSE(Find<QLineEdit>(w, "Edit_Prefixe")->text().contains(u'\n'));
    EXPECT_LE(Find<QLineEdit>(w, "Edit_Prefixe")->text().size(), Find<QLineEdit>(w, "Edit_Prefixe")->maxLength());
    QApplication::processEvents();
    EXPECT_LE(w.frameGeometry().width(), screen.width());
    EXPECT_LE(w.minimumSizeHint().width(), screen.width());

    // Stop + save with that name: the recording is written and every message box fits the screen.
    f.Click(Find<QPushButton>(w, "Button_stop"));
    QApplication::processEvents();
    EXPECT_EQ(f.Recordings().size(), 1);
    EXPECT_LE(w.frameGeometry().width(), screen.width());
    for (QMessageBox* box : w.findChildren<QMessageBox*>()) {
        box->adjustSize();
        EXPECT_LE(box->sizeHint().width(), screen.width()) << box->text().size();
        EXPECT_LE(box->sizeHint().height(), screen.height()) << box->text().size();
    }
    // A message as long as a page never outgrows the screen either.
    w.ShowMessage(page.join(u'\n'));
    QApplication::processEvents();
    for (QMessageBox* box : w.findChildren<QMessageBox*>()) {
        EXPECT_LE(box->sizeHint().width(), screen.width());
        EXPECT_LE(box->sizeHint().height(), screen.height());
    }
}

TEST(RunStart, StartClearsThePreviousFiguresAndOffersT0OnlyWithABaseline)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 5; }, 10000));
    f.Click(Find<QPushButton>(w, "Button_stop"));
    ASSERT_FALSE(Find<QLabel>(w, "Label_n")->text().isEmpty());
    // The next run: nothing of the previous one's figures stays on screen, and no t0 without a reading.
    f.Click(Find<QPushButton>(w, "Button_START"));
    if (f.N() == 0) {
        EXPECT_TRUE(Find<QLabel>(w, "Label_n")->text().isEmpty()) << Find<QLabel>(w, "Label_n")->text().toStdString();
        EXPECT_TRUE(Find<QLabel>(w, "Label_val_grand1")->text().isEmpty());
        EXPECT_FALSE(Find<QPushButton>(w, "Button_go")->isEnabled());
    }
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 1; }, 10000));
    EXPECT_TRUE(WaitUntil([&] { return Find<QPushButton>(w, "Button_go")->isEnabled(); }, 2000));
    f.Click(Find<QPushButton>(w, "Button_stop"));
    WaitUntil([] { return false; }, 200);  // the run ends at its next cycle

    // test COM shows what it reads in the main window, not only in the raw lines.
    f.Click(Find<QPushButton>(w, "Button_test_com"));
    ASSERT_TRUE(WaitUntil([&] { return Find<QLabel>(w, "Label18")->text().contains(QStringLiteral("mesure lue")); }, 10000))
        << Find<QLabel>(w, "Label18")->text().toStdString();
    EXPECT_TRUE(Find<QLabel>(w, "Label18")->isVisible());
    f.Click(Find<QPushButton>(w, "Button_test_com"));
}

TEST(WorkingFolder, WhatTheBoxShowsIsWhereTheRecordingGoesAndItIsKeptAtOnce)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    const QString prm = QDir(f.dir.filePath(QStringLiteral("config"))).filePath(QStringLiteral("Sondalog.prm"));
    // Two levels that do not exist: created when the user says so, and on disk at once (no exit needed).
    const QString deep = f.dir.filePath(QStringLiteral("a/b"));
    Find<QLineEdit>(w, "Edit_repertoire")->setText(deep);
    QTest::keyClick(Find<QLineEdit>(w, "Edit_repertoire"), Qt::Key_Return);
    EXPECT_TRUE(QFileInfo(deep).isDir());
    EXPECT_EQ(ReadTextLines(prm).value().value(0), deep + u'/');
    // One that cannot be made: the system's reason, and the box back on the folder in force.
    const QString blocked = f.dir.filePath(QStringLiteral("fichier"));
    ASSERT_TRUE(WriteFileAtomically(blocked, "x").isEmpty());
    Find<QLineEdit>(w, "Edit_repertoire")->setText(blocked + QStringLiteral("/sous"));
    QTest::keyClick(Find<QLineEdit>(w, "Edit_repertoire"), Qt::Key_Return);
    ASSERT_FALSE(f.told.isEmpty());
    EXPECT_TRUE(f.told.last().contains(QStringLiteral("Not a directory"))) << f.told.last().toStdString();
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_repertoire")->text(), deep + u'/');

    // An existing folder typed, Enter: the recording goes there.
    const QString other = f.dir.filePath(QStringLiteral("autre"));
    ASSERT_TRUE(QDir().mkpath(other));
    Find<QLineEdit>(w, "Edit_repertoire")->setText(other);
    QTest::keyClick(Find<QLineEdit>(w, "Edit_repertoire"), Qt::Key_Return);
    EXPECT_EQ(ReadTextLines(prm).value().value(0), other + u'/');
    f.Click(Find<QPushButton>(w, "Button_START"));
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_repertoire")->text(), other + u'/');
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));
    f.Click(Find<QPushButton>(w, "Button_stop"));
    EXPECT_EQ(QDir(other).entryList({QStringLiteral("*.txt")}, QDir::Files).size(), 1);
    EXPECT_TRUE(f.Recordings().isEmpty());

    // The reading mode is on disk as soon as it is chosen.
    w.parameters()->RadioButton_par_chaine_CSV->click();
    EXPECT_EQ(ReadTextLines(prm).value().value(10), QStringLiteral("1"));
}

TEST(AxisBoxes, AnAxisTheOperatorSetStaysAndAnInvertedOneIsRefused)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    // The operator widens max Y for the peak to come.
    Find<QLineEdit>(w, "Edit_max_y1")->setText(QStringLiteral("900"));
    QTest::keyClick(Find<QLineEdit>(w, "Edit_max_y1"), Qt::Key_Return);
    ASSERT_EQ(w.run().state.axisY1.max, 900);
    f.Click(Find<QPushButton>(w, "Button_START"));
    // The demonstration's baseline (600) lies below the table's min Y (700): the run lowers the axis to show it.
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3 && w.run().state.axisY1.min < 700; }, 10000));
    const double grown = w.run().state.axisY1.min;
    const QString grownText = Find<QLineEdit>(w, "Edit_min_y1")->text();
    // Leaving the parameters window's grid (as closing it does) applies the table: the axes stay.
    w.parameters()->onTableApplied();
    EXPECT_EQ(w.run().state.axisY1.max, 900);
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_max_y1")->text(), QStringLiteral("900"));
    EXPECT_EQ(w.run().state.axisY1.min, grown);
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_min_y1")->text(), grownText);

    // max Y below min Y, or an empty box: refused in the box, red, the previous value back.
    const double min = w.run().state.axisY1.min;
    Find<QLineEdit>(w, "Edit_max_y1")->setText(QString::number(min - 10));
    QTest::keyClick(Find<QLineEdit>(w, "Edit_max_y1"), Qt::Key_Return);
    EXPECT_EQ(w.run().state.axisY1.max, 900);
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_max_y1")->text(), QStringLiteral("900"));
    EXPECT_EQ(Find<QLineEdit>(w, "Edit_max_y1")->palette().color(QPalette::Text), QColor(Qt::red));
    Find<QLineEdit>(w, "Edit_min_y1")->clear();
    QTest::keyClick(Find<QLineEdit>(w, "Edit_min_y1"), Qt::Key_Return);
    EXPECT_EQ(w.run().state.axisY1.min, min);
    EXPECT_FALSE(Find<QLineEdit>(w, "Edit_min_y1")->text().isEmpty());
    f.Click(Find<QPushButton>(w, "Button_stop"));
}

TEST(RecordList, ItsLastEightLinesAreInViewOnAFieldLaptop)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    ASSERT_EQ(w.screen()->geometry().size(), QSize(1366, 768));
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 30; }, 10000));
    f.Click(Find<QPushButton>(w, "Button_stop"));
    QApplication::processEvents();
    ASSERT_TRUE(Find<QListView>(w, "Memo2")->isVisible());
    const int row = Find<QListView>(w, "Memo2")->sizeHintForRow(0);
    ASSERT_GT(row, 0);
    EXPECT_GE(Find<QListView>(w, "Memo2")->viewport()->height(), 8 * row) << Find<QListView>(w, "Memo2")->viewport()->height() << " / " << row;
    EXPECT_LE(w.frameGeometry().height(), w.screen()->availableGeometry().height());
    // Maximised on a large screen too: the window's share, whatever its size.
    w.resize(1900, 1000);
    QApplication::processEvents();
    EXPECT_TRUE(Find<QListView>(w, "Memo2")->isVisible());
    EXPECT_GE(Find<QListView>(w, "Memo2")->viewport()->height(), 8 * row);
}

TEST(Keys, F12AsksTheExitQuestionWithItsTextAndEscapeClosesWhatItOpened)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    w.activateWindow();
    QTest::keyClick(&w, Qt::Key_F12);
    ASSERT_TRUE(Find<QFrame>(w, "Panel_question")->isVisible());
    EXPECT_FALSE(Find<QLabel>(w, "Label_mess")->text().trimmed().isEmpty());  // never an empty grey panel
    EXPECT_TRUE(Find<QLabel>(w, "Label_mess")->text().contains(QStringLiteral("Quitter"))) << Find<QLabel>(w, "Label_mess")->text().toStdString();
    QTest::keyClick(Find<QPushButton>(w, "Button_stop"), Qt::Key_Escape);
    EXPECT_FALSE(Find<QFrame>(w, "Panel_question")->isVisible());
    EXPECT_EQ(f.ended, -1);

    // The parameters window closes with Esc, as a dialog does.
    f.Click(Find<QPushButton>(w, "Button_parametres"));
    ASSERT_TRUE(w.parameters()->isVisible());
    QTest::keyClick(w.parameters(), Qt::Key_Escape);
    EXPECT_FALSE(w.parameters()->isVisible());
}

TEST(ParametersWindowFits, ALongPortPathNeverPushesItPastTheScreen)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    ParametersWindow& p = *w.parameters();
    // A Bluetooth or by-id path, as Linux names some adapters.
    p.table.SetCell(p.table.ColumnByName(col::comx), 1, QStringLiteral("/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller_D-"
                                                   "if00-port0-a-very-long-adapter-name-indeed-0123456789abcdef"));
    p.ShowTable();
    p.onTableApplied();
    f.Click(Find<QPushButton>(w, "Button_parametres"));
    QApplication::processEvents();
    const QRect screen = p.screen()->availableGeometry();
    EXPECT_LE(p.minimumSizeHint().width(), screen.width());
    EXPECT_LE(p.geometry().right(), screen.right());
    EXPECT_LE(p.height() + 30, screen.height());  // room for its title bar, which this platform does not draw
    EXPECT_LE(p.geometry().bottom(), screen.bottom());
}

TEST(Contrast, EveryCaptionStaysReadableInTheThreeModes)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    f.Click(Find<QPushButton>(w, "Button_START"));
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 20; }, 10000));
    for (int mode = 1; mode <= 3; ++mode) {
        f.Click(Find<QPushButton>(w, "Button_contraste"));  // white, black, then the normal colours again
        WaitUntil([] { return false; }, 50);
        for (QWidget* c : w.centralWidget()->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(c);
            auto* box = qobject_cast<QCheckBox*>(c);
            if ((!label && !box) || !c->isVisible() || (label ? label->text() : box->text()).trimmed().isEmpty()) {
                continue;
            }
            const QWidget* behind = c->parentWidget();
            while (behind && !behind->autoFillBackground() && behind != &w) {
                behind = behind->parentWidget();
            }
            const QColor background = (behind ? behind : &w)->palette().color(QPalette::Window);
            EXPECT_GE(ContrastRatio(c->palette().color(QPalette::WindowText), background), 3.0)
                << "mode " << mode % 3 << " " << c->objectName().toStdString();
        }
    }
    f.Click(Find<QPushButton>(w, "Button_stop"));
}

TEST(FirstStart, OneMessageAtATimeInFrontAndTheDecimalQuestionIsAskedOnce)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config);
    // Recordings in points on a PC in commas: the question is due; the table is missing: a message is due.
    QStringList settings(30);
    settings[0] = dir.path();
    settings[6] = QStringLiteral("1");
    ASSERT_TRUE(WriteFileAtomically(config + QStringLiteral("/Sondalog.prm"), JoinCrLf(settings)).isEmpty());
    QStringList asked;
    {
        MainWindow w(ConfigPaths::Resolve(config, QString()), Regional::French());
        w.confirm = [&](const QString& q) {
            asked << q;
            return false;  // keep the points
        };
        EXPECT_TRUE(w.findChildren<QMessageBox*>().isEmpty());  // nothing before the window is on screen
        w.show();
        w.activateWindow();
        QTest::qWait(100);
        const auto boxes = [&] {
            QList<QMessageBox*> shown;
            for (QMessageBox* b : w.findChildren<QMessageBox*>()) {
                if (b->isVisible()) {
                    shown << b;
                }
            }
            return shown;
        };
        ASSERT_EQ(boxes().size(), 1);  // one at a time, parented to the window
        EXPECT_TRUE(boxes().first()->text().contains(QStringLiteral("non trouvé"))) << boxes().first()->text().toStdString();
        EXPECT_TRUE(asked.isEmpty());  // the question waits for the message
        for (int i = 0; i < 5 && !boxes().isEmpty(); ++i) {
            boxes().first()->accept();
            QTest::qWait(50);
        }
        EXPECT_TRUE(boxes().isEmpty());
        ASSERT_EQ(asked.size(), 1);
        EXPECT_TRUE(asked[0].contains(QStringLiteral("signe décimal"))) << asked[0].toStdString();
    }
    // The next start on the same PC does not ask again.
    asked.clear();
    MainWindow again(ConfigPaths::Resolve(config, QString()), Regional::French());
    again.confirm = [&](const QString& q) {
        asked << q;
        return false;
    };
    again.info = [](const QString&) {};
    again.show();
    again.activateWindow();
    QTest::qWait(100);
    EXPECT_TRUE(asked.isEmpty()) << asked.value(0).toStdString();
}
