#include "ui/parameters_window/parameters_window.h"

#include "ui/widgets/line_edits.h"
#include "ui/widgets/help_buttons.h"
#include "ui/parameters_window/choice_panel.h"
#include "ui/parameters_window/table_delegate.h"
#include "instrument/table_editing.h"
#include "ui/parameters_window/tracer_inputs_group.h"
#include "serial/port_prober.h"

#include "util/named.h"
#include "util/text_utils.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace sondalog {

namespace {
QLineEdit* Edit(const char* name, const QString& text, QWidget* parent)
{
    auto* e = Named(new QLineEdit(text, parent), name);
    return e;
}
}  // namespace

ParametersWindow::ParametersWindow(InstrumentTable& table, QWidget* parent) : QWidget(parent, Qt::Window), table(table)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("P A R A M E T R E S"));
    resize(1200, 760);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(205, 211, 235));
    setPalette(background);
    setAutoFillBackground(true);

    BuildControls();
    BuildLayout();
    WireGrid();
    WireHints();

    ShowTable();
    RadioButton_car_par_carClick();
    ShowSettings(Settings{});  // the same start values as the command line's
    KeepEditsSingleLine(this);
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(true);  // Enter presses the focused button
    }
    SetCurrentCell(activeRow, 1);
    // Every setting's control tells when it changes: the settings store follows them, and saves read the store.
    for (QAbstractButton* b : content_->findChildren<QAbstractButton*>()) {
        if (b->isCheckable()) {
            connect(b, &QAbstractButton::toggled, this, &ParametersWindow::settingsEdited);
        }
    }
    for (QLineEdit* e : content_->findChildren<QLineEdit*>()) {
        connect(e, &QLineEdit::textChanged, this, &ParametersWindow::settingsEdited);
    }
    for (QComboBox* c : content_->findChildren<QComboBox*>()) {
        connect(c, &QComboBox::currentTextChanged, this, &ParametersWindow::settingsEdited);
    }
}

void ParametersWindow::BuildControls()
{
    stringgrid1 = Named(new QTableView(this), "stringgrid1");
    tableModel = new InstrumentTableModel(table, this);
    stringgrid1->setModel(tableModel);
    stringgrid1->verticalHeader()->setVisible(false);
    stringgrid1->horizontalHeader()->setVisible(false);

    Memo1 = Named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral(" lignes brutes récupérées sur la liaison RS232"));
    Memo2 = Named(new QListView(this), "Memo2");
    Memo2->setUniformItemSizes(true);  // a million lines scroll as fast as ten
    Memo2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label_nlecture = Named(new QLabel(QStringLiteral("0"), this), "Label_nlecture");
    Label_n = Named(new QLabel(QString(), this), "Label_n");
    Label_config = Named(new QLabel(QString(), this), "Label_config");
    // A long port path must not widen the window past the screen (the "?" and "X" off it): the label gives way.
    Label_config->setSizePolicy(QSizePolicy::Ignored, Label_config->sizePolicy().verticalPolicy());
    Label_config->setMinimumWidth(120);

    Button_openCOM_read = Named(new QPushButton(QStringLiteral("Open COM"), this), "Button_openCOM_read");
    Button_close_COM = Named(new QPushButton(QStringLiteral("Close COM"), this), "Button_close_COM");
    Button_enreg_param = Named(new QPushButton(QStringLiteral("Enregistrer param."), this), "Button_enreg_param");
    Button_charger_param = Named(new QPushButton(QStringLiteral("Charger param."), this), "Button_charger_param");
    Button_exemple = Named(new QPushButton(QStringLiteral("exemple param."), this), "Button_exemple");
    SpeedButton_question_close = Named(new QToolButton(this), "SpeedButton_question_close");
    SpeedButton_question_close->setText(QStringLiteral("X "));
    SpeedButton_aide = Named(new QToolButton(this), "SpeedButton_aide");
    SpeedButton_aide->setText(QStringLiteral("?"));
    SpeedButton_aide->setToolTip(QStringLiteral("Aide"));
