// How long the main window stops answering while it opens a long logging file: a 10 ms timer
// ticks during the whole load and the longest gap between two ticks is printed, with the load's
// time. Usage: sondalog_open_bench [LINES] (1,000,000 by default).

#include "ui/main_window/main_window.h"
#include "ui/main_window/stored_file_opener.h"
#include "ui/parameters_window/parameters_window.h"
#include "util/text_file.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

using namespace sondalog;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 1000000;
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config);
    // The three-probe CSV instrument, blocks ended by the conductivity line.
    const QStringList table = {
        QStringLiteral("17"), QStringLiteral("3"),
        QStringLiteral("n,actif,multimètre,COMx,vitesse,intervalle,grandeur,max,min,graduation,couleur,épaisseur,repère,"
                       "séparateur,occurence,\"rep hms\",\"fin de bloc\""),
        QStringLiteral("1,x,WTW3430,COM7,9600,1,conductivité,750,700,50,\"0,100,255\",7,Cond,espace,1,::,TetraCon"),
        QStringLiteral("2,,,,,,température,30,10,5,\"200,0,88\",5,°C,espace,3,::,")};
    WriteFileAtomically(config + QStringLiteral("/Sondalog.ini"), JoinCrLf(table));
    QStringList settings(30);
    settings[0] = dir.path();
    settings[1] = QStringLiteral("false");
    settings[10] = QStringLiteral("1");
    settings[22] = QStringLiteral("true");
    WriteFileAtomically(config + QStringLiteral("/Sondalog.prm"), JoinCrLf(settings));

    QStringList file = {QStringLiteral("Multi 3430"), QStringLiteral("No.sér. 14451527"), QStringLiteral("Enregistrement AUTO"),
                        QStringLiteral("Date;Heure;Sonde;Valeur;Unité;Grandeur;Temp;Unité;Capteur")};
    QDateTime t(QDate(2009, 9, 26), QTime(4, 19, 39));
    for (int i = 0; file.size() < lines; ++i) {
        const QString stamp = t.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
        file << stamp + QStringLiteral(";14440518;7.01;mV;pH;22.9;°C;SenTix 940")
             << stamp + QStringLiteral(";14440519;85.2;%;Ox;22.9;°C;FDO 925")
             << stamp + QStringLiteral(";14451527;%1;µS/cm;Cond;22.9;°C;TetraCon 925").arg(600 + i % 200);
        t = t.addSecs(1);
    }
    const QString path = dir.filePath(QStringLiteral("long.csv"));
    WriteFileAtomically(path, JoinCrLf(file));
    const qint64 bytes = QFileInfo(path).size();
    file.clear();

    MainWindow window(ConfigPaths::Resolve(config, QString()), Regional::French());
    window.confirm = [](const QString&) { return true; };
    window.info = [](const QString& t) { QTextStream(stderr) << t << '\n'; };
    window.choose = [](const QString&, const QStringList&) { return 2; };
    window.openFileName = [path](const QString&, const QString&) { return path; };
    window.show();

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
        if (!window.panels().opener->LoadInProgress()) {
            QCoreApplication::exit(0);
        }
    });
    QTimer::singleShot(200, [&] {
        clock.start();
        ticker.start(10);
        window.Button_open_fileClick();
    });
    app.exec();
    QTextStream(stdout) << "open " << lines << " lines (" << (bytes >> 20) << " MB): " << window.run().state.series.sampleCount
                        << " readings in " << clock.elapsed() / 1000.0 << " s, window unanswered at most " << longest
                        << " ms\n";
    return 0;
}
