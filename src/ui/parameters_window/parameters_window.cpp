#include "ui/parameters_window/parameters_window.h"

#include "ui/widgets/line_edits.h"
#include "ui/widgets/help_buttons.h"
#include "ui/parameters_window/choice_panel.h"
#include "ui/parameters_window/processing_options_panel.h"
#include "ui/parameters_window/reading_mode_panel.h"
#include "ui/parameters_window/run_options_panel.h"
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
    Memo1->setPlainText(tr(" lignes brutes récupérées sur la liaison RS232"));
    Memo2 = Named(new QListView(this), "Memo2");
    Memo2->setUniformItemSizes(true);  // a million lines scroll as fast as ten
    Memo2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label_config = Named(new QLabel(QString(), this), "Label_config");
    // A long port path must not widen the window past the screen (the "?" and "X" off it): the label gives way.
    Label_config->setSizePolicy(QSizePolicy::Ignored, Label_config->sizePolicy().verticalPolicy());
    Label_config->setMinimumWidth(120);

    Button_openCOM_read = Named(new QPushButton(tr("Open COM"), this), "Button_openCOM_read");
    Button_close_COM = Named(new QPushButton(tr("Close COM"), this), "Button_close_COM");
    Button_enreg_param = Named(new QPushButton(tr("Enregistrer param."), this), "Button_enreg_param");
    Button_charger_param = Named(new QPushButton(tr("Charger param."), this), "Button_charger_param");
    Button_exemple = Named(new QPushButton(tr("exemple param."), this), "Button_exemple");
    SpeedButton_question_close = Named(new QToolButton(this), "SpeedButton_question_close");
    SpeedButton_question_close->setText(QStringLiteral("X "));
    SpeedButton_aide = Named(new QToolButton(this), "SpeedButton_aide");
    SpeedButton_aide->setText(QStringLiteral("?"));
    SpeedButton_aide->setToolTip(tr("Aide"));
#ifdef Q_OS_WIN
    Button3 = Named(new QPushButton(tr("RS232_hercules_3-2-6.exe"), this), "Button3");
#else
    Button3 = Named(new QPushButton(tr("terminal série"), this), "Button3");
#endif
    Button4 = Named(new QPushButton(tr("Gestionnaire des tâches"), this), "Button4");
    Button2 = Named(new QPushButton(tr("Gestionnaire des périphériques"), this), "Button2");
    SetUpToolButton(Button3, ToolKind::SerialTerminal, FindOnPath);
    SetUpToolButton(Button4, ToolKind::TaskManager, FindOnPath);
    SetUpToolButton(Button2, ToolKind::DeviceManager, FindOnPath);

    BuildPanels();
    Button1 = Named(new QPushButton(tr("liste COMx"), this), "Button1");
    Button1->setToolTip(tr("permet de lister les COM1 à  10 et voir lesquelles sont disponibles"));
    SpeedButton1 = Named(new QToolButton(this), "SpeedButton1");
    SpeedButton1->setText(tr("NEW"));
    SpeedButton1->setToolTip(tr(" nouvelle procédure pour lister les COM "));
    GroupBox_tracage = new TracerInputsGroup(this);

    Panel_aide = Named(new QLabel(tr("explications"), this), "Panel_aide");
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
    WireControls();
}

void ParametersWindow::WireControls()
{
    connect(CheckBox_ph_ox_3sondes, &QCheckBox::toggled, this, [this](bool on) {
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

void ParametersWindow::BuildPanels()
{
    // The panels own their controls; the window names them as the form does.
    runOptions_ = new RunOptionsPanel(this);
    CheckBox_demo = runOptions_->CheckBox_demo;
    CheckBox_demo_rapide = runOptions_->CheckBox_demo_rapide;
    CheckBox_save_sans_confirmation = runOptions_->CheckBox_save_sans_confirmation;
    CheckBox_sauve_auto = runOptions_->CheckBox_sauve_auto;
    Edit_sos_mn = runOptions_->Edit_sos_mn;
    RadioButton_virgule = runOptions_->RadioButton_virgule;
    RadioButton_point = runOptions_->RadioButton_point;
    RadioGroup_signe_decimal = runOptions_->RadioGroup_signe_decimal;
    RadioGroup_souris = runOptions_->RadioGroup_souris;
    Label2 = runOptions_->Label2;
    Label_ecran = runOptions_->Label_ecran;
    readingMode_ = new ReadingModePanel(this);
    GroupBox_lectureRS232 = readingMode_->GroupBox_lectureRS232;
    RadioButton_car_par_car = readingMode_->RadioButton_car_par_car;
    RadioButton_par_chaine_CSV = readingMode_->RadioButton_par_chaine_CSV;
    Label3 = readingMode_->Label3;
    Edit_timeouts = readingMode_->Edit_timeouts;
    CheckBox_DTR = readingMode_->CheckBox_DTR;
    CheckBox_RTS = readingMode_->CheckBox_RTS;
    CheckBox_lecture_sans_traitement = readingMode_->CheckBox_lecture_sans_traitement;
    Label_nlecture = readingMode_->Label_nlecture;
    Label_n = readingMode_->Label_n;
    connect(readingMode_, &ReadingModePanel::readModeChanged, this, &ParametersWindow::settingsEdited);
    processingOptions_ = new ProcessingOptionsPanel(this);
    Label10 = processingOptions_->Label10;
    Edit_nb_decimale_1 = processingOptions_->Edit_nb_decimale_1;
    Edit_start_inject = processingOptions_->Edit_start_inject;
    Edit_facteur = processingOptions_->Edit_facteur;
    Edit_nom_blocnote = processingOptions_->Edit_nom_blocnote;
    CheckBox_ph_ox_3sondes = processingOptions_->CheckBox_ph_ox_3sondes;
    Button5 = processingOptions_->Button5;
    Edit_pH = processingOptions_->Edit_pH;
    Edit_ox = processingOptions_->Edit_ox;
    ComboBox_cond_ph_ox = processingOptions_->ComboBox_cond_ph_ox;
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
    options->addWidget(runOptions_, 0, 0, Qt::AlignTop);
    options->addWidget(readingMode_, 0, 1, Qt::AlignTop);
    options->addWidget(processingOptions_, 0, 2, Qt::AlignTop);
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
        Label_ecran->setText(tr("Résolution ") + QString::number(s->geometry().width()) + u'x' +
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
    return readingMode_->ReadMode();
}

void ParametersWindow::SetReadMode(int mode)
{
    readingMode_->SetReadMode(mode);
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
    s.readMode = readingMode_->ReadMode();
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
