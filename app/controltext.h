#pragma once

#include <QColor>
#include <QString>

#include <initializer_list>

class QLabel;
class QLineEdit;
class QWidget;

// The few things the handlers do to a control besides showing and hiding it.
// Labels size themselves to their text, so these resize them afterwards.

void hideControls(std::initializer_list<QWidget *> controls);
void setCaption(QLabel *label, const QString &caption);
void setText(QLineEdit *edit, const QString &text);
void setFontPoints(QWidget *control, int points);
void setFontColour(QWidget *control, QColor colour);

inline const QColor kYellow{255, 255, 0};
inline const QColor kWhite{255, 255, 255};
