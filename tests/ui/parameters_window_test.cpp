// The parameters window's grid aids and its port finding, driven as the user drives them.
#include "ui/window_fixture.h"
#include "ui/parameters_window/choice_panel.h"
#include "instrument/instrument_config.h"
#include "instrument/instrument_table.h"
#include "ui/parameters_window/parameters_window.h"
#include "instrument/table_editing.h"
#include "plot/colour.h"
#include "serial/pty_pair.h"
#include "wait_until.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct Params {
    Fixture f;
    MainWindow& w;
    ParametersWindow& p;
    QStringList dialogs;
    QList<bool> dialogErrors;

    Params() : w(*f.window), p(*f.window->parameters())
    {
        p.show();
        QApplication::processEvents();
        p.showDialog = [this](const QString& text, bool error) {
            dialogs << text;
            dialogErrors << error;
        };
    }
    int Column(const QString& header) const { return p.table.ColumnByName(header); }
    QPoint CellCentre(int row, int column) const
    {
        return p.stringgrid1->visualRect(p.tableModel->index(row, column)).center();
    }
    void DoubleClick(int row, int column)
    {
        p.stringgrid1->scrollTo(p.tableModel->index(row, column));
        QTest::mouseClick(p.stringgrid1->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
        QWidget* target = p.stringgrid1->viewport()->childAt(CellCentre(row, column));
        if (!target) {
            target = p.stringgrid1->viewport();
        }
        QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(p.stringgrid1->viewport(), CellCentre(row, column)));
    }
    void MoveOver(QWidget* target, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    QColor PixelOf(const QImage& shot, int row, int column, QPoint offset) const
    {
        const QRect cell = p.stringgrid1->visualRect(p.tableModel->index(row, column));
        const QPoint at = p.stringgrid1->viewport()->mapTo(p.stringgrid1, cell.bottomRight() + offset);
        return shot.pixelColor(at * shot.devicePixelRatio());
    }
    QStringList MemoLines() const { return p.Memo1->toPlainText().split(u'\n'); }
};

/// The text a cell's open editor holds (the editor is always open on the current cell).
QString EditorText(ParametersWindow& p)
{
    for (QLineEdit* e : p.stringgrid1->viewport()->findChildren<QLineEdit*>()) {
        if (e->isVisible()) {
            return e->text();
        }
    }
    return p.stringgrid1->currentIndex().data().toString();
}

}  // namespace

TEST(ParametersWindow, DoubleClickOnActifMakesOnePairActiveAndPaintsIt)
{
    Params t;
    const int actif = t.Column(col::actif);
    t.DoubleClick(3, actif);
    int marks = 0;
    for (int r = 1; r < t.p.table.RowCount(); ++r) {
        marks += t.p.table.Cell(actif, r) == QLatin1String("x") ? 1 : 0;
        EXPECT_EQ(t.p.tableModel->index(r, actif).data().toString(), t.p.table.Cell(actif, r));
    }
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(t.p.table.Cell(actif, 3), QStringLiteral("x"));
    EXPECT_EQ(t.p.Label_choix->text(), QStringLiteral("choix actif"));
    EXPECT_EQ(t.p.activeRow, 3);
    EXPECT_EQ(Find<QLabel>(t.w, "Label_multimetre")->text(), t.p.table.Cell(t.Column(col::multimetre), 3));
    EXPECT_TRUE(Find<QLabel>(t.w, "Label_config")->text().startsWith(t.p.table.Cell(t.Column(col::comx), 3) + u':'));

    // Painted: row 3 cyan (a corner away from the text), row 4's first cells silver, row 1 no longer cyan.
    const QImage shot = t.p.stringgrid1->grab().toImage();
    const int grandeur = t.Column(col::grandeur);
    EXPECT_EQ(t.PixelOf(shot, 3, grandeur, {-3, -3}), ToQColor(kActiveFill));
    EXPECT_NE(t.PixelOf(shot, 1, grandeur, {-3, -3}), ToQColor(kActiveFill));
    for (int c = actif; c <= t.Column(col::intervalle); ++c) {
        EXPECT_EQ(t.PixelOf(shot, 4, c, {-3, -3}), ToQColor(kUnusedFill)) << c;
    }
    EXPECT_EQ(t.PixelOf(shot, 0, t.Column(col::vitesse), {-3, -3}), ToQColor(kChoiceHeaderFill));
    const QColor colour = ToQColor(ColourFromCell(t.p.table.Cell(t.Column(col::couleur), 3)));
    EXPECT_EQ(t.PixelOf(shot, 3, t.Column(col::couleur), {-3, -3}), colour);
}

