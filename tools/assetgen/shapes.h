#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

// Small drawing helpers shared by the reward pictures.

// A star with points corners, the first pointing straight up.
QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points = 5);
QPainterPath heartPath(QPointF centre, qreal size);
// A four-pointed twinkle.
void paintSparkle(QPainter &p, QPointF centre, qreal size, const QColor &colour);
// Fills path with fill and outlines it with a darker shade of it, cartoon style.
void paintOutlined(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &base,
                   qreal outline = 1.8);
// A radial gradient lit from the upper left of the given box.
QBrush shinyBrush(const QRectF &box, const QColor &colour);