#ifdef Q_OS_WIN
    Button3 = Named(new QPushButton(QStringLiteral("RS232_hercules_3-2-6.exe"), this), "Button3");
#else
    Button3 = Named(new QPushButton(QStringLiteral("terminal série"), this), "Button3");
#endif
    Button4 = Named(new QPushButton(QStringLiteral("Gestionnaire des tâches"), this), "Button4");
    Button2 = Named(new QPushButton(QStringLiteral("Gestionnaire des périphériques"), this), "Button2");
    SetUpToolButton(Button3, ToolKind::SerialTerminal, FindOnPath);
    SetUpToolButton(Button4, ToolKind::TaskManager, FindOnPath);
    SetUpToolButton(Button2, ToolKind::DeviceManager, FindOnPath);

    CheckBox_demo = Named(new QCheckBox(QStringLiteral("démo"), this), "CheckBox_demo");
    CheckBox_demo->setChecked(true);
    CheckBox_demo_rapide = Named(new QCheckBox(QStringLiteral("rapide"), this), "CheckBox_demo_rapide");
    CheckBox_demo_rapide->setChecked(true);
    CheckBox_save_sans_confirmation =
        Named(new QCheckBox(QStringLiteral("save sans confirmation"), this), "CheckBox_save_sans_confirmation");
    CheckBox_save_sans_confirmation->setChecked(true);
    CheckBox_sauve_auto = Named(new QCheckBox(QStringLiteral("sauvegarde automatique (en  mn)"), this), "CheckBox_sauve_auto");
    CheckBox_sauve_auto->setToolTip(QStringLiteral("Sauvegarde dans le sous-dossier"));
    Edit_sos_mn = Edit("Edit_sos_mn", QStringLiteral("5"), this);

    auto* signGroup = Named(new QGroupBox(QStringLiteral("signe décimal du fichier d'enregistrement"), this), "RadioGroup_signe_decimal");
    RadioButton_virgule = Named(new QRadioButton(QStringLiteral("virgule"), signGroup), "RadioButton_virgule");
    RadioButton_point = Named(new QRadioButton(QStringLiteral("point"), signGroup), "RadioButton_point");
    RadioGroup_signe_decimal = new QButtonGroup(this);
    RadioGroup_signe_decimal->addButton(RadioButton_virgule, 0);
    RadioGroup_signe_decimal->addButton(RadioButton_point, 1);
    RadioButton_virgule->setChecked(true);
    auto* signLayout = new QHBoxLayout(signGroup);
    signLayout->addWidget(RadioButton_virgule);
    signLayout->addWidget(RadioButton_point);
    Label2 = Named(new QLabel(this), "Label2");

    auto* mouseGroup = Named(new QGroupBox(QStringLiteral("souris"), this), "RadioGroup_souris");
    RadioGroup_souris = new QButtonGroup(this);
    auto* mouseLayout = new QHBoxLayout(mouseGroup);
    const QStringList mouseItems = {QStringLiteral("habituelle"), QStringLiteral("guidée"), QStringLiteral("saut")};
    for (int i = 0; i < mouseItems.size(); ++i) {
        auto* b = new QRadioButton(mouseItems[i], mouseGroup);
        b->setObjectName(QStringLiteral("RadioGroup_souris_%1").arg(i));
        RadioGroup_souris->addButton(b, i);
        mouseLayout->addWidget(b);
    }
    RadioGroup_souris->button(0)->setChecked(true);

    RadioButton_car_par_car = Named(new QRadioButton(QStringLiteral("caractère par caractère"), this), "RadioButton_car_par_car");
    RadioButton_par_chaine_CSV =
        Named(new QRadioButton(QStringLiteral("par chaîne de caractères et CSV"), this), "RadioButton_par_chaine_CSV");
    RadioButton_car_par_car->setChecked(true);
    Label3 = Named(new QLabel(QStringLiteral("TIMEOUTS"), this), "Label3");
    Edit_timeouts = Edit("Edit_timeouts", QStringLiteral("500"), this);
    Edit_timeouts->setToolTip(QStringLiteral("valeur à modifier en cas de bloquage (par chaîne de caractères)"));
    connect(RadioButton_car_par_car, &QRadioButton::clicked, this, &ParametersWindow::RadioButton_car_par_carClick);
    connect(RadioButton_par_chaine_CSV, &QRadioButton::clicked, this, &ParametersWindow::RadioButton_car_par_carClick);
    CheckBox_DTR = Named(new QCheckBox(QStringLiteral("DTR"), this), "CheckBox_DTR");
    CheckBox_RTS = Named(new QCheckBox(QStringLiteral("RTS"), this), "CheckBox_RTS");
    CheckBox_lecture_sans_traitement = Named(new QCheckBox(QStringLiteral("lecture sans traitement (pour les tests)"), this),
                                             "CheckBox_lecture_sans_traitement");
    Edit_nom_blocnote = Edit("Edit_nom_blocnote", QStringLiteral("notepad.exe"), this);
    Edit_nom_blocnote->setToolTip(QStringLiteral("notepad.exe ou notepad++.exe"));
    Edit_nb_decimale_1 = Edit("Edit_nb_decimale_1", QStringLiteral("µ=0;m=3;k=1;F=3"), this);
    Edit_nb_decimale_1->setToolTip(
        QStringLiteral("nombre de décimales pour la grandeur1 Ex:µ=0;m=3;k=1;F=3   (F=> fichier de sortie)  "));
    Edit_start_inject = Edit("Edit_start_inject", QStringLiteral("traçage => t0"), this);
    Edit_facteur = Edit("Edit_facteur", QStringLiteral("1.02"), this);
    Edit_facteur->setToolTip(QStringLiteral("  facteur multiplicatif pour le calcul de l'aire   "));
    CheckBox_ph_ox_3sondes = Named(new QCheckBox(QStringLiteral("3 sondes : Cond, T°C, pH et Ox"), this), "CheckBox_ph_ox_3sondes");
    Edit_pH = Edit("Edit_pH", QStringLiteral("pH"), this);
    Edit_ox = Edit("Edit_ox", QStringLiteral("Ox"), this);
    ComboBox_cond_ph_ox = Named(new QComboBox(this), "ComboBox_cond_ph_ox");
    ComboBox_cond_ph_ox->addItems({QStringLiteral("Cond"), QStringLiteral("pH"), QStringLiteral("Ox")});
    ComboBox_cond_ph_ox->setEditable(true);
    ComboBox_cond_ph_ox->setToolTip(QStringLiteral("pour que les 4 grandeurs soient du même pas de temps"));
    Label10 = Named(new QLabel(QStringLiteral("décimales"), this), "Label10");
    Label10->setToolTip(Edit_nb_decimale_1->toolTip());
    Edit_start_inject->setToolTip(QStringLiteral("message affiché pour marquer le début du traçage (t0)"));
    CheckBox_ph_ox_3sondes->setToolTip(QStringLiteral("multimètre à 3 sondes : conductivité, température, pH et "
                                                      "oxygène dissous"));
    CheckBox_lecture_sans_traitement->setToolTip(QStringLiteral("les lignes reçues sont affichées sans être décodées"));
    Edit_pH->setToolTip(QStringLiteral("repère de la valeur du pH dans les lignes reçues"));
    Edit_ox->setToolTip(QStringLiteral("repère de la valeur de l'oxygène dissous dans les lignes reçues"));
    CheckBox_RTS->setToolTip(QStringLiteral("nécessaire pour les anciens 340i"));
    Label_ecran = Named(new QLabel(this), "Label_ecran");
    Button1 = Named(new QPushButton(QStringLiteral("liste COMx"), this), "Button1");
    Button1->setToolTip(QStringLiteral("permet de lister les COM1 à  10 et voir lesquelles sont disponibles"));
    SpeedButton1 = Named(new QToolButton(this), "SpeedButton1");
    SpeedButton1->setText(QStringLiteral("NEW"));
    SpeedButton1->setToolTip(QStringLiteral(" nouvelle procédure pour lister les COM "));
    Button5 = Named(new QPushButton(QStringLiteral("Graphique 2,3 sondes sur WTW3430"), this), "Button5");
    Button5->setToolTip(QStringLiteral("conductivité, température, pH et oxygène sur quatre graphiques"));
    Button5->setEnabled(false);
    GroupBox_lectureRS232 = Named(new QGroupBox(QStringLiteral("lecture RS232"), this), "GroupBox_lectureRS232");
    GroupBox_tracage = new TracerInputsGroup(this);

    Panel_aide = Named(new QLabel(QStringLiteral("explications"), this), "Panel_aide");
    Panel_aide->setAutoFillBackground(true);
    Panel_aide->setFrameShape(QFrame::StyledPanel);
    Panel_aide->setWordWrap(true);
    Panel_aide->setMinimumHeight(Panel_aide->fontMetrics().height() * 2 + 6);
    Panel_aide->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette strip = Panel_aide->palette();
    strip.setColor(QPalette::Window, QColor(251, 224, 206));
    Panel_aide->setPalette(strip);
    Panel_choix = new ChoicePanel(this);
    ComboBox1 = Panel_choix->ComboBox1;
    Label_choix = Panel_choix->Label_choix;

    connect(CheckBox_ph_ox_3sondes, &QCheckBox::toggled, this, [this](bool on) {
        Button5->setEnabled(on);
        if (onThreeProbesChanged) {
            onThreeProbesChanged(on);
        }
    });
    connect(Edit_facteur, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (onFactorChanged) {
            onFactorChanged(text);
        }
    });
    connect(Button1, &QPushButton::clicked, this, &ParametersWindow::Button1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &ParametersWindow::SpeedButton1Click);

    connect(CheckBox_demo, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            RadioButton_car_par_car->setChecked(true);
            RadioButton_car_par_carClick();
        }
        if (onDemoChanged) {
            onDemoChanged(on);
        }
    });
    connect(SpeedButton_question_close, &QToolButton::clicked, this, [this] {
        ApplyTable();
        hide();
        if (parentWidget()) {
            parentWidget()->show();
            parentWidget()->activateWindow();
        }
    });
}

