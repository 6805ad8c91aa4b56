#include "editor/dialogs/AboutDialog.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/BuildInfo.h"

namespace koru {

namespace {

// A small radio mast with its waves: the picture beside the name.
QPixmap Picture() {
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(48, 40, 34, 88);
    painter.drawLine(48, 40, 62, 88);
    painter.drawLine(40, 70, 56, 70);
    painter.setBrush(QColor(0x1f, 0x4e, 0x79));
    painter.drawEllipse(QPointF(48, 36), 5, 5);
    painter.setBrush(Qt::NoBrush);
    for (int wave = 1; wave <= 3; ++wave) {
        const int r = 8 + wave * 9;
        painter.drawArc(QRectF(48 - r, 36 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    }
    return picture;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* frame = new QFrame(this);
    frame->setObjectName("fraAbout");
    auto* picture = new QLabel(frame);
    picture->setObjectName("picKoru");
    picture->setPixmap(Picture());
    picture->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel("KORU Configuration ver. 1.3c", frame);
    name->setObjectName("lblAbout");
    name->setAlignment(Qt::AlignCenter);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    auto* version = new QLabel(QString("Version %1").arg(kVersion), frame);
    version->setObjectName("lblVersion");
    version->setAlignment(Qt::AlignCenter);
    auto* inside = new QVBoxLayout(frame);
    inside->addWidget(picture);
    inside->addWidget(name);
    inside->addWidget(version);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);

    for (QWidget* part : {static_cast<QWidget*>(frame), static_cast<QWidget*>(picture),
                          static_cast<QWidget*>(name), static_cast<QWidget*>(version)}) {
        part->installEventFilter(this);
    }
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::mousePressEvent(QMouseEvent*) {
    close();
}

}  // namespace koru