TEST(ParametersWindow, ChoicesSecondRowsAndTheColourDialog)
{
    Params t;
    // "vitesse" on a second row: only the title.
    t.p.ComboBox1->clear();
    t.p.ComboBox1->addItem(QStringLiteral("COM9"));
    t.DoubleClick(2, t.Column(col::vitesse));
    EXPECT_EQ(t.p.Label_choix->text(), QStringLiteral("choix vitesse"));
    EXPECT_FALSE(t.p.Panel_choix->isVisible());
    EXPECT_EQ(t.p.ComboBox1->count(), 1);

    // "vitesse" on a first row: the eight speeds, the first selected; "Valider" writes the choice
    // and the port description follows.
    t.DoubleClick(1, t.Column(col::vitesse));
    ASSERT_TRUE(t.p.Panel_choix->isVisible());
    ASSERT_EQ(t.p.ComboBox1->count(), 8);
    EXPECT_EQ(t.p.ComboBox1->currentText(), QStringLiteral("1200"));
    t.p.ComboBox1->setCurrentIndex(6);
    QTest::mouseClick(t.p.Panel_choix->findChild<QPushButton*>(QStringLiteral("Button_valider")), Qt::LeftButton);
    EXPECT_FALSE(t.p.Panel_choix->isVisible());
    EXPECT_EQ(t.p.table.Cell(t.Column(col::vitesse), 1), QStringLiteral("57600"));
    EXPECT_EQ(t.p.tableModel->index(1, t.Column(col::vitesse)).data().toString(), QStringLiteral("57600"));
    EXPECT_TRUE(Find<QLabel>(t.w, "Label_config")->text().contains(QStringLiteral("bauds=57600")));

    // "COMx": the list as last filled (the speeds), and a typed port not in the list is written.
    t.DoubleClick(1, t.Column(col::comx));
    ASSERT_TRUE(t.p.Panel_choix->isVisible());
    EXPECT_EQ(t.p.ComboBox1->count(), 8);
    t.p.ComboBox1->setEditText(QStringLiteral("ttyACM3"));
    t.p.Button_validerClick();
    EXPECT_EQ(t.p.table.Cell(t.Column(col::comx), 1), QStringLiteral("ttyACM3"));
    EXPECT_TRUE(Find<QLabel>(t.w, "Label_config")->text().startsWith(QStringLiteral("ttyACM3: bauds=57600")));
    // An empty choice leaves the cell; "annuler" only hides.
    t.DoubleClick(1, t.Column(col::comx));
    t.p.ComboBox1->setEditText(QString());
    t.p.Button_validerClick();
    EXPECT_EQ(t.p.table.Cell(t.Column(col::comx), 1), QStringLiteral("ttyACM3"));
    t.DoubleClick(2, t.Column(col::separateur));
    EXPECT_EQ(t.p.ComboBox1->count(), 4);
    EXPECT_EQ(t.p.ComboBox1->itemText(1), QStringLiteral("tabulation"));
    t.p.Button_annulerClick();
    EXPECT_FALSE(t.p.Panel_choix->isVisible());

    // Cancelling the colour dialog writes the colour it showed.
    const int couleur = t.Column(col::couleur);
    t.p.table.SetCell(couleur, 2, QStringLiteral("300,0,0"));
    t.p.ShowTable();
    QColor offered;
    t.p.pickColour = [&](const QColor& preset) {
        offered = preset;
        return std::optional<QColor>();
    };
    t.DoubleClick(2, couleur);
    EXPECT_EQ(offered, QColor(44, 0, 0));
    EXPECT_EQ(t.p.table.Cell(couleur, 2), QStringLiteral("44,0,0"));
    t.p.pickColour = [](const QColor&) { return std::optional<QColor>(QColor(1, 128, 255)); };
    t.DoubleClick(2, couleur);
    EXPECT_EQ(t.p.table.Cell(couleur, 2), QStringLiteral("1,128,255"));
}