void ParametersWindow::BuildLayout()
{
    // Layout: the table on top, the options in columns, the memos below, in a scroll area: on a small screen the
    // window fits it (title bar included) and scrolls rather than running off it.
    auto* content = new QWidget;
    content_ = content;
    auto* root = new QVBoxLayout(content);
    auto* top = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Button_enreg_param, Button_charger_param, Button_exemple,
                                                     Button_openCOM_read, Button_close_COM, Label_config}) {
        top->addWidget(w);
    }
    top->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{Button3, Button4, Button2, SpeedButton_aide}) {
        top->addWidget(w);
    }
    top->addWidget(SpeedButton_question_close);
    root->addLayout(top);
    root->addWidget(Panel_aide);
    root->addWidget(stringgrid1, 3);

    auto* options = new QGridLayout;
    auto* run = new QFormLayout;
    run->addRow(CheckBox_demo, CheckBox_demo_rapide);
    run->addRow(CheckBox_save_sans_confirmation);
    run->addRow(CheckBox_sauve_auto, Edit_sos_mn);
    run->addRow(findChild<QGroupBox*>(QStringLiteral("RadioGroup_signe_decimal")));
    run->addRow(Label2);
    run->addRow(findChild<QGroupBox*>(QStringLiteral("RadioGroup_souris")));
    run->addRow(Label_ecran);
    auto* serial = new QFormLayout;
    auto* readMode = new QVBoxLayout(GroupBox_lectureRS232);
    readMode->addWidget(RadioButton_car_par_car);
    readMode->addWidget(RadioButton_par_chaine_CSV);
    auto* timeouts = new QHBoxLayout;
    timeouts->addWidget(Label3);
    timeouts->addWidget(Edit_timeouts);
    readMode->addLayout(timeouts);
    serial->addRow(GroupBox_lectureRS232);
    serial->addRow(CheckBox_DTR, CheckBox_RTS);
    serial->addRow(CheckBox_lecture_sans_traitement);
    serial->addRow(QStringLiteral("lectures :"), Label_nlecture);
    serial->addRow(QStringLiteral("n :"), Label_n);
    auto* processing = new QFormLayout;
    processing->addRow(Label10, Edit_nb_decimale_1);
    processing->addRow(QStringLiteral("message t0"), Edit_start_inject);
    processing->addRow(QStringLiteral("facteur aire"), Edit_facteur);
    processing->addRow(QStringLiteral("éditeur de texte"), Edit_nom_blocnote);
    processing->addRow(CheckBox_ph_ox_3sondes, Button5);
    processing->addRow(QStringLiteral("repère pH"), Edit_pH);
    processing->addRow(QStringLiteral("repère Ox"), Edit_ox);
    processing->addRow(QStringLiteral("dernière grandeur du bloc"), ComboBox_cond_ph_ox);
    options->addLayout(run, 0, 0);
    options->addLayout(serial, 0, 1);
    options->addLayout(processing, 0, 2);
    options->addWidget(GroupBox_tracage, 0, 3, Qt::AlignTop);
    root->addLayout(options);
    auto* memos = new QHBoxLayout;
    auto* raw = new QVBoxLayout;
    auto* ports = new QHBoxLayout;
    ports->addWidget(Button1);
    ports->addWidget(SpeedButton1);
    ports->addStretch();
    raw->addLayout(ports);
    raw->addWidget(Memo1);
    memos->addLayout(raw);
    memos->addWidget(Memo2);
    root->addLayout(memos, 2);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ScrollArea_parametres"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

