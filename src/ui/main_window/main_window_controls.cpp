// The main window's controls as the form lays them out: buttons, figures, axis boxes, graph,
// record list and analysis, and the question panel that floats over them.
#include "ui/main_window/main_window.h"

#include "acquisition/demo_generator.h"
#include "ui/main_window/record_list_model.h"
#include "ui/widgets/text_colour.h"
#include "ui/charts_window/charts_window.h"
#include "ui/dialogs/directory_chooser.h"
#include "ui/widgets/hint_style.h"
#include "ui/widgets/help_buttons.h"
#include "ui/widgets/line_edits.h"
#include "app/run_options.h"
#include "instrument/parameter_file.h"
#include "ui/parameters_window/parameters_window.h"
#include "plot/graph_painter.h"
#include "ui/widgets/graph_widget.h"
#include "acquisition/stored_files.h"
#include "serial/port_description.h"
#include "serial/raw_log.h"
#include "util/named.h"
#include "util/text_utils.h"

#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace sondalog {

namespace {
constexpr int kRecordListRows = 8;  // lines of the record list always in view
}  // namespace

namespace {
QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent)
{
    return Named(new QLabel(text, parent), name);
}
}  // namespace

void MainWindow::BuildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* root = new QVBoxLayout(central);

    Button_test_com = Named(new QPushButton(QStringLiteral("test COM"), central), "Button_test_com");
    Button_test_com->setToolTip(QStringLiteral("bouton de test initial et d'arrêt du test  "));
    Button_START = Named(new QPushButton(QStringLiteral("Start (base)"), central), "Button_START");
    Button_START->setToolTip(QStringLiteral("  acquisition de la ligne de base  "));
    Button_stop = Named(new QPushButton(QStringLiteral("Stop + save"), central), "Button_stop");
    Button_stop->setToolTip(QStringLiteral("arrêt de l'acquisition et enregistrement"));
    Button_stop->setEnabled(false);
    Button_exit_ = Named(new QPushButton(QStringLiteral("exit + save"), central), "Button_exit_");
    Button_exit_->setToolTip(QStringLiteral("sortie avec enregistrement (F12)"));
    Button_open_file = Named(new QPushButton(QStringLiteral("open"), central), "Button_open_file");
    Button_open_file->setToolTip(QStringLiteral(" permet de visualiser un fichier existant ou de le  compléter   "));
    Button_parametres = Named(new QPushButton(QStringLiteral("Paramètres"), central), "Button_parametres");
    Button1 = Named(new QPushButton(QStringLiteral("Graphiques associés"), central), "Button1");
    Button1->setToolTip(QStringLiteral("si 3 sondes connectées "));
    Button1->setEnabled(false);  // with three probes only (the parameters window says)
    Button_enreg_param = Named(new QPushButton(QStringLiteral("save paramètres"), central), "Button_enreg_param");
    Button_enreg_param->setToolTip(QStringLiteral("enregistre les modifications dans le fichier des paramètres"));
    CheckBox_demo = Named(new QCheckBox(QStringLiteral("démo"), central), "CheckBox_demo");
    CheckBox_demo->setChecked(true);
    Label_multimetre = MakeLabel("Label_multimetre", QString(), central);
    QFont big = Label_multimetre->font();
    big.setBold(true);
    Label_multimetre->setFont(big);
    Label_config = MakeLabel("Label_config", QString(), central);
    SpeedButton_aide = Named(new QToolButton(central), "SpeedButton_aide");
    SpeedButton_aide->setText(QStringLiteral("?"));
    SpeedButton_aide->setToolTip(QStringLiteral("Aide"));

    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Button_test_com, Button_START, Button_stop, Button_exit_,
                                                     Button_open_file, CheckBox_demo, Label_multimetre, Label_config}) {
        buttons->addWidget(w);
    }
    buttons->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{Button_enreg_param, Button_parametres, Button1, SpeedButton_aide}) {
        buttons->addWidget(w);
    }
    root->addLayout(buttons);

    // The figures of the run.
    Label_n = MakeLabel("Label_n", QStringLiteral("n = "), central);
    Label_nmax_nf = MakeLabel("Label_nmax_nf", QString(), central);
    Label_nmax_nf->hide();  // the expected count while a logging file is decoded
    Label_heure = MakeLabel("Label_heure", QString(), central);
    Label15 = MakeLabel("Label15", QStringLiteral("durée traçage"), central);
    Label_tracage = MakeLabel("Label_tracage", QStringLiteral("---"), central);
    Label_grandeur1 = MakeLabel("Label_grandeur1", QString(), central);
    Label_grand1 = MakeLabel("Label_grand1", QString(), central);
    Label_val_grand1 = MakeLabel("Label_val_grand1", QString(), central);
    Label_grandeur2 = MakeLabel("Label_grandeur2", QString(), central);
    Label_grand2 = MakeLabel("Label_grand2", QString(), central);
    Label_val_grand2 = MakeLabel("Label_val_grand2", QString(), central);
    Label_multiple_initial = MakeLabel("Label_multiple_initial", QString(), central);
    Label_multiple_courant = MakeLabel("Label_multiple_courant", QString(), central);
    Label7 = MakeLabel("Label7", QString(), central);
    Label7->hide();
    QFont value = Label_val_grand1->font();
    value.setPointSize(value.pointSize() + 8);
    value.setBold(true);
    Label_val_grand1->setFont(value);
    Label_val_grand2->setFont(value);
    Label_n->setFont(value);
    auto* figures = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Label_n, Label_nmax_nf, Label_grandeur1, Label_val_grand1, Label_multiple_initial,
                                                     Label_multiple_courant, Label_grand2, Label_val_grand2, Label15,
                                                     Label_tracage, Label_heure, Label7}) {
        figures->addWidget(w);
        figures->addSpacing(12);
    }
    figures->addStretch();
    root->addLayout(figures);

    // Axis boxes to the left of the graph.
    auto* middle = new QHBoxLayout;
    auto* axes = new QGridLayout;
    Edit_max_y1 = Named(new QLineEdit(QStringLiteral("1000"), central), "Edit_max_y1");
    Edit_min_y1 = Named(new QLineEdit(QStringLiteral("400"), central), "Edit_min_y1");
    Edit_y1_graduation = Named(new QLineEdit(QStringLiteral("200"), central), "Edit_y1_graduation");
    Edit_max_y2 = Named(new QLineEdit(central), "Edit_max_y2");
    Edit_min_y2 = Named(new QLineEdit(central), "Edit_min_y2");
    Edit_y2_graduation = Named(new QLineEdit(central), "Edit_y2_graduation");
    for (QLineEdit* e : {Edit_max_y1, Edit_min_y1, Edit_y1_graduation, Edit_max_y2, Edit_min_y2, Edit_y2_graduation}) {
        e->setMaximumWidth(90);
    }
    Edit_max_y1->setToolTip(QStringLiteral("double clik = liste de choix"));
    Edit_min_y1->setToolTip(QStringLiteral("double clik = liste de choix"));
    Label_y1_max_lu = MakeLabel("Label_y1_max_lu", QStringLiteral("max lu"), central);
    Label_y1_min_lu = MakeLabel("Label_y1_min_lu", QStringLiteral("min lu"), central);
    Label_y2_max_lu = MakeLabel("Label_y2_max_lu", QStringLiteral("max lu"), central);
    Label_y2_min_lu = MakeLabel("Label_y2_min_lu", QStringLiteral("min lu"), central);
    CheckBox_y2 = Named(new QCheckBox(QStringLiteral("grandeur 2"), central), "CheckBox_y2");
    CheckBox_y2->setToolTip(QStringLiteral("  affiche en plus le graphique de cette grandeur "));
    CheckBox_af_integrale = Named(new QCheckBox(QStringLiteral("intégrale"), central), "CheckBox_af_integrale");
    int row = 0;
    axes->addWidget(Label_grand1, row++, 0, 1, 2);
    axes->addWidget(new QLabel(QStringLiteral("max Y"), central), row, 0);
    axes->addWidget(Edit_max_y1, row++, 1);
    axes->addWidget(Label_y1_max_lu, row++, 1);
    axes->addWidget(new QLabel(QStringLiteral("min Y"), central), row, 0);
    axes->addWidget(Edit_min_y1, row++, 1);
    axes->addWidget(Label_y1_min_lu, row++, 1);
    axes->addWidget(new QLabel(QStringLiteral("graduation"), central), row, 0);
    axes->addWidget(Edit_y1_graduation, row++, 1);
    axes->addWidget(CheckBox_af_integrale, row++, 0, 1, 2);
    axes->addWidget(CheckBox_y2, row++, 0, 1, 2);
    axes->addWidget(Label_grandeur2, row++, 0, 1, 2);
    axes->addWidget(Edit_max_y2, row, 1);
    axes->addWidget(Label_y2_max_lu, row++, 0);
    axes->addWidget(Edit_min_y2, row, 1);
    axes->addWidget(Label_y2_min_lu, row++, 0);
    axes->addWidget(Edit_y2_graduation, row++, 1);
    middle->addLayout(axes);

    Panel1 = Named(new QFrame(central), "Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* graphLayout = new QVBoxLayout(Panel1);
    graphLayout->setContentsMargins(0, 0, 0, 0);
    ImageA = new GraphWidget(Panel1);
    ImageA->onResized = [this] { Redraw(); };
    graphLayout->addWidget(ImageA);
    middle->addWidget(Panel1, 1);
    root->addLayout(middle, 1);

    Label_zero = MakeLabel("Label_zero", QString(), central);
    Label_hauteur = MakeLabel("Label_hauteur", QString(), central);
    Label_hauteur->hide();
    auto* base = new QHBoxLayout;
    base->addWidget(Label_zero);
    base->addSpacing(20);
    base->addWidget(Label_hauteur);
    base->addStretch();
    root->addLayout(base);

    // The recording: name, folder, last save, record list.
    Edit_Prefixe = Named(new QLineEdit(QStringLiteral("Forage1"), central), "Edit_Prefixe");
    Edit_Prefixe->setMaxLength(kPrefixMaxChars);
    Edit_Prefixe->setToolTip(QStringLiteral("PEUT ÊTRE CHANGÉ EN COURS DE LECTURE  "));
    auto* label16 = MakeLabel("Label16", QStringLiteral("nom"), central);
    label16->setToolTip(Edit_Prefixe->toolTip());
    CheckBox_date_heure = Named(new QCheckBox(QStringLiteral("+ date/heure"), central), "CheckBox_date_heure");
    CheckBox_date_heure->setChecked(true);
    CheckBox_date_heure->setToolTip(QStringLiteral("date et heure en début de nom"));
    Edit_repertoire = Named(new QLineEdit(central), "Edit_repertoire");
    Edit_repertoire->setReadOnly(true);
    Label22 = MakeLabel("Label22", QStringLiteral("-/-"), central);
    Label11 = MakeLabel("Label11", QStringLiteral("dernière sauvegarde => "), central);
    Label11->setToolTip(QStringLiteral("fichier"));
    auto* names = new QHBoxLayout;
    names->addWidget(label16);
    names->addWidget(Edit_Prefixe);
    names->addWidget(CheckBox_date_heure);
    SpeedButton_choix_rep = Named(new QToolButton(central), "SpeedButton_choix_rep");
    SpeedButton_choix_rep->setText(QStringLiteral("./.."));
    SpeedButton_choix_rep->setToolTip(QStringLiteral("SELECTIONNER UN FICHIER QUELQUONQUE DU DOSSIER !!!!"));
    names->addWidget(SpeedButton_choix_rep);
    names->addWidget(Edit_repertoire, 1);
    names->addWidget(Label11);
    names->addWidget(Label22);
    root->addLayout(names);
    Label20 = MakeLabel("Label20", QStringLiteral("n   heurePC  durée traçage  G1  G2   multimètre          "), central);
    root->addWidget(Label20);
    Memo3 = Named(new QPlainTextEdit(central), "Memo3");
    Memo3->setReadOnly(true);
    Memo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3->hide();  // the opened file, in view while its kind is asked
    Memo2 = Named(new QListView(central), "Memo2");
    Memo2->setToolTip(QStringLiteral("lignes décodées du multimètre"));
    Memo2->setUniformItemSizes(true);  // the whole record list, never cut, fetched as it scrolls
    Memo2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // At least its last eight lines in view, on a field laptop's screen as on a large one: the graph gives way.
    const int listRow = Memo2->fontMetrics().height() + 2;
    Memo2->setMinimumHeight(kRecordListRows * listRow + 2 * Memo2->frameWidth() + 4);
    Memo2->setMaximumHeight(std::max(140, Memo2->minimumHeight()));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Memo2, 3);
    BuildAnalysisPanel(bottom);
    root->addLayout(bottom);
    Memo1 = Named(new QPlainTextEdit(central), "Memo1");
    Memo1->hide();

    Panel2 = Named(new QFrame(central), "Panel2");
    Panel2->setFrameShape(QFrame::Box);
    Panel2->setAutoFillBackground(true);
    Label18 = MakeLabel("Label18", QStringLiteral(" \n vérifier le \n répertoire \n\n et le nom \n"), Panel2);
    (new QVBoxLayout(Panel2))->addWidget(Label18);
    Panel2->resize(220, 250);
    SpeedButton_choix_rep->installEventFilter(this);  // Panel2 follows the button wherever the layout puts it

    Panel_message = Named(new QFrame(central), "Panel_message");
    Panel_message->setFrameShape(QFrame::Box);
    Panel_message->setAutoFillBackground(true);
    QPalette warn = Panel_message->palette();
    warn.setColor(QPalette::Window, QColor(255, 230, 160));
    Panel_message->setPalette(warn);
    Label21 = MakeLabel("Label21", QString(), Panel_message);
    (new QVBoxLayout(Panel_message))->addWidget(Label21);
    Panel_message->installEventFilter(this);
    Panel_message->hide();

    connect(Button_test_com, &QPushButton::clicked, this, &MainWindow::Button_test_comClick);
    connect(Button_START, &QPushButton::clicked, this, &MainWindow::Button_STARTClick);
    connect(Button_stop, &QPushButton::clicked, this, &MainWindow::Button_stopClick);
    connect(Button_exit_, &QPushButton::clicked, this, &MainWindow::Button_exit_Click);
    connect(Button_parametres, &QPushButton::clicked, this, &MainWindow::Button_parametresClick);
    connect(Button_open_file, &QPushButton::clicked, this, &MainWindow::Button_open_fileClick);
    connect(Button1, &QPushButton::clicked, this, &MainWindow::Button1Click);
    connect(Button_enreg_param, &QPushButton::clicked, this, &MainWindow::Button_enreg_paramClick);
    connect(CheckBox_demo, &QCheckBox::clicked, this, &MainWindow::CheckBox_demoClick);
    connect(Edit_Prefixe, &QLineEdit::textChanged, this, &MainWindow::UpdateRecordingSetup);
    connect(CheckBox_demo, &QCheckBox::toggled, this, &MainWindow::UpdateRecordingSetup);
    connect(CheckBox_date_heure, &QCheckBox::toggled, this, &MainWindow::UpdateRecordingSetup);
    connect(CheckBox_y2, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget* w : std::initializer_list<QWidget*>{Edit_max_y2, Edit_min_y2, Edit_y2_graduation, Label_grandeur2,
                                                         Label_y2_max_lu, Label_y2_min_lu}) {
            w->setVisible(on);
        }
        Redraw();
    });
    connect(CheckBox_af_integrale, &QCheckBox::toggled, this, [this](bool on) {
        Label_hauteur->setVisible(on);
        Redraw();
    });
    for (QWidget* w : std::initializer_list<QWidget*>{Edit_max_y2, Edit_min_y2, Edit_y2_graduation, Label_grandeur2,
                                                     Label_y2_max_lu, Label_y2_min_lu}) {
        w->hide();
    }
    BuildViewControls(axes, row);
    BuildChooser();
    resize(1280, 800);
}