TEST(ParametersWindow, KeysEnterAndLeavingTheGrid)
{
    Params t;
    int applied = 0;
    const auto apply = t.p.onTableApplied;
    t.p.onTableApplied = [&] {
        ++applied;
        apply();
    };
    struct Case {
        QString header;
        QString typed;
        QString expected;
    };
    const QList<Case> cases = {
        {col::max, QStringLiteral("é"), QStringLiteral("2")},
        {col::max, QStringLiteral("a"), QString()},
        {col::max, QStringLiteral("&à,5"), QStringLiteral("10,5")},
        {col::epaisseur, QStringLiteral("\"'"), QStringLiteral("34")},
        {col::grandeur, QStringLiteral("é"), QStringLiteral("é")},
        {col::repere, QStringLiteral("Cond"), QStringLiteral("Cond")},
    };
    t.p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.p));
    for (const Case& c : cases) {
        const int column = t.Column(c.header);
        t.p.table.SetCell(column, 3, QString());
        t.p.ShowTable();
        t.p.stringgrid1->setFocus();
        t.p.SetCurrentCell(3, column);
        QApplication::processEvents();
        for (QChar ch : c.typed) {
            // As the French keyboard sends them: the key's text is the character.
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &press);
        }
        EXPECT_EQ(EditorText(t.p), c.expected) << c.header.toStdString() << " " << c.typed.toStdString();
    }
    // Enter applies the table (once the editor has handed its text over).
    const int before = applied;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return applied > before; }, 2000));
    QApplication::processEvents();  // the grid closes the editor on the next turn
    EXPECT_EQ(t.p.table.Cell(t.Column(col::repere), 3), QStringLiteral("Cond"));

    // Entering the grid marks the table modified; leaving it applies the table.
    t.p.table.modified = false;
    t.p.Edit_pH->setFocus();
    QApplication::processEvents();
    t.p.stringgrid1->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(t.p.table.modified);
    const int beforeLeaving = applied;
    t.p.Edit_ox->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(applied, beforeLeaving + 1);

    // Edit_timeouts: shown in string mode only, and numeric.
    t.p.CheckBox_demo->setChecked(false);
    t.p.RadioButton_car_par_car->click();
    EXPECT_FALSE(t.p.Edit_timeouts->isVisible());
    t.p.RadioButton_par_chaine_CSV->click();
    EXPECT_TRUE(t.p.Edit_timeouts->isVisible());
    EXPECT_EQ(t.p.ReadMode(), 1);
    t.p.Edit_timeouts->clear();
    for (QChar ch : QStringLiteral("éz0")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(t.p.Edit_timeouts, &press);
    }
    EXPECT_EQ(t.p.Edit_timeouts->text(), QStringLiteral("20"));
}

TEST(ParametersWindow, ExplanationStripFollowsTheMouse)
{
    Params t;
    const int repere = t.Column(col::repere);
    t.p.stringgrid1->scrollTo(t.p.tableModel->index(2, repere));
    t.MoveOver(t.p.stringgrid1->viewport(), t.CellCentre(2, repere));
    EXPECT_EQ(t.p.Panel_aide->text(), QStringLiteral("chaine pour repérer la ligne contenant la grandeur ciblée à "
                                                     "l'exclusion de {...} , ex :  Cond-{pH/Cond}"));
    t.MoveOver(&t.p, QPoint(2, t.p.height() - 2));
    EXPECT_EQ(t.p.Panel_aide->text(), QString());
    t.MoveOver(t.p.RadioButton_car_par_car, QPoint(3, 3));
    EXPECT_EQ(t.p.Panel_aide->text(), QStringLiteral("pour lecture car/car, la COLONNE [occurence] est inutilisée, "
                                                     "mais [rep hms] oui! (WTW340i DTR RTS)"));
    t.MoveOver(t.p.CheckBox_RTS, QPoint(3, 3));
    EXPECT_EQ(t.p.Panel_aide->text(), QStringLiteral("nécessaire pour les anciens 340i"));
    t.MoveOver(t.p.Edit_sos_mn, QPoint(3, 3));
    EXPECT_EQ(t.p.Panel_aide->text(),
              QStringLiteral("Sauvegarde dans le sous-dossier ") + Find<QLineEdit>(t.w, "Edit_repertoire")->text() +
                  QStringLiteral("sauvegarde_auto\\"));
    t.MoveOver(t.p.Edit_nb_decimale_1, QPoint(3, 3));
    EXPECT_EQ(t.p.Panel_aide->text(), t.p.Label10->toolTip());
}