namespace {
constexpr int kTitleBarGuess = 32;
constexpr int kFrameGuess = 4;
}  // namespace

void ParametersWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Centred on its screen, and never larger than what the screen shows.
    if (const QScreen* s = screen()) {
        Label_ecran->setText(QStringLiteral("Résolution ") + QString::number(s->geometry().width()) + u'x' +
                             QString::number(s->geometry().height()));
        const QRect available = s->availableGeometry();
        QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
        // Not decorated yet (or by a platform that draws none): room kept for a title bar and borders all the
        // same, or a window manager would put its top off the screen.
        frame = QMargins(std::max(frame.left(), kFrameGuess), std::max(frame.top(), kTitleBarGuess),
                         std::max(frame.right(), kFrameGuess), std::max(frame.bottom(), kFrameGuess));
        // As large as its content wants, as the screen allows: what does not fit scrolls.
        const QSize wanted = content_ ? content_->minimumSizeHint() + QSize(24, 24) : size();
        const QSize size(std::min(std::max(width(), wanted.width()), available.width() - frame.left() - frame.right()),
                         std::min(std::max(height(), wanted.height()), available.height() - frame.top() - frame.bottom()));
        resize(size);
        move(available.x() + std::max(0, (available.width() - size.width() - frame.left() - frame.right()) / 2),
             available.y() + std::max(0, (available.height() - size.height() - frame.top() - frame.bottom()) / 2));
    }
}

