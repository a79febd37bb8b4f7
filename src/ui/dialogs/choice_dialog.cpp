#include "ui/dialogs/choice_dialog.h"

#include "app/choice_layout.h"
#include "util/text_utils.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace sondalog {

int ChoiceDialog(QWidget* parent, const QString& message, QMessageBox::Icon kind, const QString& caption1,
                 const QString& caption2, const QString& caption3)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(kChoiceCaption);
    auto* icon = new QLabel(&dialog);
    QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxQuestion;
    if (kind == QMessageBox::Warning) {
        pixmap = QStyle::SP_MessageBoxWarning;
    } else if (kind == QMessageBox::Critical) {
        pixmap = QStyle::SP_MessageBoxCritical;
    } else if (kind == QMessageBox::Information) {
        pixmap = QStyle::SP_MessageBoxInformation;
    }
    icon->setPixmap(dialog.style()->standardIcon(pixmap).pixmap(32, 32));
    auto* text = new QLabel(BoundedMessage(message), &dialog);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* area = new QWidget(&dialog);
    area->setLayout(top);

    QStringList captions = {caption1};
    if (!caption2.isEmpty()) {
        captions << caption2;
    }
    if (!caption3.isEmpty()) {
        captions << caption3;
    }
    const QFontMetrics metrics(dialog.font());
    auto widest = [&](const QString& t) {
        int w = 0;
        for (const QString& line : LinesEndingWithBreak(t)) {
            w = std::max(w, metrics.horizontalAdvance(line));
        }
        return w;
    };
    QList<int> widestLines = {widest(BoundedMessage(message))};
    QList<int> widths;
    for (int i = 0; i < captions.size(); ++i) {
        widestLines << widest(captions[i]);
        widths << kChoiceButtonWidths[i];
    }
    const QSize content = area->sizeHint();
    const ChoiceLayout layout = LayoutChoiceButtons(content.width(), widestLines, widths);
    const int height = content.height() + 50 + 20;
    dialog.setFixedSize(layout.clientWidth, height);
    area->setGeometry(0, 0, layout.clientWidth, content.height());
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QPushButton(captions[i], &dialog);
        button->setGeometry(layout.lefts[i], height - 50, widths[i], 30);
        QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, i] { dialog.done(i + 1); });
        if (i == 0) {
            button->setDefault(true);
        }
    }
    if (const QScreen* screen = parent ? parent->screen() : nullptr) {
        const QRect r = screen->availableGeometry();
        dialog.move(r.x() + (r.width() - layout.clientWidth) / 2, r.y() + (r.height() - height) / 2);
    }
    return dialog.exec();
}

}  // namespace sondalog