void MainWindow::PlacePanel2()
{
    // Right of the folder button, above it: the reminder points at the folder and the name.
    QWidget* central = centralWidget();
    const QPoint at = SpeedButton_choix_rep->mapTo(central, QPoint(SpeedButton_choix_rep->width() + 4, 0));
    const int top = std::max(0, at.y() + SpeedButton_choix_rep->height() - Panel2->height());
    Panel2->move(std::min(at.x(), std::max(0, central->width() - Panel2->width())), top);
}

void MainWindow::BuildQuestionPanel()
{
    Panel_question = Named(new QFrame(centralWidget()), "Panel_question");
    Panel_question->setFrameShape(QFrame::Panel);
    Panel_question->setAutoFillBackground(true);
    Label_mess = MakeLabel("Label_mess", QString(), Panel_question);
    QFont f = Label_mess->font();
    f.setPointSize(f.pointSize() + 3);
    Label_mess->setFont(f);
    SpeedButton_question = Named(new QToolButton(Panel_question), "SpeedButton_question");
    SpeedButton_annuler = Named(new QToolButton(Panel_question), "SpeedButton_annuler");
    SpeedButton_annuler->setText(QStringLiteral("annuler"));
    SpeedButton_croix_close = Named(new QToolButton(Panel_question), "SpeedButton_croix_close");
    SpeedButton_croix_close->setText(QStringLiteral("X"));
    Button_go = Named(new QPushButton(QStringLiteral("00:00:00"), Panel_question), "Button_go");
    Button_go->setMinimumSize(220, 50);
    Button_go->setFont(f);
    Button_go->hide();
    auto* layout = new QVBoxLayout(Panel_question);
    auto* head = new QHBoxLayout;
    head->addWidget(Label_mess, 1);
    head->addWidget(SpeedButton_croix_close, 0, Qt::AlignTop);
    layout->addLayout(head);
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(Button_go);
    actions->addWidget(SpeedButton_question);
    actions->addWidget(SpeedButton_annuler);
    actions->addStretch();
    layout->addLayout(actions);
    Panel_question->hide();
    connect(SpeedButton_question, &QToolButton::clicked, this, &MainWindow::SpeedButton_questionClick);
    connect(SpeedButton_annuler, &QToolButton::clicked, this, &MainWindow::SpeedButton_annulerClick);
    connect(SpeedButton_croix_close, &QToolButton::clicked, this, &MainWindow::SpeedButton_croix_closeClick);
    connect(Button_go, &QPushButton::clicked, this, &MainWindow::Button_goClick);
}

}  // namespace sondalog