void ParametersWindow::RadioButton_car_par_carClick()
{
    SetReadMode(RadioButton_par_chaine_CSV->isChecked() ? 1 : 0);
}

bool ParametersWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && mainDemo) {
        SetDemo(mainDemo());  // FormActivate: the main window's box is the one that counts
    }
    return QWidget::event(event);
}

int ParametersWindow::ReadMode() const
{
    return readMode_;
}

void ParametersWindow::SetReadMode(int mode)
{
    readMode_ = mode;
    (mode == 1 ? RadioButton_par_chaine_CSV : RadioButton_car_par_car)->setChecked(true);
    // The time-outs only matter when reading whole lines.
    Edit_timeouts->setVisible(mode == 1);
    Label3->setVisible(mode == 1);
    emit settingsEdited();  // the radio buttons told before the mode was taken
}

void ParametersWindow::SetDemo(bool on)
{
    if (CheckBox_demo->isChecked() != on) {
        CheckBox_demo->setChecked(on);
    }
}

Settings ParametersWindow::ReadSettings(Settings s) const
{
    s.CheckBox_demo = CheckBox_demo->isChecked();
    s.RadioGroup_souris = RadioGroup_souris->checkedId();
    s.CheckBox_demo_rapide = CheckBox_demo_rapide->isChecked();
    s.RadioGroup_signe_decimal = RadioGroup_signe_decimal->checkedId();
    s.CheckBox_sauve_auto = CheckBox_sauve_auto->isChecked();
    s.Edit_sos_mn = Edit_sos_mn->text();
    s.Edit_timeouts = Edit_timeouts->text();
    s.readMode = readMode_;
    s.CheckBox_DTR = CheckBox_DTR->isChecked();
    s.CheckBox_RTS = CheckBox_RTS->isChecked();
    s.CheckBox_lecture_sans_traitement = CheckBox_lecture_sans_traitement->isChecked();
    s.Edit_nom_blocnote = Edit_nom_blocnote->text();
    s.CheckBox_save_sans_confirmation = CheckBox_save_sans_confirmation->isChecked();
    s.Edit_nb_decimale_1 = Edit_nb_decimale_1->text();
    s.Edit_start_inject = Edit_start_inject->text();
    s.Edit_facteur = Edit_facteur->text();
    s.CheckBox_ph_ox_3sondes = CheckBox_ph_ox_3sondes->isChecked();
    s.Edit_pH = Edit_pH->text();
    s.Edit_ox = Edit_ox->text();
    s.ComboBox_cond_ph_ox = ComboBox_cond_ph_ox->currentText();
    return s;
}