TEST(ParametersWindow, ThreeProbesFactorAndActivation)
{
    Params t;
    EXPECT_FALSE(t.p.Button5->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(t.w, "Button1")->isEnabled());
    t.p.CheckBox_ph_ox_3sondes->setChecked(true);
    EXPECT_TRUE(t.p.Button5->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(t.w, "Button1")->isEnabled());
    t.p.CheckBox_ph_ox_3sondes->setChecked(false);
    EXPECT_FALSE(Find<QPushButton>(t.w, "Button1")->isEnabled());
    t.p.Edit_facteur->setText(QStringLiteral("2,5"));
    EXPECT_DOUBLE_EQ(t.w.run().options.areaFactor, 2.5);
    EXPECT_EQ(t.p.Label_ecran->text(), QStringLiteral("Résolution 1366x768"));
    EXPECT_TRUE(t.p.Label2->text().startsWith(QStringLiteral("signe décimal du PC : ")));
}

TEST(ParametersWindow, NewListsFreeAndHeldPortsAndOffersThem)
{
    PtyPair free;
    PtyPair held;
    ASSERT_TRUE(free.Ok() && held.Ok());
    const QString freeName = free.Description().section(u':', 0, 0);
    const QString heldName = held.Description().section(u':', 0, 0);
    QSerialPort other;  // another program holds this one
    other.setPortName(heldName);
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));

    Params t;
    t.p.systemPorts = [&] { return QStringList{freeName, heldName}; };
    t.p.SpeedButton1Click();
    ASSERT_TRUE(WaitUntil([&] { return !t.p.IsProbing(); }, 5000));
    const QStringList lines = t.MemoLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("----------- NEW ---------------")));
    EXPECT_TRUE(lines.contains(QStringLiteral("TEST Open ") + freeName + QStringLiteral(" : LIBRE")));
    EXPECT_TRUE(lines.contains(QStringLiteral("TEST Open ") + heldName + QStringLiteral(" : OCCUPEE")));
    ASSERT_EQ(t.dialogs.size(), 1);
    EXPECT_FALSE(t.dialogErrors.first());
    EXPECT_TRUE(t.dialogs.first().startsWith(QStringLiteral("  Une ou plusieurs COM sont disponibles")));
    ASSERT_EQ(t.p.ComboBox1->count(), 2);
    EXPECT_EQ(t.p.ComboBox1->itemText(0), freeName);
    EXPECT_EQ(t.p.ComboBox1->itemText(1), heldName);
    EXPECT_TRUE(t.p.Panel_choix->isVisible());
    EXPECT_EQ(t.p.Label_choix->text(), QStringLiteral("choix COMx"));
    EXPECT_EQ(t.p.stringgrid1->currentIndex().row(), t.p.activeRow);
    EXPECT_EQ(t.p.stringgrid1->currentIndex().column(), t.Column(col::comx));

    // The user's choice goes into the table and the port description.
    t.p.ComboBox1->setCurrentIndex(0);
    t.p.Button_validerClick();
    EXPECT_EQ(t.p.table.Cell(t.Column(col::comx), t.p.activeRow), freeName);
    EXPECT_TRUE(Find<QLabel>(t.w, "Label_config")->text().startsWith(freeName + QStringLiteral(": bauds=")));

    // Only one port: "La ... semble disponible".
    t.p.systemPorts = [&] { return QStringList{freeName}; };
    t.p.SpeedButton1Click();
    ASSERT_TRUE(WaitUntil([&] { return !t.p.IsProbing(); }, 5000));
    ASSERT_EQ(t.dialogs.size(), 2);
    EXPECT_EQ(t.dialogs.last(), QStringLiteral("  La ") + freeName + QStringLiteral(" : LIBRE semble disponible    \n\n"
                                                                                     "  mettre à jour le tableau  (sans "
                                                                                     "redémarrer) ..."));
    // None: the error dialog, and no choice panel.
    t.p.Panel_choix->hide();
    t.p.systemPorts = [] { return QStringList(); };
    t.p.SpeedButton1Click();
    ASSERT_TRUE(WaitUntil([&] { return !t.p.IsProbing(); }, 5000));
    ASSERT_EQ(t.dialogs.size(), 3);
    EXPECT_TRUE(t.dialogErrors.last());
    EXPECT_TRUE(t.dialogs.last().startsWith(QStringLiteral("  Aucune COM disponible, vérifier les branchements")));
    EXPECT_TRUE(t.MemoLines().contains(QStringLiteral(" Aucune COM est LIBRE ou OCCUPEE , vérifier les branchements")));
    EXPECT_FALSE(t.p.Panel_choix->isVisible());
}

