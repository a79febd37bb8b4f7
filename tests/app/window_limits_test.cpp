// No text the operator pastes or the program writes can push a window or a message past the screen.
#include "app/main_window.h"
#include "app/window_fixture.h"
#include "wait_until.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

TEST(WindowLimits, APastedPageNeverWidensTheWindowNorItsMessages)
{
    Fixture f(true);
    MainWindow& w = *f.window;
    w.info = nullptr;  // the real message box, to be measured
    const QRect screen = w.screen()->availableGeometry();
    f.Click(w.Button_START);
    ASSERT_TRUE(WaitUntil([&] { return f.N() >= 3; }, 10000));

    // A careless paste: a page of text, long lines, into the name box during the run.
    QStringList page;
    for (int i = 0; i < 400; ++i) {
        page << QStringLiteral("ligne %1 ").arg(i) + QString(60, u'x');
    }
    QApplication::clipboard()->setText(page.join(u'\n'));
    w.Edit_Prefixe->setFocus();
    w.Edit_Prefixe->selectAll();
    w.Edit_Prefixe->paste();
    EXPECT_FALSE(w.Edit_Prefixe->text().contains(u'\n'));
    EXPECT_LE(w.Edit_Prefixe->text().size(), w.Edit_Prefixe->maxLength());
    QApplication::processEvents();
    EXPECT_LE(w.frameGeometry().width(), screen.width());
    EXPECT_LE(w.minimumSizeHint().width(), screen.width());

    // Stop + save with that name: the recording is written and every message box fits the screen.
    f.Click(w.Button_stop);
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
