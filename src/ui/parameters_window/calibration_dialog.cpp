#include "ui/parameters_window/calibration_dialog.h"

#include "fluorometer/calibration_file.h"
#include "util/named.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace sondalog {

namespace {
const char* const kTitle = QT_TRANSLATE_NOOP("sondalog::CalibrationDialog", "étalonnage du fluorimètre");
const char* const kImport = QT_TRANSLATE_NOOP("sondalog::CalibrationDialog", "importer le fichier de constantes…");
const char* const kSave = QT_TRANSLATE_NOOP("sondalog::CalibrationDialog", "Enregistrer");
const char* const kNotSavedMessage = QT_TRANSLATE_NOOP("sondalog::CalibrationDialog", "non enregistré : ");
const char* const kReady = QT_TRANSLATE_NOOP("sondalog::CalibrationDialog", "l'étalonnage convertit : ");

QLineEdit* Box(QWidget* parent, const char* name, const QString& hint)
{
    QLineEdit* e = Named(new QLineEdit(parent), name);
    e->setToolTip(hint);
    return e;
}
}  // namespace

CalibrationDialog::CalibrationDialog(const FluorometerSetup& setup, const QString& calibrationFile, QWidget* parent)
    : QDialog(parent), file_(calibrationFile), saved_(setup)
{
    setObjectName(QStringLiteral("CalibrationDialog"));
    setWindowTitle(tr(kTitle));
    setMinimumWidth(920);  // the standards' lists read whole; still within a 1366-wide screen
    auto* top = new QVBoxLayout(this);
    auto* head = new QFormLayout;
    Edit_instrument = Box(this, "Edit_instrument", tr("le numéro de l'instrument"));
    Date_etalonnage = Named(new QDateEdit(this), "Date_etalonnage");
    Date_etalonnage->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Edit_eau = Box(this, "Edit_eau", tr("signal de L1 L2 L3 L4 dans l'eau claire, en mV (ex. 1,19 10,2 5,3 0,8)"));
    head->addRow(tr("instrument"), Edit_instrument);
    head->addRow(tr("date de l'étalonnage"), Date_etalonnage);
    head->addRow(tr("eau (blanc) L1 L2 L3 L4, mV"), Edit_eau);
    top->addLayout(head);

    auto* tracers = new QGroupBox(tr("traceurs (le traceur n se lit sur sa lampe)"), this);
    auto* grid = new QGridLayout(tracers);
    const QStringList captions{tr("nom"), tr("lampe"), tr("étalons ppb:mV"),
                               tr("un étalon sur les 4 lampes (diaphonie)")};
    for (int c = 0; c < captions.size(); ++c) {
        grid->addWidget(new QLabel(captions[c], tracers), 0, c);
    }
    for (int i = 0; i < kMaxTracers; ++i) {
        const std::string n = std::to_string(i + 1);
        Edit_nom[i] = Box(tracers, ("Edit_nom" + n).c_str(), tr("Uranine, SrhodaminB, AminoGacid… (vide : pas de traceur)"));
        Spin_lampe[i] = Named(new QSpinBox(tracers), ("Spin_lampe" + n).c_str());
        Spin_lampe[i]->setRange(1, 3);
        Spin_lampe[i]->setValue(i + 1);
        Edit_etalons[i] = Box(tracers, ("Edit_etalons" + n).c_str(),
                              tr("1 à 3 étalons croissants, ppb:mV sur sa lampe (ex. 10:65,47 100:614,25)"));
        Edit_lampes[i] = Box(tracers, ("Edit_lampes" + n).c_str(),
                             tr("ppb:mV de L1 L2 L3 L4 pour un étalon (ex. 100:614,25 40,6 8,1 1,2)"));
        grid->addWidget(Edit_nom[i], i + 1, 0);
        grid->addWidget(Spin_lampe[i], i + 1, 1);
        grid->addWidget(Edit_etalons[i], i + 1, 2);
        grid->addWidget(Edit_lampes[i], i + 1, 3);
    }
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 2);
    top->addWidget(tracers);

    auto* corrections = new QGroupBox(tr("turbidité et corrections (dans cet ordre : turbidité, température, fond "
                                                     "naturel, diaphonie)"),
                                      this);
    auto* form = new QFormLayout(corrections);
    Edit_turbidite = Box(corrections, "Edit_turbidite",
                         tr("NTU:mV de L1 L2 L3 L4, séparés par ; (ex. 1:2,19 11,4 6 20,8 ; 10:11,2 22,2 12,3 180,8)"));
    Spin_force_turbidite = Named(new QDoubleSpinBox(corrections), "Spin_force_turbidite");
    Spin_force_turbidite->setRange(0, 2);
    Spin_force_turbidite->setSingleStep(0.1);
    Spin_force_turbidite->setToolTip(tr("0 : pas de correction ; 1 : la part de turbidité que disent les étalons"));
    Edit_temperature = Box(corrections, "Edit_temperature",
                           tr("n de chaque traceur, par °C : F25 = F · exp(n (T − 25)) (0 : pas de correction)"));
    Edit_diaphonie = Box(corrections, "Edit_diaphonie", tr("les traceurs présents ensemble (ex. 1 2) : vide, pas de "
                                                                      "diaphonie"));
    Edit_fond = Box(corrections, "Edit_fond", tr("les lampes qui disent le fond naturel (ex. 3) : vide, pas de correction ; "
                                                            "sur les fichiers seulement"));
    Edit_fenetre = Box(corrections, "Edit_fenetre", tr("le passage, en heures depuis t0 (ex. 4 ; 20) : le fond est appris "
                                                                  "hors de cette fenêtre"));
    form->addRow(tr("étalons de turbidité"), Edit_turbidite);
    form->addRow(tr("turbidité : force S (0 à 2)"), Spin_force_turbidite);
    form->addRow(tr("température : n1 n2 n3"), Edit_temperature);
    form->addRow(tr("diaphonie : traceurs"), Edit_diaphonie);
    form->addRow(tr("fond naturel : lampes"), Edit_fond);
    form->addRow(tr("fenêtre du passage (h)"), Edit_fenetre);
    top->addWidget(corrections);

    Label_etat = Named(new QLabel(this), "Label_etat");
    Label_etat->setWordWrap(true);
    top->addWidget(Label_etat);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* import = Named(buttons->addButton(tr(kImport), QDialogButtonBox::ActionRole), "Button_importer");
    QPushButton* save = Named(buttons->addButton(tr(kSave), QDialogButtonBox::AcceptRole), "Button_enregistrer_etalonnage");
    buttons->addButton(QDialogButtonBox::Cancel);
    top->addWidget(buttons);
    pickConstantsFile = [this] {
        return QFileDialog::getOpenFileName(this, tr(kImport), QString(), QStringLiteral("*.txt *.cal *.dat;;*"));
    };
    connect(import, &QPushButton::clicked, this, [this] {
        const QString path = pickConstantsFile ? pickConstantsFile() : QString();
        if (!path.isEmpty()) {
            Import(path);
        }
    });
    disconnect(buttons, &QDialogButtonBox::accepted, nullptr, nullptr);
    connect(save, &QPushButton::clicked, this, &CalibrationDialog::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Show(FormFromSetup(setup));
    Label_etat->setText(setup.Ready() ? tr(kReady) + file_ : setup.error);
}