TEST(ParametersWindow, ComListTestLogsTenPortsAndNothingInTheDemonstration)
{
    Params t;
    // The probes run on threads of their own, side by side: what they try is kept under a lock.
    struct Tried {
        std::mutex lock;
        QStringList names;
    };
    const auto tried = std::make_shared<Tried>();
    t.p.SetPortProbe([tried](const QString& name) {
        const std::lock_guard<std::mutex> guard(tried->lock);
        tried->names << name;
        return name == QLatin1String("COM3");
    }, 2000);
    t.p.systemPorts = [] { return QStringList{QStringLiteral("COM3")}; };
    t.p.table.SetCell(t.Column(col::vitesse), t.p.activeRow, QStringLiteral("9600"));

    // In demonstration nothing is opened and every port is "non disponible".
    ASSERT_TRUE(t.p.CheckBox_demo->isChecked());
    t.p.Button1Click();
    EXPECT_TRUE(tried->names.isEmpty());
    QStringList lines = Find<QPlainTextEdit>(t.w, "Memo1")->toPlainText().split(u'\n');
    EXPECT_TRUE(lines.contains(QStringLiteral("TEST Open COM3: bauds=9600 parity=N data=8 stop=1 non disponible")));

    t.p.CheckBox_demo->setChecked(false);
    t.p.Memo1->clear();
    t.p.Button1Click();
    ASSERT_TRUE(WaitUntil([&] { return !t.p.IsProbing(); }, 5000));
    lines = t.MemoLines();
    const qsizetype first = lines.indexOf(QStringLiteral("--------------------------"));
    ASSERT_GE(first, 0);
    ASSERT_GE(lines.size(), first + 12);
    EXPECT_EQ(lines[first + 1], QStringLiteral("TEST Open COM1: bauds=9600 parity=N data=8 stop=1 non disponible"));
    EXPECT_EQ(lines[first + 3], QStringLiteral("TEST Open COM3: bauds=9600 parity=N data=8 stop=1 disponible"));
    EXPECT_EQ(lines[first + 10], QStringLiteral("TEST Open COM10: bauds=9600 parity=N data=8 stop=1 non disponible"));
    EXPECT_EQ(lines[first + 11], QStringLiteral(" =====> Vérifier si le Driver du multimètre est installé "));
    const std::lock_guard<std::mutex> guard(tried->lock);
    EXPECT_EQ(tried->names.size(), 10);
}

TEST(ParametersWindow, AHangingPortNeverFreezesTheWindow)
{
    Params t;
    // Shared with the probing thread, which outlives the test when the port hangs.
    const auto release = std::make_shared<std::atomic<bool>>(false);
    t.p.SetPortProbe([release](const QString& name) {
        if (name == QLatin1String("rfcomm0")) {
            for (int i = 0; i < 300 && !*release; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));  // a Bluetooth port taking its time
            }
            return true;
        }
        return true;
    }, 300);
    t.p.systemPorts = [] { return QStringList{QStringLiteral("rfcomm0"), QStringLiteral("ttyUSB0")}; };
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    t.p.SpeedButton1Click();
    EXPECT_TRUE(t.p.IsProbing());
    ASSERT_TRUE(WaitUntil([&] { return !t.p.IsProbing(); }, 2500));
    EXPECT_GE(ticks, 5);  // the event loop kept turning while the port hung
    EXPECT_TRUE(t.MemoLines().contains(QStringLiteral("TEST Open rfcomm0 : OCCUPEE")));
    EXPECT_TRUE(t.MemoLines().contains(QStringLiteral("TEST Open ttyUSB0 : LIBRE")));
    *release = true;
}
