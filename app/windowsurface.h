#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

class Picture;
class QPixmap;
class QWidget;

// The window's own drawing surface: what the drill draws straight onto the
// window (the answer log and its wiping) goes into this image, and the
// window's paint handler copies it to the screen, so the drawings survive
// every repaint, resize, minimise and expose. Each drawing asks the window
// to repaint only the rectangle it touched. The image is made at the first
// drawing or look at it; until then the surface is all background, so
// start-up neither fills nor holds it. It is made at the density of the
// window's screen (with that devicePixelRatio), so its text and pictures are
// as sharp as the controls'; it keeps that density for its lifetime.
class WindowSurface {
public:
  WindowSurface(QWidget *window, QSize size, QColor background, const QFont &font,
                QColor textColour);

  [[nodiscard]] const QImage &image() const { return canvas(); }
  [[nodiscard]] QColor background() const { return background_; }

  void setPenColour(QColor colour) { pen_ = colour; }
  // A rectangle outlined with the pen and filled with the background colour;
  // right and bottom edges excluded.
  void rectangle(int left, int top, int right, int bottom);
  // Text with its top-left corner at (x, y), on the background colour.
  void textOut(int x, int y, const QString &text);
  // A picture at its own size with its top-left corner at (x, y).
  void draw(int x, int y, const QPixmap &picture);
  // The same, drawn for the surface's density.
  void draw(int x, int y, const Picture &picture);

  // Copies the part of the surface inside `area` (window coordinates) to the
  // painter; the window's background fills whatever lies beyond the surface.
  void paint(QPainter &painter, QRect area) const;

private:
  QImage &canvas() const;
  void changed(QRect area);

  QWidget *window_;
  QSize size_;
  mutable QImage image_;
  QColor background_;
  QColor pen_;
  QFont font_;
  QColor textColour_;
};