void CalibrationDialog::Show(const CalibrationForm& f)
{
    Edit_instrument->setText(f.instrument);
    Date_etalonnage->setDate(f.date.isValid() ? f.date : QDate::currentDate());
    Edit_eau->setText(f.water);
    for (int i = 0; i < kMaxTracers; ++i) {
        const CalibrationForm::Tracer& t = f.tracers[static_cast<std::size_t>(i)];
        Edit_nom[i]->setText(t.name);
        Spin_lampe[i]->setValue(t.name.isEmpty() ? i + 1 : t.lamp);
        Edit_etalons[i]->setText(t.standards);
        Edit_lampes[i]->setText(t.allLamps);
    }
    Edit_turbidite->setText(f.turbidity);
    Spin_force_turbidite->setValue(f.turbidityStrength);
    Edit_temperature->setText(f.temperature);
    Edit_diaphonie->setText(f.crosstalk);
    Edit_fond->setText(f.backgroundLamps);
    Edit_fenetre->setText(f.window);
}

CalibrationForm CalibrationDialog::Read() const
{
    CalibrationForm f;
    f.instrument = Edit_instrument->text();
    f.date = Date_etalonnage->date();
    f.water = Edit_eau->text();
    for (int i = 0; i < kMaxTracers; ++i) {
        CalibrationForm::Tracer& t = f.tracers[static_cast<std::size_t>(i)];
        t.name = Edit_nom[i]->text();
        t.lamp = Spin_lampe[i]->value();
        t.standards = Edit_etalons[i]->text();
        t.allLamps = Edit_lampes[i]->text();
    }
    f.turbidity = Edit_turbidite->text();
    f.turbidityStrength = Spin_force_turbidite->value();
    f.temperature = Edit_temperature->text();
    f.crosstalk = Edit_diaphonie->text();
    f.backgroundLamps = Edit_fond->text();
    f.window = Edit_fenetre->text();
    return f;
}

void CalibrationDialog::Import(const QString& path)
{
    const CalibrationRead read = LoadCalibration(path);
    if (!read.error.isEmpty()) {
        Label_etat->setText(tr("import refusé : ") + read.error);
        return;
    }
    FluorometerSetup imported;
    imported.calibration = read.calibration;
    imported.corrections = SetupFromForm(Read()).corrections;  // the corrections typed stay
    Show(FormFromSetup(imported));
    Label_etat->setText(tr("importé de %1 : vérifier, puis Enregistrer").arg(path));
}

void CalibrationDialog::Save()
{
    const FluorometerSetup setup = SetupFromForm(Read());
    if (!setup.Ready()) {
        Label_etat->setText(tr(kNotSavedMessage) + (setup.error.isEmpty() ? setup.calibration.Problem() : setup.error));
        return;  // nothing converted with a calibration that cannot convert
    }
    const QString failure = SaveFluorometerSetup(file_, setup);
    if (!failure.isEmpty()) {
        Label_etat->setText(tr(kNotSavedMessage) + file_ + QStringLiteral(" : ") + failure);
        return;
    }
    saved_ = setup;
    accept();
}

}  // namespace sondalog
