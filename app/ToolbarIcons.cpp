#include "ToolbarIcons.h"

#include "CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

void DrawPage(QPainter& painter, int left, int top, int right, int bottom) {
    const QPolygon page({{left, top}, {right - 3, top}, {right, top + 3}, {right, bottom}, {left, bottom}});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(page);
    painter.drawPolyline(QPolygon({{right - 3, top}, {right - 3, top + 3}, {right, top + 3}}));
}

void DrawTextLines(QPainter& painter, int left, int right, int top, int bottom) {
    painter.setPen(QColor(128, 128, 128));
    for (int y = top; y <= bottom; y += 2)
        painter.drawLine(left, y, right, y);
}

void DrawNew(QPainter& painter) {
    DrawPage(painter, 3, 1, 12, 14);
}

void DrawOpen(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 4}, {12, 4}, {12, 13}, {1, 13}}));
    painter.setBrush(QColor(192, 160, 0));
    painter.drawPolygon(QPolygon({{3, 7}, {15, 7}, {12, 13}, {1, 13}}));
    painter.drawLine(10, 1, 13, 1);
    painter.drawLine(13, 1, 13, 4);
}

void DrawSave(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawRect(1, 1, 13, 13);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(4, 9, 7, 5);
    painter.fillRect(8, 10, 2, 3, QColor(0, 0, 128));
}

void DrawCut(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(5, 1, 9, 9);
    painter.drawLine(10, 1, 6, 9);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.drawEllipse(2, 9, 4, 4);
    painter.drawEllipse(9, 9, 4, 4);
}

void DrawCopy(QPainter& painter) {
    DrawPage(painter, 1, 1, 9, 10);
    DrawTextLines(painter, 3, 6, 4, 8);
    DrawPage(painter, 6, 4, 14, 14);
    DrawTextLines(painter, 8, 12, 8, 12);
}

void DrawPaste(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setBrush(QColor(160, 96, 32));
    painter.drawRect(1, 2, 10, 12);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(4, 1, 4, 2);
    DrawPage(painter, 6, 5, 14, 14);
    DrawTextLines(painter, 8, 12, 9, 13);
}

void DrawPrint(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 5);
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(1, 6, 13, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 4);
    painter.fillRect(11, 8, 2, 1, QColor(0, 160, 0));
}

void DrawAbout(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 160));
    painter.drawEllipse(1, 0, 14, 14);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath question;
    question.moveTo(5.5, 5.0);
    question.arcTo(QRectF(5.5, 2.5, 5.0, 5.0), 180.0, -270.0);
    question.lineTo(8.0, 9.0);
    painter.drawPath(question);
    painter.fillRect(7, 10, 2, 2, Qt::white);
}

void DrawStart(QPainter& painter) {
    painter.setPen(QColor(0, 96, 0));
    painter.setBrush(QColor(0, 192, 0));
    painter.drawPolygon(QPolygon({{4, 1}, {13, 7}, {4, 13}}));
}

void DrawStop(QPainter& painter) {
    painter.setPen(QColor(128, 0, 0));
    painter.setBrush(QColor(224, 0, 0));
    painter.drawRect(3, 2, 9, 9);
}

using Painter = void (*)(QPainter&);

Painter PainterFor(int commandId) {
    switch (commandId) {
    case CommandId::FileNew:
        return DrawNew;
    case CommandId::FileOpen:
        return DrawOpen;
    case CommandId::FileSave:
        return DrawSave;
    case CommandId::EditCut:
        return DrawCut;
    case CommandId::EditCopy:
        return DrawCopy;
    case CommandId::EditPaste:
        return DrawPaste;
    case CommandId::FilePrint:
        return DrawPrint;
    case CommandId::AppAbout:
        return DrawAbout;
    case CommandId::SimStart:
        return DrawStart;
    case CommandId::SimStop:
        return DrawStop;
    default:
        return nullptr;
    }
}

} // namespace

QIcon ToolbarIcon(int commandId) {
    const Painter paint = PainterFor(commandId);
    if (paint == nullptr)
        return QIcon();
    QPixmap image(kWidth, kHeight);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return QIcon(image);
}