void ParametersWindow::ShowSettings(const Settings& s)
{
    CheckBox_demo->setChecked(s.CheckBox_demo);
    if (QAbstractButton* b = RadioGroup_souris->button(std::clamp(s.RadioGroup_souris, 0, 2))) {
        b->setChecked(true);
    }
    CheckBox_demo_rapide->setChecked(s.CheckBox_demo_rapide);
    (s.RadioGroup_signe_decimal == 1 ? RadioButton_point : RadioButton_virgule)->setChecked(true);
    CheckBox_sauve_auto->setChecked(s.CheckBox_sauve_auto);
    Edit_sos_mn->setText(s.Edit_sos_mn);
    Edit_timeouts->setText(s.Edit_timeouts);
    SetReadMode(s.readMode == 1 ? 1 : 0);
    CheckBox_DTR->setChecked(s.CheckBox_DTR);
    CheckBox_RTS->setChecked(s.CheckBox_RTS);
    CheckBox_lecture_sans_traitement->setChecked(s.CheckBox_lecture_sans_traitement);
    Edit_nom_blocnote->setText(s.Edit_nom_blocnote);
    CheckBox_save_sans_confirmation->setChecked(s.CheckBox_save_sans_confirmation);
    Edit_nb_decimale_1->setText(s.Edit_nb_decimale_1);
    Edit_start_inject->setText(s.Edit_start_inject);
    Edit_facteur->setText(s.Edit_facteur);
    CheckBox_ph_ox_3sondes->setChecked(s.CheckBox_ph_ox_3sondes);
    Edit_pH->setText(s.Edit_pH);
    Edit_ox->setText(s.Edit_ox);
    const int combo = ComboBox_cond_ph_ox->findText(s.ComboBox_cond_ph_ox);
    if (combo >= 0) {
        ComboBox_cond_ph_ox->setCurrentIndex(combo);
    } else {
        ComboBox_cond_ph_ox->setCurrentText(s.ComboBox_cond_ph_ox);
    }
}

}  // namespace sondalog

namespace sondalog {

void ParametersWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc closes it, as it closes a dialog (a cell being edited takes its own Esc first).
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace sondalog
