// The parameters window's port finding: "liste COMx" tries COM1 to COM10 (or the system's first
// ten ports), "NEW" tries every port the system knows and offers them in the table's choice list.
// Both probe on threads with a time limit, and never open a port an acquisition is reading.
#include "ui/parameters_window/parameters_window.h"

#include "ui/parameters_window/choice_panel.h"
#include "serial/port_prober.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace sondalog {

void ParametersWindow::SetPortProbe(PortProbe probe, int limitMs)
{
    if (prober_ && prober_->IsBusy()) {
        return;
    }
    delete prober_;
    prober_ = new PortProber(std::move(probe), this);
    probeLimitMs_ = limitMs;
    connect(prober_, &PortProber::finished, this, [this](const QStringList& names, const QList<bool>& opened) {
        const Probing was = probing_;
        SetProbing(false);
        if (was == Probing::ComTest) {
            FinishComTest(comTestPorts_, comTestSpeed_, opened);
        } else if (was == Probing::Listing) {
            FinishPortListing(names, opened);
        }
    });
}

bool ParametersWindow::IsProbing() const
{
    return probing_ != Probing::None;
}

void ParametersWindow::SetProbing(bool on)
{
    if (!on) {
        probing_ = Probing::None;
    }
    Button1->setEnabled(!on);
    SpeedButton1->setEnabled(!on);
    if (on) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
}

void ParametersWindow::Button1Click()
{
    if (IsProbing()) {
        return;
    }
    if (!prober_) {
        SetPortProbe(ProbePort, probeLimitMs_);
    }
    const QStringList ports = PortsToTest(systemPorts ? systemPorts() : SystemPortNames());
    const QString speed = ActiveCell(table, activeRow, col::vitesse, 0);
    if (CheckBox_demo->isChecked()) {
        FinishComTest(ports, speed, {});  // in demonstration nothing is opened
        return;
    }
    comTestPorts_ = ports;
    comTestSpeed_ = speed;
    probing_ = Probing::ComTest;
    SetProbing(true);
    prober_->Start(ComTestDevices(ports, speed), portsInUse ? portsInUse() : QStringList(), probeLimitMs_);
}

void ParametersWindow::FinishComTest(const QStringList& ports, const QString& speedCell, const QList<bool>& opened)
{
    for (const QString& line : ComTestLog(ports, speedCell, opened)) {
        if (logLine) {
            logLine(line);
        } else {
            Memo1->appendPlainText(line);
        }
    }
}

void ParametersWindow::SpeedButton1Click()
{
    if (IsProbing()) {
        return;
    }
    if (!prober_) {
        SetPortProbe(ProbePort, probeLimitMs_);
    }
    ComboBox1->clear();
    probing_ = Probing::Listing;
    SetProbing(true);
    prober_->Start(systemPorts ? systemPorts() : SystemPortNames(), portsInUse ? portsInUse() : QStringList(),
                   probeLimitMs_);
}

void ParametersWindow::FinishPortListing(const QStringList& names, const QList<bool>& opened)
{
    const PortListing listing = ListingFromResults(names, opened);
    const PortListingReport report = ReportPortListing(listing);
    for (const QString& line : report.memoLines) {
        Memo1->appendPlainText(line);  // directly: this report is not cut at 100 lines
    }
    if (showDialog) {
        showDialog(report.dialog, report.error);
    } else if (report.error) {
        QMessageBox::critical(this, windowTitle(), report.dialog);
    } else {
        QMessageBox::warning(this, windowTitle(), report.dialog);
    }
    if (report.error) {
        return;
    }
    ComboBox1->addItems(listing.names);
    ComboBox1->setCurrentIndex(0);
    const int comx = table.ColumnByName(col::comx);
    if (comx < 0) {
        return;
    }
    SetCurrentCell(activeRow, comx);
    stringgrid1DblClick();
    if (isVisible()) {
        ComboBox1->showPopup();
    }
}

}  // namespace sondalog
